#include "fuzzy/vocabulary/CLinguisticSettings.h"

#include <array>
#include <cmath>
#include <string>

#include "fuzzy/sets/CFuzzyQuadraticSet.h"
#include "fuzzy/vocabulary/CLingWords.h"

namespace zorv {

namespace {

constexpr std::array<std::string_view, 3> kSignPrefixes{"", "+", "-"};
// The built-in connectives of the linguistic vocabulary that expressions may not use.
constexpr std::array<std::string_view, 4> kLinguisticConnectives{"shem ham and az", "fug ho or az", "land", "lor"};

bool isSymmetricContext(double low, double high) { return high > 0.0 && low == -high; }

bool startsWithSignedWord(std::string_view text, std::string_view prefix, std::string_view word) {
    return text.starts_with(prefix) && startsWithWholeWord(text.substr(prefix.size()), word);
}

}  // namespace

CLinguisticSettings::CLinguisticSettings(double low, double high, const std::array<double, 4>& lingParams)
    : CBasicSettings(low, high), shapes_(kDefaultLingParams), symmetric_(isSymmetricContext(low, high)) {
    setLingParams(lingParams);
}

void CLinguisticSettings::setContext(double low, double high) {
    CBasicSettings::setContext(low, high);
    symmetric_ = isSymmetricContext(low, high);
}

bool CLinguisticSettings::acceptsLingParams(const std::array<double, 4>& p) {
    return p[0] >= 0.0 && p[0] < p[1] && p[1] < p[2] && p[2] < p[3] && p[3] <= 1.0;
}

bool CLinguisticSettings::setLingParams(const std::array<double, 4>& lingParams) {
    if (!acceptsLingParams(lingParams)) return false;
    shapes_ = CLingShapes(lingParams);
    return true;
}

std::unique_ptr<CFuzzySet> CLinguisticSettings::standardTerm(int kind, int hedge) const {
    if (kind < 0 || kind > 11) return nullptr;
    const int sign = kind >= 8 ? -1 : kind >= 4 ? 1 : 0;
    const auto r = shapes_.shape(kind % 4, hedge, sign, symmetric_);
    if (!r) return nullptr;
    const auto& p = *r;
    return std::make_unique<CFuzzyQuadraticSet>(p[0], p[1], p[2], p[3], p[4], p[5], normalizedLow(), normalizedHigh());
}

double CLinguisticSettings::typicalValue(const CLingTerm& d) const {
    const double middle = (normalizedLow() + normalizedHigh()) / 2.0;
    const auto r = shapes_.shape(d.atom, d.hedge, 0, symmetric_);
    if (!r) return middle;
    double alpha = 0.8;
    double t = 0.7;
    switch (d.hedge) {
        case CLingTerm::kExtremely: alpha = 0.95; break;
        case CLingTerm::kVery: alpha = d.atom == CLingTerm::kSmall ? 0.8 : 0.85; break;
        case CLingTerm::kMoreOrLess:
            alpha = 0.7;
            t = d.atom == CLingTerm::kSmall ? 0.8 : 0.7;
            break;
        case CLingTerm::kRoughly:
        case CLingTerm::kQuiteRoughly:
        case CLingTerm::kVeryRoughly: t = 0.9; break;
        default: break;
    }
    const auto& p = *r;
    const CAlphaCut cut = CFuzzyQuadraticSet(p[0], p[1], p[2], p[3], p[4], p[5], normalizedLow(), normalizedHigh())
                              .alphaCut(alpha);
    if (cut.boxes.empty() || cut.boxes.front().empty()) return middle;
    const double left = cut.boxes.front().front().low;
    const double right = cut.boxes.front().front().high;
    if (d.atom == CLingTerm::kSmall) return left + (right - left) * t;
    if (d.atom == CLingTerm::kBig) return right - (right - left) * t;
    return (left + right) / 2.0;
}

std::optional<CVocabularyWord> CLinguisticSettings::matchAtom(std::string_view text) const {
    if (auto w = matchUserTerm(text)) return w;
    for (int kind = 0; kind < 12; ++kind) {
        const std::string_view prefix = kSignPrefixes[static_cast<std::size_t>(kind / 4)];
        const auto atom = static_cast<std::size_t>(kind % 4);
        for (std::string_view word : {CLingWords::kAtomNames[atom], CLingWords::kAtomAbbreviations[atom]}) {
            if (startsWithSignedWord(text, prefix, word)) {
                CVocabularyWord w;
                w.kind = CVocabularyWord::Kind::kAtom;
                w.length = prefix.size() + word.size();
                w.standardKind = kind;
                return w;
            }
        }
    }
    return std::nullopt;
}

std::optional<CVocabularyWord> CLinguisticSettings::matchHedge(std::string_view text) const {
    for (int code = 0; code < CLingWords::kHedgeCount; ++code) {
        const auto i = static_cast<std::size_t>(code);
        for (std::string_view word : {CLingWords::kHedgeNames[i], CLingWords::kHedgeAbbreviations[i]}) {
            if (startsWithWholeWord(text, word)) {
                CVocabularyWord w;
                w.kind = CVocabularyWord::Kind::kHedge;
                w.length = word.size();
                w.hedgeCode = code;
                return w;
            }
        }
    }
    return CBasicSettings::matchHedge(text);
}

std::optional<CVocabularyWord> CLinguisticSettings::matchConnective(std::string_view text) const {
    for (std::string_view word : kLinguisticConnectives) {
        if (startsWithWholeWord(text, word)) {
            CVocabularyWord w;
            w.kind = CVocabularyWord::Kind::kConnective;
            w.length = word.size();
            w.connectiveIndex = -1;
            return w;
        }
    }
    return CBasicSettings::matchConnective(text);
}

}  // namespace zorv
