#pragma once

// The Zorv engine: read a rule base, look at its variables and rules, evaluate it, choose its methods,
// save it; read expressions in a vocabulary and ask what they mean. Start with RuleBase.
#if __cplusplus < 202002L
#error "The Zorv engine's interface needs C++20 (-std=c++20)"
#endif

#include "zorv/Error.h"
#include "zorv/Expression.h"
#include "zorv/FTransform.h"
#include "zorv/RuleBase.h"
#include "zorv/Types.h"
#include "zorv/Version.h"
#include "zorv/Vocabulary.h"
