#pragma once

// The rule base for Qt code. Qt defines "slots" as a macro, and the engine's inference working memory has a
// member of that name; this header keeps the macro away from the engine's headers whatever came before.
#pragma push_macro("slots")
#undef slots
#include "rulebase/CRuleBase.h"
#pragma pop_macro("slots")
