#pragma once

// The sample loops of the inference and defuzzification methods are compiled twice where the toolchain allows
// it, for AVX2 and for the baseline instruction set, and the variant the processor supports is chosen when the
// program is loaded (GNU indirect functions). The results do not depend on the variant: no operation is fused
// or reordered. Define ZORV_NO_VECTOR_CLONES to build the baseline only.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__) && !defined(ZORV_NO_VECTOR_CLONES)
#define ZORV_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define ZORV_VECTOR_CLONES
#endif
