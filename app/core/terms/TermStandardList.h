#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/core/terms/UserTermRow.h"

namespace zorv {

class CSettings;
class CLinguisticSettings;
class CBasicSettings;

// The rows of the editor's Standard page: the vocabulary's standard expressions with their sets, shown
// on the variable's context.
//   Linguistic, context not symmetric: one row per standard expression, named by its abbreviations
//   ("sm", "ex sm", "ml me").
//   Linguistic, symmetric context <-h, h>: the expressions as positive terms ("+sm", "+ex sm"), then as
//   negative ones ("-sm", "-ex sm"), then "ze" (-0.05h, -0.025h, 0, 0, 0.025h, 0.05h) and "ro ze" with
//   twice these values.
//   Triang: its standard triangles under their short names.
// The linguistic sets live on the normalised universe [0, 1] ([-1, 1] when symmetric); their parameters are
// mapped onto the context so that the rows, the chart and the zero rows share one scale.
class TermStandardList {
public:
    static std::vector<UserTermRow> Rows(const CSettings& settings);

private:
    static std::vector<UserTermRow> LinguisticRows(const CLinguisticSettings& settings);
    static std::vector<UserTermRow> TriangRows(const CBasicSettings& settings);
};

}  // namespace zorv
