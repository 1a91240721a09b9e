#include "fuzzy/vocabulary/CBasicSettings.h"

#include <algorithm>
#include <array>
#include <utility>

#include "fuzzy/expression/CExpressionEvaluator.h"
#include "fuzzy/expression/CSpacedText.h"
#include "fuzzy/operations/CMaxTConorm.h"
#include "fuzzy/operations/CMinTNorm.h"
#include "fuzzy/operations/CNegation.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/sets/CFuzzyQuadraticSet.h"

namespace zorv {

namespace {

// Maps a set's parameters from its context onto <low, high>. The two bounds move in the order that keeps
// the intermediate context non-degenerate (moving the low bound onto the old high bound first would
// collapse every parameter onto one point).
void moveToContext(CFuzzySet& set, double low, double high) {
    if (low < set.high()) {
        set.setLow(low);
        set.setHigh(high);
    } else {
        set.setHigh(high);
        set.setLow(low);
    }
}

}  // namespace

CBasicSettings::CBasicSettings(double low, double high) : CSettings(low, high) {
    modifiers_.emplace_back("not", "no", std::make_unique<CNegation>());
    connectives_.emplace_back("and", "and", std::make_unique<CMinTNorm>());
    connectives_.emplace_back("or", "or", std::make_unique<CMaxTConorm>());
}

CBasicSettings::~CBasicSettings() = default;

int CBasicSettings::addUserTerm(std::string shortName, std::string longName, std::unique_ptr<CFuzzyParamSet> set) {
    if (!set) return -1;
    terms_.emplace_back(std::move(shortName), std::move(longName), std::move(set));
    return static_cast<int>(terms_.size()) - 1;
}

void CBasicSettings::removeTerm(int index) {
    if (index < 0 || index >= static_cast<int>(terms_.size())) return;
    terms_.erase(terms_.begin() + index);
    if (index < standardCount_) --standardCount_;
}

void CBasicSettings::clearUserTerms() { terms_.resize(static_cast<std::size_t>(standardCount_)); }

int CBasicSettings::findTerm(std::string_view name) const {
    if (name.empty()) return -1;
    const int count = static_cast<int>(terms_.size());
    for (int pass = 0; pass < 2; ++pass) {
        const int from = pass == 0 ? standardCount_ : 0;
        const int to = pass == 0 ? count : standardCount_;
        for (int i = from; i < to; ++i) {
            const Term& t = terms_[static_cast<std::size_t>(i)];
            if (t.shortName == name || t.longName == name) return i;
        }
    }
    return -1;
}

void CBasicSettings::copyUserTerms(const CBasicSettings& other) {
    std::vector<Term> copies;
    for (int i = other.standardCount_; i < static_cast<int>(other.terms_.size()); ++i) {
        const Term& t = other.terms_[static_cast<std::size_t>(i)];
        const auto* shape = dynamic_cast<const CFuzzyParamSet*>(t.element.get());
        std::unique_ptr<CFuzzySet> set;
        if (shape != nullptr) {
            set = createParamSet(shape->typeName(), shape->params().data(), low(), high());
        } else if (t.element != nullptr) {
            set = t.element->clone();
            set->universe() = CUniverse(low(), high());
        }
        if (set) copies.emplace_back(t.shortName, t.longName, std::move(set));
    }
    for (Term& t : copies) terms_.push_back(std::move(t));
}

bool CBasicSettings::bestUserTerm(double point, CLingTerm& d) const {
    if (userTermCount() <= 0) return false;
    int best = standardCount_;
    double bestDegree = terms_[static_cast<std::size_t>(best)].element.get()->membership(point);
    for (int i = best + 1; i < static_cast<int>(terms_.size()); ++i) {
        const double degree = terms_[static_cast<std::size_t>(i)].element.get()->membership(point);
        if (degree > bestDegree) {
            best = i;
            bestDegree = degree;
        }
    }
    d = CLingTerm{};
    d.atom = CLingTerm::kUserTerm;
    d.userIndex = best;
    return true;
}

CFuzzyDiscreteSet CBasicSettings::evaluate(std::string_view text, int gridSize) const {
    return CExpressionEvaluator(*this, gridSize).evaluate(text);
}

std::unique_ptr<CFuzzySet> CBasicSettings::standardTerm(int kind, int hedge) const {
    (void)kind, (void)hedge;
    return nullptr;
}

double CBasicSettings::normalizedValue(double x) const {
    if (symmetric()) return x / high();
    const double width = high() - low();
    return width != 0.0 ? (x - low()) / width : 0.0;
}

std::unique_ptr<CFuzzySet> CBasicSettings::aboutNumber(double x) const {
    const double u = normalizedValue(x);
    const double lo = normalizedLow();
    const double hi = normalizedHigh();
    const std::array<double, 6> offsets{-0.2, -0.12, -0.04, 0.04, 0.12, 0.2};
    std::array<double, 6> p{};
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = u + offsets[i];
        p[i] = i < 3 ? std::max(p[i], lo) : std::min(p[i], hi);
    }
    return std::make_unique<CFuzzyQuadraticSet>(p[0], p[1], p[2], p[3], p[4], p[5], lo, hi);
}

int CBasicSettings::describe(std::string_view text, CLingTerm& d) const {
    d = CLingTerm{};
    const CSpacedText spaced(text);
    const std::string_view t = spaced.text();
    auto standardAtom = [this](const CVocabularyWord& w) {
        return w.termIndex >= 0 ? standardKindOf(w.termIndex) : w.standardKind;
    };
    if (const auto atom = matchAtom(t); atom && atom->length == t.size()) {
        const int kind = standardAtom(*atom);
        if (kind < 0) return -1;
        d.atom = kind % 4;
        d.sign = kind >= 8 ? -1 : 0;
        return 0;
    }
    std::size_t p = 0;
    char sign = 0;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) {
        sign = t[p++];
        if (p < t.size() && t[p] == ' ') ++p;
    }
    const auto hedge = matchHedge(t.substr(p));
    if (!hedge || hedge->hedgeCode < 0) return -1;
    d.hedge = hedge->hedgeCode;
    p += hedge->length;
    if (p < t.size() && t[p] == ' ') ++p;
    std::string rest = sign != 0 ? std::string(1, sign) : std::string();
    rest.append(t.substr(p));
    const auto atom = matchAtom(rest);
    if (!atom || atom->length != rest.size()) return -1;
    const int kind = standardAtom(*atom);
    if (kind < 0) return -1;
    d.atom = kind % 4;
    d.sign = kind >= 8 ? -1 : 0;
    return 0;
}

void CBasicSettings::setContext(double low, double high) {
    for (Term& t : terms_) {
        if (t.element.get() != nullptr) moveToContext(*t.element.get(), low, high);
    }
    CSettings::setContext(low, high);
}

std::optional<CVocabularyWord> CBasicSettings::matchUserTerm(std::string_view text) const {
    for (int i = standardCount_; i < static_cast<int>(terms_.size()); ++i) {
        const Term& t = terms_[static_cast<std::size_t>(i)];
        for (const std::string& name : {std::cref(t.shortName), std::cref(t.longName)}) {
            if (startsWithWholeWord(text, name)) {
                CVocabularyWord w;
                w.kind = CVocabularyWord::Kind::kAtom;
                w.length = name.size();
                w.termIndex = i;
                return w;
            }
        }
    }
    return std::nullopt;
}

std::optional<CVocabularyWord> CBasicSettings::matchAtom(std::string_view text) const {
    if (auto w = matchUserTerm(text)) return w;
    for (int i = 0; i < standardCount_; ++i) {
        const Term& t = terms_[static_cast<std::size_t>(i)];
        for (const std::string& name : {std::cref(t.shortName), std::cref(t.longName)}) {
            if (startsWithWholeWord(text, name)) {
                CVocabularyWord w;
                w.kind = CVocabularyWord::Kind::kAtom;
                w.length = name.size();
                w.termIndex = i;
                w.standardKind = standardKindOf(i);
                return w;
            }
        }
    }
    return std::nullopt;
}

std::optional<CVocabularyWord> CBasicSettings::matchHedge(std::string_view text) const {
    for (std::size_t i = 0; i < modifiers_.size(); ++i) {
        for (const std::string& name : {std::cref(modifiers_[i].shortName), std::cref(modifiers_[i].longName)}) {
            if (startsWithWholeWord(text, name)) {
                CVocabularyWord w;
                w.kind = CVocabularyWord::Kind::kHedge;
                w.length = name.size();
                w.modifierIndex = static_cast<int>(i);
                return w;
            }
        }
    }
    return std::nullopt;
}

std::optional<CVocabularyWord> CBasicSettings::matchConnective(std::string_view text) const {
    for (std::size_t i = 0; i < connectives_.size(); ++i) {
        for (const std::string& name :
             {std::cref(connectives_[i].shortName), std::cref(connectives_[i].longName)}) {
            if (startsWithWholeWord(text, name)) {
                CVocabularyWord w;
                w.kind = CVocabularyWord::Kind::kConnective;
                w.length = name.size();
                w.connectiveIndex = static_cast<int>(i);
                return w;
            }
        }
    }
    return std::nullopt;
}

int CBasicSettings::standardKindOf(int termIndex) const {
    (void)termIndex;
    return -1;
}

void CBasicSettings::setStandardTerms(std::vector<Term> standard) {
    terms_.erase(terms_.begin(), terms_.begin() + standardCount_);
    standardCount_ = static_cast<int>(standard.size());
    terms_.insert(terms_.begin(), std::make_move_iterator(standard.begin()), std::make_move_iterator(standard.end()));
}

}  // namespace zorv
