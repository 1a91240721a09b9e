#include "app/core/workbench/HeapUsage.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zorv {

std::size_t HeapUsage::bytesInUse() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#else
    return 0;
#endif
}

}  // namespace zorv
