#pragma once

#include <cstddef>

namespace zorv {

// The number of bytes the program currently holds on its heap (0 where the C library cannot tell).
class HeapUsage {
public:
    static std::size_t bytesInUse();
};

}  // namespace zorv
