#include "inference/DefuzzificationMethodTable.h"

#include <array>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/Defuzzifiers.h"
#include "inference/methods/MethodLookup.h"

namespace zorv {

namespace {

// The table's plain entry point: finds where the conclusion is non-zero (densifying a compact set first).
template <RangedDefuzzifierFn Ranged>
double Whole(const CompiledRuleBase& compiled, Workspace& ws, const CFuzzyDiscreteSet& conclusion) {
    if (conclusion.isDense())
        return Ranged(compiled, ws, conclusion, NonZeroRange(conclusion.values().data(), conclusion.count()));
    CFuzzyDiscreteSet dense = conclusion;
    dense.densify();
    return Ranged(compiled, ws, dense, NonZeroRange(dense.values().data(), dense.count()));
}

template <RangedDefuzzifierFn Ranged>
constexpr DefuzzificationMethodEntry Row(std::string_view key, std::string_view shortName,
                                         std::string_view displayName, bool smooth = false) {
    return {key, &Whole<Ranged>, Ranged, shortName, displayName, smooth};
}

constexpr std::array<DefuzzificationMethodEntry, 7> kMethods{{
    Row<&DefuzzifyWith<&CenterOfGravity>>("SimpleCenterOfGravity", "SimpleCOG", "Simple Center Of Gravity (COG)"),
    Row<&DefuzzifyWith<&ModifiedCenterOfGravity>>("ModifiedCenterOfGravity", "ModCOG", "Modified Center Of Gravity"),
    Row<&DefuzzifyWith<&SimpleDee>>("SimpDefuzzLingExpression", "SimpDefuzzLingExpression",
                                    "Simple Defuzzification of Linguistic Expressions (DEE)"),
    Row<&DefuzzifyWith<&SimpleDeeCog>>("SimpDefuzzLingExpression_COG", "SimpDefuzzLingExpression_COG",
                                       "Simple DEE using COG"),
    Row<&DefuzzifyWith<&LinguisticDee>>("DefuzzLingExpression", "DefuzZorv",
                                        "Defuzzification of Linguistic Expressions"),
    Row<&DefuzzifyWith<&MeanOfMaxima>>("MeanOfMaxima", "MOM", "Mean Of Maxima (MOM)"),
    Row<&DefuzzifySmooth>("Smooth Deffuz Ling Expr", "SmoothDeffuzLingExpr",
                          "Smooth Deffuzification of Linguistic Expressions", true),
}};

}  // namespace

std::span<const DefuzzificationMethodEntry> DefuzzificationMethodTable() { return kMethods; }

const DefuzzificationMethodEntry* FindDefuzzificationMethod(std::string_view value) {
    return FindMethodRow<DefuzzificationMethodEntry>(kMethods, value);
}

const DefuzzificationMethodEntry& SimpleDeeMethod() { return kMethods[2]; }

}  // namespace zorv
