#pragma once

// The sample loops of the inference and defuzzification methods are compiled twice where the toolchain allows
// it, for AVX2 and for the baseline instruction set, and the variant the processor supports is chosen when the
// program is loaded (GNU indirect functions). The results do not depend on the variant: no operation is fused
// or reordered. Define ZORV_NO_VECTOR_CLONES to build the baseline only.
//
// ThreadSanitizer builds get the baseline only: the loader runs the variant choice before the sanitizer's
// runtime is set up, and the instrumented chooser crashes there.
#if defined(__SANITIZE_THREAD__)
#define ZORV_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ZORV_THREAD_SANITIZER 1
#endif
#endif

#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__) && !defined(ZORV_NO_VECTOR_CLONES) && \
    !defined(ZORV_THREAD_SANITIZER)
#define ZORV_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define ZORV_VECTOR_CLONES
#endif
