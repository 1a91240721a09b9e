#include "app/core/terms/TermStandardList.h"

#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/vocabulary/CLingWords.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {

namespace {

constexpr int kPositiveKinds = 4;
constexpr int kNegativeKinds = 8;

// Writes the set's parameters into the row's slots, mapped by map.
template <class Map>
void FillValues(UserTermRow& row, const CFuzzyParamSet& set, Map map) {
    row.type = std::string(set.typeName());
    const auto parameters = set.params();
    const auto slots = UserTermShape::Slots(row.type);
    for (std::size_t i = 0; i < slots.size() && i < parameters.size(); ++i) {
        const bool scale = UserTermShape::IsScale(row.type, slots[i]);
        row.values[static_cast<std::size_t>(slots[i])] = UserTermValue::Of(scale ? parameters[i] : map(parameters[i]));
    }
}

std::string NameOf(const CLingTerm& term, std::string_view sign) {
    const std::string atom(CLingWords::kAtomAbbreviations[static_cast<std::size_t>(term.atom)]);
    if (term.hedge == CLingTerm::kNoHedge) return std::string(sign) + atom;
    return std::string(sign) + std::string(CLingWords::hedgeAbbreviation(term.hedge)) + " " + atom;
}

UserTermRow ZeroRow(std::string name, double high, double factor) {
    UserTermRow row;
    row.name = std::move(name);
    row.type = std::string(UserTermShape::kQuadratic);
    const double points[] = {-0.05, -0.025, 0.0, 0.0, 0.025, 0.05};
    for (int slot = 0; slot < UserTermShape::kSlotCount; ++slot) {
        row.values[static_cast<std::size_t>(slot)] = UserTermValue::Of(points[slot] * high * factor);
    }
    return row;
}

}  // namespace

std::vector<UserTermRow> TermStandardList::Rows(const CSettings& settings) {
    if (const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&settings)) return LinguisticRows(*linguistic);
    if (const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&settings)) return TriangRows(*vocabulary);
    return {};
}

std::vector<UserTermRow> TermStandardList::LinguisticRows(const CLinguisticSettings& settings) {
    const double low = settings.low();
    const double high = settings.high();
    const bool symmetric = settings.symmetric();
    const auto toContext = [&](double p) { return symmetric ? p * high : low + p * (high - low); };
    std::vector<UserTermRow> rows;
    const auto addAll = [&](int kindOffset, std::string_view sign) {
        for (const CLingTerm& term : settings.lingTerms()) {
            const auto set = settings.standardTerm(term.atom + kindOffset, term.hedge);
            const auto* shape = dynamic_cast<const CFuzzyParamSet*>(set.get());
            if (shape == nullptr) continue;
            UserTermRow row;
            row.name = NameOf(term, sign);
            FillValues(row, *shape, toContext);
            rows.push_back(std::move(row));
        }
    };
    if (!symmetric) {
        addAll(0, "");
        return rows;
    }
    addAll(kPositiveKinds, "+");
    addAll(kNegativeKinds, "-");
    rows.push_back(ZeroRow("ze", high, 1.0));
    rows.push_back(ZeroRow("ro ze", high, 2.0));
    return rows;
}

std::vector<UserTermRow> TermStandardList::TriangRows(const CBasicSettings& settings) {
    std::vector<UserTermRow> rows;
    const auto& terms = settings.terms();
    for (int i = 0; i < settings.standardTermCount(); ++i) {
        const auto* shape = dynamic_cast<const CFuzzyParamSet*>(terms[static_cast<std::size_t>(i)].element.get());
        if (shape == nullptr) continue;
        UserTermRow row;
        row.name = terms[static_cast<std::size_t>(i)].shortName;
        FillValues(row, *shape, [](double p) { return p; });
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace zorv
