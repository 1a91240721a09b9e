#pragma once

// The whole fuzzy-set library: sets, alpha-cuts, shapes and their factory, named elements and the degree
// operations.
#include "fuzzy/operations/BoundedDifference.h"
#include "fuzzy/operations/C1ArgOper.h"
#include "fuzzy/operations/C2ArgOper.h"
#include "fuzzy/sets/CAlphaCut.h"
#include "fuzzy/sets/CCompressedFuzzyDiscreteSet.h"
#include "fuzzy/sets/CFuzzyACutSet.h"
#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/sets/CFuzzySet.h"
#include "fuzzy/sets/CNamedElement.h"
#include "fuzzy/sets/CUniverse.h"
