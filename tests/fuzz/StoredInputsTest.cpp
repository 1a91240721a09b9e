// The inputs the fuzzers kept (fuzz/corpus) and those kept because they once crashed, hung or ran too long
// (fuzz/regressions) go through their harness in the ordinary build too: each ends with a result or a
// syntax error and the harness's invariants hold.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/DataReaderHarness.h"
#include "fuzz/ReaderHarness.h"

namespace zorv::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> storedInputs(const std::string& target) {
    std::vector<fs::path> files;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(ZORV_SOURCE_DIR) / "fuzz" / kind / target;
        if (!fs::is_directory(folder)) {
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    return files;
}

std::vector<std::uint8_t> bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <class Harness>
void runStoredInputs(const Harness& harness, const std::string& target) {
    const std::vector<fs::path> files = storedInputs(target);
    ASSERT_FALSE(files.empty()) << "no stored inputs for " << target;
    for (const fs::path& file : files) {
        const std::vector<std::uint8_t> bytes = bytesOf(file);
        EXPECT_NO_THROW(harness.run(bytes)) << file;
    }
}

TEST(StoredFuzzInputs, TextReadersEndCleanly) {
    runStoredInputs(ReaderHarness(), "zorv_fuzz_readers");
}

TEST(StoredFuzzInputs, DataReadersEndCleanly) {
    runStoredInputs(DataReaderHarness(), "zorv_fuzz_data_readers");
}

}  // namespace
}  // namespace zorv::fuzz
