#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace zorv {

class CRuleBase;

// The crisp inputs of the test window, one per input variable, each held as the relative position of its
// slider: value = low + position·(high − low) over the variable's context <low, high>. Every slider starts
// in the middle (position 0.5). A typed value is kept as typed; its slider stands at its place.
class TestInputs {
public:
    explicit TestInputs(const CRuleBase& unit);

    int Count() const { return static_cast<int>(inputs_.size()); }
    double Low(int input) const { return At(input).low; }
    double High(int input) const { return At(input).high; }
    double Position(int input) const { return At(input).position; }
    double Value(int input) const;
    std::vector<double> Values() const;

    // Held within [0, 1]; a position that is not a number changes nothing.
    void SetPosition(int input, double position);
    // A value typed into the input's field, with "," or "." as the decimal mark. A text that is not a number,
    // or a number outside the context, changes nothing and gives false.
    bool SetTyped(int input, std::string_view text);

private:
    struct Input {
        double low;
        double high;
        double position = 0.5;
        std::optional<double> typed;
    };

    const Input& At(int input) const { return inputs_.at(static_cast<std::size_t>(input)); }
    Input& At(int input) { return inputs_.at(static_cast<std::size_t>(input)); }

    std::vector<Input> inputs_;
};

}  // namespace zorv
