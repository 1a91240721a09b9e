#pragma once

#include <vector>

namespace zorv {

// Steps a multi-index through every cell of a grid of the given sizes, the first index fastest,
// like an odometer: index 0 is raised by one; when it reaches its size it wraps to 0 and carries
// into index 1, and so on. When the last index wraps, the cursor is back at all zeros and done() is
// set. A grid with a size of 0 or less has no cells: start() sets done() at once.
class TOdometer {
public:
    explicit TOdometer(std::vector<int> sizes);

    // Puts the cursor on the first cell (all zeros) and clears done().
    const std::vector<int>& start();
    // Advances the cursor by one cell.
    const std::vector<int>& next();

    bool done() const { return done_; }
    const std::vector<int>& cursor() const { return cursor_; }
    const std::vector<int>& sizes() const { return sizes_; }

private:
    std::vector<int> sizes_;
    std::vector<int> cursor_;
    bool done_ = false;
};

}  // namespace zorv
