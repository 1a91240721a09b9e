// libFuzzer entry: arbitrary bytes through the text readers (the first byte picks the reader).
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/ReaderHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const zorv::fuzz::ReaderHarness harness;
    harness.run(std::span<const std::uint8_t>(data, size));
    return 0;
}
