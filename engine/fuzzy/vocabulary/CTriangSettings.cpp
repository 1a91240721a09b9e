#include "fuzzy/vocabulary/CTriangSettings.h"

#include <array>
#include <string>

#include "fuzzy/operations/CModifier.h"
#include "fuzzy/sets/CFuzzyTriangSet.h"
#include "fuzzy/vocabulary/CLingWords.h"

namespace zorv {

namespace {

struct CTriangle {
    int kind;  // standard kind: atom, +4 for "+", +8 for "-"
    double a, b, c;
};

std::string signedWord(int kind, std::string_view word) {
    const char* prefix = kind >= 8 ? "-" : kind >= 4 ? "+" : "";
    return std::string(prefix).append(word);
}

}  // namespace

CTriangSettings::CTriangSettings(double low, double high) : CBasicSettings(low, high) {
    mutableModifiers().emplace_back("ve", "very", std::make_unique<CModifier>(0.5));
    mutableModifiers().emplace_back("ro", "roughly", std::make_unique<CModifier>(2.0));
    buildStandardTerms();
}

void CTriangSettings::setContext(double low, double high) {
    CBasicSettings::setContext(low, high);
    buildStandardTerms();
}

int CTriangSettings::standardKindOf(int termIndex) const {
    return termIndex >= 0 && termIndex < static_cast<int>(standardKinds_.size())
               ? standardKinds_[static_cast<std::size_t>(termIndex)]
               : -1;
}

void CTriangSettings::buildStandardTerms() {
    const double l = low();
    const double h = high();
    const double m = (l + h) / 2.0;
    std::vector<CTriangle> shapes;
    if (l == 0.0 && h > 0.0) {
        shapes = {{0, l, l, m}, {1, l + 0.25 * (h - l), m, l + 0.75 * (h - l)}, {2, m, h, h}};
    } else if (l < 0.0 && 0.0 < h) {
        const double l3 = l / 3.0;
        const double h3 = h / 3.0;
        const double l23 = 2.0 * l / 3.0;
        const double h23 = 2.0 * h / 3.0;
        shapes = {{10, l, l, l23}, {9, l, l23, l3},  {8, l23, l3, 0.0}, {3, l3, 0.0, h3},
                  {4, 0.0, h3, h23}, {5, h3, h23, h}, {6, h23, h, h}};
    }
    std::vector<Term> terms;
    standardKinds_.clear();
    for (const CTriangle& s : shapes) {
        const auto atom = static_cast<std::size_t>(s.kind % 4);
        terms.emplace_back(signedWord(s.kind, CLingWords::kAtomAbbreviations[atom]),
                           signedWord(s.kind, CLingWords::kAtomNames[atom]),
                           std::make_unique<CFuzzyTriangSet>(s.a, s.b, s.c, l, h));
        standardKinds_.push_back(s.kind);
    }
    setStandardTerms(std::move(terms));
}

}  // namespace zorv
