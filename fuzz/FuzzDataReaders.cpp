// libFuzzer entry: arbitrary bytes through the rule base reader and the data-file import
// (the first byte picks which).
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/DataReaderHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const zorv::fuzz::DataReaderHarness harness;
    harness.run(std::span<const std::uint8_t>(data, size));
    return 0;
}
