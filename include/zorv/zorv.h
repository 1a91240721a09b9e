#pragma once

// The Zorv engine: read a rule base, look at its variables and rules, evaluate it, choose its methods,
// save it; read expressions in a vocabulary and ask what they mean. Start with RuleBase.
#include "zorv/Error.h"
#include "zorv/Expression.h"
#include "zorv/RuleBase.h"
#include "zorv/Types.h"
#include "zorv/Version.h"
#include "zorv/Vocabulary.h"
