#pragma once

// A data file of a million rows for examples/heater.rb, shared by the data table's benchmarks: two inputs and
// the expected output over the variables' contexts <10, 30>, <-25, 15> and <0, 100>, numbers as people write
// them ("17.25", "-3", "61.5"), after one header line. Written once to the temporary folder.
#include <filesystem>
#include <fstream>
#include <random>

#include "text/NumberText.h"

namespace zorv::bench {

inline constexpr int kHeaterRows = 1'000'000;

inline const std::filesystem::path& HeaterDataFile() {
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zorv-heater-million.txt";
        std::ofstream out(file);
        out << "indoor outdoor power\n";
        std::mt19937 random(11);
        std::uniform_int_distribution<int> steps(0, 4000);
        for (int r = 0; r < kHeaterRows; ++r) {
            out << NumberText::shortest(10.0 + steps(random) / 200.0) << ' '
                << NumberText::shortest(-25.0 + steps(random) / 100.0) << ' '
                << NumberText::shortest(steps(random) / 40.0) << '\n';
        }
        return file;
    }();
    return path;
}

}  // namespace zorv::bench
