#pragma once

// Marks the classes and functions that the shared engine library exports; everything else stays inside it.
#if defined(ZORV_STATIC)
#define ZORV_API
#else
#define ZORV_API __attribute__((visibility("default")))
#endif
