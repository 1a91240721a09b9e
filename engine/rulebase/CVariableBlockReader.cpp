#include "rulebase/CVariableBlockReader.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"
#include "fuzzy/vocabulary/ContextBounds.h"
#include "rulebase/CRuleBaseLimits.h"
#include "rulebase/CTextScan.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr std::string_view kUserTerm = "UserTerm";
constexpr std::string_view kEndUserTerm = "End_UserTerm";
constexpr std::string_view kWrongType = "wrong settings type for a given description type";
constexpr std::string_view kLinearAntecedent = "Takagi-Sugeno or singleton type variable among antecedents";
constexpr std::string_view kBadParameter = "missing or bad parameter";
constexpr std::array<std::string_view, 4> kShapeNames = {"triang", "trapezoid", "quadratic", "gaussian"};

bool StartsWithAt(std::string_view text, std::size_t pos, std::string_view word) {
    return text.substr(pos).starts_with(word);
}

// Reads count numbers separated by blanks from [pos, end); false when fewer can be read or one is not finite.
bool ReadNumbers(std::string_view text, std::size_t pos, std::size_t end, double* out, int count) {
    for (int i = 0; i < count; ++i) {
        pos = CTextScan::SkipLineBlanks(text, pos, end);
        const auto number = NumberText::scanFile(text.substr(pos, end - pos));
        if (!number || !std::isfinite(number->value)) return false;
        out[i] = number->value;
        pos += number->length;
    }
    return true;
}

// First line in [begin, end) whose content starts with key: the position after the key.
std::optional<std::size_t> FindKeyLine(std::string_view text, std::size_t begin, std::size_t end,
                                       std::string_view key) {
    for (std::size_t pos = begin; pos < end;) {
        const CTextScan::Line line = CTextScan::LineAt(text, pos);
        if (StartsWithAt(text, line.content, key)) return line.content + key.size();
        pos = line.next;
    }
    return std::nullopt;
}

}  // namespace

CVariableBlockReader::CVariableBlockReader(std::string_view text, std::size_t bodyBegin, std::size_t bodyEnd)
    : text_(text), body_{bodyBegin, bodyEnd} {
    bool endMarkerAhead = true;  // false once a search for "End_UserTerm" reached the end of the body
    for (std::size_t pos = bodyBegin; pos < bodyEnd;) {
        const CTextScan::Line line = CTextScan::LineAt(text_, pos);
        pos = line.next;
        if (!StartsWithAt(text_, line.content, kUserTerm)) {
            keyLines_.push_back({line.content, line.end});
            continue;
        }
        UserTermBlock block{{line.next, bodyEnd}, false, line.content};
        for (std::size_t p = line.next; endMarkerAhead && p < bodyEnd;) {
            const CTextScan::Line inner = CTextScan::LineAt(text_, p);
            if (StartsWithAt(text_, inner.content, kEndUserTerm)) {
                block.body.end = inner.begin;
                block.closed = true;
                pos = inner.next;
                break;
            }
            p = inner.next;
        }
        endMarkerAhead = block.closed;
        userTerms_.push_back(block);
    }
}

std::optional<std::size_t> CVariableBlockReader::Find(std::string_view key) const {
    for (const Interval& line : keyLines_) {
        if (StartsWithAt(text_.substr(0, line.end), line.begin, key)) return line.begin + key.size();
    }
    return std::nullopt;
}

std::size_t CVariableBlockReader::Require(std::string_view key, std::string_view name) const {
    const auto at = Find(key);
    if (!at) CTextScan::Fail(text_, body_.begin, "missing: " + std::string(name));
    return *at;
}

std::size_t CVariableBlockReader::LineEndFrom(std::size_t pos) const {
    return CTextScan::LineEnd(text_, pos, body_.end);
}

CFuzzyVariable CVariableBlockReader::Read(const Context& context) const {
    std::string name = ReadName();
    const std::size_t settingsAt = Require("settings=", "settings");
    const std::size_t kindAt = CTextScan::SkipLineBlanks(text_, settingsAt, LineEndFrom(settingsAt));
    const Kind kind = ReadKind(kindAt);
    std::pair<double, double> bounds{0.0, 0.0};
    if (kind != Kind::alias) bounds = ReadContext();
    const std::optional<int> discretization = ReadDiscretization(kind == Kind::linguistic);
    if (kind == Kind::linc) CheckKindFits("linc", context, settingsAt);
    if (kind == Kind::linguistic) CheckKindFits("linguistic", context, settingsAt);
    if (kind == Kind::triang) CheckKindFits("triang", context, settingsAt);
    Settings made = MakeSettings(kind, bounds, kindAt, context);

    int grid = CRuleBaseLimits::kDefaultDiscretization;
    if (discretization) {
        grid = *discretization;
    } else if (made.discretization) {
        grid = *made.discretization;
    } else if (context.previousDiscretization) {
        grid = *context.previousDiscretization;
    }
    CFuzzyVariable variable(std::move(name), made.settings, grid);
    if (auto* vocabulary = dynamic_cast<CBasicSettings*>(made.settings.get())) ReadUserTerms(*vocabulary);
    return variable;
}

// The name runs from the first non-blank after "name=" to the first comma or control character, blanks at
// its end left out (as an alias names it); an empty name is missing.
std::string CVariableBlockReader::ReadName() const {
    const std::size_t at = Require("name=", "name");
    const std::size_t end = LineEndFrom(at);
    std::size_t pos = CTextScan::SkipLineBlanks(text_, at, end);
    const std::size_t begin = pos;
    while (pos < end && text_[pos] != ',' && !CTextScan::IsControl(text_[pos])) ++pos;
    const std::string_view name = CTextScan::Trim(text_.substr(begin, pos - begin));
    if (name.empty()) CTextScan::Fail(text_, at, "missing: name");
    return std::string(name);
}

CVariableBlockReader::Kind CVariableBlockReader::ReadKind(std::size_t value) const {
    constexpr std::array<std::pair<std::string_view, Kind>, 4> kKinds = {
        {{"alias", Kind::alias}, {"linguistic", Kind::linguistic}, {"triang", Kind::triang}, {"linc", Kind::linc}}};
    for (const auto& [word, kind] : kKinds) {
        if (StartsWithAt(text_, value, word)) return kind;
    }
    return Kind::unknown;
}

// "context=<low, high>": each bound is a number standing alone between its delimiters ("<" or "," before it,
// "," or ">" after it, blanks around it); the bounds must be finite, low below high, and their distance finite.
// Anything else ("<0x10,30>", "<a,1>") is refused rather than read as a part of itself.
std::pair<double, double> CVariableBlockReader::ReadContext() const {
    const std::size_t at = Require("context=<", "context");
    const std::size_t end = LineEndFrom(at);
    const std::size_t comma = text_.substr(0, end).find(',', at);
    if (comma == std::string_view::npos) CTextScan::Fail(text_, at, "missing: , in context");
    const auto boundAt = [&](std::size_t from, std::size_t to) {
        const std::size_t pos = CTextScan::SkipLineBlanks(text_, from, to);
        const auto number = NumberText::scanFile(text_.substr(pos, to - pos));
        if (!number || CTextScan::SkipLineBlanks(text_, pos + number->length, to) != to) {
            CTextScan::Fail(text_, at, "bad context bounds");
        }
        return number->value;
    };
    const double low = boundAt(at, comma);
    const std::size_t close = text_.substr(0, end).find('>', comma);
    const double high = boundAt(comma + 1, close == std::string_view::npos ? end : close);
    if (ContextBounds::Check(low, high) != ContextBounds::Fault::none) CTextScan::Fail(text_, at, "bad context bounds");
    return {low, high};
}

// Required for linguistic settings; other kinds may carry the line too (written when their grid differs from
// the one they would otherwise take).
std::optional<int> CVariableBlockReader::ReadDiscretization(bool required) const {
    const auto at = Find("discretization=");
    if (!at) {
        if (required) CTextScan::Fail(text_, body_.begin, "missing: discretization");
        return std::nullopt;
    }
    const long long value = NumberText::scanInteger(text_.substr(*at, LineEndFrom(*at) - *at));
    if (value <= 0) CTextScan::Fail(text_, *at, "bad value of discretization");
    if (value > CRuleBaseLimits::kMaxDiscretization) {
        CTextScan::Fail(text_, *at,
                        "discretization exceeds " + std::to_string(CRuleBaseLimits::kMaxDiscretization));
    }
    return static_cast<int>(value);
}

// Linear settings belong to the outputs of Takagi-Sugeno and singleton units only; fuzzy settings to every
// variable of a linguistic unit and to the inputs of the others.
void CVariableBlockReader::CheckKindFits(std::string_view typeName, const Context& context, std::size_t at) const {
    const bool linear = typeName == "linc";
    if (context.type == DescriptionType::linguistic ? linear : (!context.antecedent && !linear)) {
        CTextScan::Fail(text_, at, std::string(kWrongType));
    }
    if (linear && context.antecedent) CTextScan::Fail(text_, at, std::string(kLinearAntecedent));
}

CVariableBlockReader::Settings CVariableBlockReader::MakeSettings(Kind kind, std::pair<double, double> bounds,
                                                                  std::size_t kindAt,
                                                                  const Context& context) const {
    const auto [low, high] = bounds;
    switch (kind) {
        case Kind::linguistic: {
            auto settings = std::make_shared<CLinguisticSettings>(low, high);
            ReadLingParams(*settings);
            return {settings, std::nullopt};
        }
        case Kind::triang:
            return {std::make_shared<CTriangSettings>(low, high), std::nullopt};
        case Kind::linc:
            return {std::make_shared<CLinCSettings>(low, high), std::nullopt};
        case Kind::alias:
            return ResolveAlias(kindAt, context);
        case Kind::unknown:
            break;
    }
    CTextScan::Fail(text_, kindAt, "unknown type of settings ");
}

// "alias(name)": the settings of the variable read before under that name (blanks trimmed). The name runs to
// the last ")" of the line, so that names holding parentheses resolve as well.
CVariableBlockReader::Settings CVariableBlockReader::ResolveAlias(std::size_t kindAt, const Context& context) const {
    const std::size_t end = LineEndFrom(kindAt);
    const std::string_view line = text_.substr(0, end);
    const std::size_t open = line.find('(', kindAt);
    if (open == std::string_view::npos) CTextScan::Fail(text_, kindAt, "missing: (");
    const std::size_t close = line.rfind(')');
    if (close == std::string_view::npos || close < open) CTextScan::Fail(text_, kindAt, "missing: )");
    const std::string_view name = CTextScan::Trim(line.substr(open + 1, close - open - 1));
    const CFuzzyVariable* target = context.findVariable ? context.findVariable(name) : nullptr;
    if (target == nullptr) CTextScan::Fail(text_, kindAt, "alias to nonexistent variable ");
    CheckKindFits(target->Settings().typeName(), context, kindAt);
    return {target->SharedSettings(), target->Discretization()};
}

void CVariableBlockReader::ReadLingParams(CSettings& settings) const {
    const auto at = Find("lingparams=");
    if (!at) return;
    std::array<double, 4> params{};
    auto& linguistic = static_cast<CLinguisticSettings&>(settings);
    if (!ReadNumbers(text_, *at, LineEndFrom(*at), params.data(), 4) || !linguistic.setLingParams(params)) {
        CTextScan::Fail(text_, *at, std::string(kBadParameter));
    }
}

void CVariableBlockReader::ReadUserTerms(CBasicSettings& settings) const {
    for (const UserTermBlock& block : userTerms_) {
        if (!block.closed) CTextScan::Fail(text_, block.marker, "missing: " + std::string(kEndUserTerm));
        ReadUserTerm(block, settings);
    }
}

// "name=" short[, long], "type=" shape, "parameters=" the shape's numbers; the set lives on the context.
void CVariableBlockReader::ReadUserTerm(const UserTermBlock& block, CBasicSettings& settings) const {
    const auto require = [&](std::string_view key) {
        const auto at = FindKeyLine(text_, block.body.begin, block.body.end, key);
        if (!at) {
            CTextScan::Fail(text_, block.marker, "missing: " + std::string(key.substr(0, key.size() - 1)) +
                                                     " in " + std::string(kUserTerm));
        }
        return *at;
    };
    const std::size_t namesAt = require("name=");
    std::vector<std::string> names;
    const std::string_view list = text_.substr(namesAt, CTextScan::LineEnd(text_, namesAt, block.body.end) - namesAt);
    for (std::size_t from = 0; from <= list.size();) {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        names.emplace_back(CTextScan::Trim(list.substr(from, comma - from)));
        from = comma + 1;
    }
    if (names.front().empty()) CTextScan::Fail(text_, namesAt, "missing: name in " + std::string(kUserTerm));
    // The short and the long name are kept; one holding a tab or another control character could not be
    // written back, as names are stored as plain text.
    for (std::size_t i = 0; i < std::min<std::size_t>(names.size(), 2); ++i) {
        if (std::any_of(names[i].begin(), names[i].end(), CTextScan::IsControl)) {
            CTextScan::Fail(text_, namesAt, "a name in " + std::string(kUserTerm) + " holds a control character");
        }
    }

    const std::size_t typeAt = require("type=");
    const std::size_t shapeAt = CTextScan::SkipLineBlanks(text_, typeAt, block.body.end);
    std::string_view shape;
    for (const std::string_view name : kShapeNames) {
        if (StartsWithAt(text_, shapeAt, name)) {
            shape = name;
            break;
        }
    }
    if (shape.empty()) CTextScan::Fail(text_, shapeAt, "unknown type of fuzzy set ");

    const std::size_t paramsAt = require("parameters=");
    std::array<double, 8> params{};
    const int count = paramCountOf(shape);
    if (!ReadNumbers(text_, paramsAt, CTextScan::LineEnd(text_, paramsAt, block.body.end), params.data(), count)) {
        CTextScan::Fail(text_, paramsAt, std::string(kBadParameter));
    }
    settings.addUserTerm(names.front(), names.size() > 1 ? names[1] : std::string(),
                         createParamSet(shape, params.data(), settings.low(), settings.high()));
}

}  // namespace zorv
