#include "tuning/TuningRows.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <stdexcept>

namespace zorv {

void TuningRows::Add(std::span<const double> inputs, double expected) {
    if (inputs.size() != static_cast<std::size_t>(inputCount_)) {
        throw std::invalid_argument("a data row needs one value per input variable");
    }
    inputs_.insert(inputs_.end(), inputs.begin(), inputs.end());
    expected_.push_back(expected);
}

std::span<const double> TuningRows::Inputs(int row) const {
    const auto width = static_cast<std::size_t>(inputCount_);
    return std::span(inputs_).subspan(static_cast<std::size_t>(row) * width, width);
}

// A partial Fisher-Yates shuffle drawn from a 64-bit Mersenne twister, whose sequence the standard fixes, and
// an index taken by modulo rather than by a distribution, whose algorithm it does not: the same seed chooses
// the same rows with every standard library.
std::pair<TuningRows, TuningRows> TuningRows::Split(double share, std::uint64_t seed) const {
    const auto count = static_cast<std::size_t>(Count());
    const auto held = std::min(count, static_cast<std::size_t>(std::llround(std::clamp(share, 0.0, 1.0) * count)));
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::mt19937_64 random(seed);
    std::vector<std::uint8_t> chosen(count, 0);
    for (std::size_t i = 0; i < held; ++i) {
        const std::size_t j = i + static_cast<std::size_t>(random() % (count - i));
        std::swap(order[i], order[j]);
        chosen[order[i]] = 1;
    }
    return {Subset(chosen, false), Subset(chosen, true)};
}

TuningRows TuningRows::Subset(const std::vector<std::uint8_t>& chosen, bool which) const {
    TuningRows subset(inputCount_);
    for (int row = 0; row < Count(); ++row) {
        if ((chosen[static_cast<std::size_t>(row)] != 0) == which) subset.Add(Inputs(row), Expected(row));
    }
    return subset;
}

}  // namespace zorv
