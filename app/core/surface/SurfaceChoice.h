#pragma once

namespace zorv {

// What the surface window lets the user choose: the two input variables ("Variable 1:", "Variable 2:") and
// the steps (10 to 70). The two variables are kept apart: when a choice makes both name the same variable
// i, the other one moves to i + 1 when i is 0, else to i − 1.
class SurfaceChoice {
public:
    static constexpr int kMinSteps = 10;
    static constexpr int kMaxSteps = 70;

    // The first and second input of a rule base with inputCount inputs (at least 2), at 10 steps.
    explicit SurfaceChoice(int inputCount);

    int First() const { return first_; }
    int Second() const { return second_; }
    int Steps() const { return steps_; }

    // Indices outside the inputs and steps outside 10..70 are refused (std::out_of_range).
    void SetFirst(int index);
    void SetSecond(int index);
    void SetSteps(int steps);

private:
    static int Apart(int index) { return index == 0 ? 1 : index - 1; }
    void CheckIndex(int index) const;

    int inputCount_;
    int first_ = 0;
    int second_ = 1;
    int steps_ = kMinSteps;
};

}  // namespace zorv
