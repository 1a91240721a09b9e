#pragma once

#include <exception>
#include <string>

namespace zorv {

// Raised when F-transform settings cannot give a sound transform: fewer than two nodes on an axis,
// an empty or non-finite interval, an unknown shape, no input axis, or a node grid beyond the
// cell bound. The message is meant for the user; axis() names the input axis (counted from 0) the
// fault belongs to, or kNoAxis when it concerns the settings as a whole.
class EFTransformSettings : public std::exception {
public:
    static constexpr int kNoAxis = -1;

    explicit EFTransformSettings(std::string message, int axis = kNoAxis)
        : message_(std::move(message)), axis_(axis) {}

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const { return message_; }
    int axis() const { return axis_; }

private:
    std::string message_;
    int axis_;
};

}  // namespace zorv
