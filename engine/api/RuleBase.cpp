#include "zorv/RuleBase.h"

#include <cerrno>
#include <limits>
#include <sstream>
#include <utility>

#include "api/MethodNames.h"
#include "api/RuleBaseEvaluator.h"
#include "api/SyntaxErrors.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "io/AtomicFileWriter.h"
#include "io/EWrite.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/CRuleBaseReader.h"
#include "rulebase/CRuleBaseWriter.h"
#include "rulebase/GridAxis.h"
#include "rulebase/learning/LearningNumberRows.h"
#include "rulebase/learning/RuleLearning.h"
#include "zorv/Error.h"

namespace zorv {

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

int signedIndex(VariableRef ref) {
    const int index = static_cast<int>(ref.index);
    return ref.side == Side::input ? index : ~index;
}

bool fits(const InferenceMethodEntry& method, DescriptionType type) {
    const bool numeric = method.kind == InferenceKind::TakagiSugeno;
    return (type == DescriptionType::linguistic) != numeric;
}

constexpr int kMaxGridValues = 1'000'000;

LearningMode modeOf(LearningMethod method) {
    return method == LearningMethod::approx ? LearningMode::approx : LearningMode::pentatomy;
}

// The system's reason a file could not be read, as well as it can be told afterwards.
int readFailureCode(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return ENOENT;
    if (status.type() == std::filesystem::file_type::directory) return EISDIR;
    return error ? error.value() : EIO;
}

constexpr std::pair<RuleBaseKind, DescriptionType> kKinds[] = {
    {RuleBaseKind::linguistic, DescriptionType::linguistic},
    {RuleBaseKind::takagiSugeno, DescriptionType::takagi_sugeno},
    {RuleBaseKind::singleton, DescriptionType::singleton},
};

}  // namespace

struct RuleBase::Impl {
    Impl(std::unique_ptr<CRuleBase> document, std::vector<std::string> readerWarnings)
        : unit(std::move(document)), warnings(std::move(readerWarnings)), evaluator(*unit) {}

    const CRuleBase& document() const { return *unit; }
    // The variable at ref, or Error.
    const CFuzzyVariable& variable(VariableRef ref) const {
        const int index = signedIndex(ref);
        if (ref.index > static_cast<std::size_t>(std::numeric_limits<int>::max()) || !unit->IsVariable(index)) {
            throw Error("no " + std::string(ref.side == Side::input ? "input" : "output") + " variable " +
                        std::to_string(ref.index));
        }
        return unit->Variable(index);
    }

    std::unique_ptr<CRuleBase> unit;
    std::vector<std::string> warnings;
    RuleBaseEvaluator evaluator;
};

RuleBase::RuleBase(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
RuleBase::RuleBase(RuleBase&&) noexcept = default;
RuleBase& RuleBase::operator=(RuleBase&&) noexcept = default;
RuleBase::~RuleBase() = default;

RuleBase RuleBase::load(const std::filesystem::path& path) {
    std::string text;
    try {
        text = CRuleBaseReader::ReadFile(path.string());
    } catch (const ESyntax& error) {
        throw FileError(path.string() + ": " + error.message(), path, readFailureCode(path));
    }
    return fromText(text, path.string());
}

RuleBase RuleBase::fromText(std::string_view text, std::string name) {
    std::ostringstream diagnostics;
    std::unique_ptr<CRuleBase> unit;
    try {
        unit = CRuleBase::LoadFromText(text, std::move(name), diagnostics);
    } catch (const ESyntax& error) {
        throw SyntaxErrors::ofRuleBase(error, text);
    }
    return RuleBase(std::make_unique<Impl>(std::move(unit), linesOf(diagnostics.str())));
}

RuleBase RuleBase::create(RuleBaseKind kind) {
    DescriptionType type = DescriptionType::linguistic;
    for (const auto& [known, description] : kKinds) {
        if (known == kind) type = description;
    }
    return RuleBase(std::make_unique<Impl>(CRuleBase::Create(type), std::vector<std::string>{}));
}

RuleBase RuleBase::copy() const {
    const auto lock = impl_->evaluator.exclusive();
    return RuleBase(std::make_unique<Impl>(std::make_unique<CRuleBase>(impl_->document()), impl_->warnings));
}

// A rule base the file cannot hold is an Error; only a failed write is a FileError.
void RuleBase::save(const std::filesystem::path& path) const {
    const std::string content = text();
    try {
        AtomicFileWriter::write(path, content);
    } catch (const EWrite& error) {
        throw FileError(error.what(), path, error.code());
    }
}

std::string RuleBase::text() const {
    try {
        return CRuleBaseWriter(impl_->document()).Text();
    } catch (const EWrite& error) {
        throw Error(error.what());
    }
}

const std::vector<std::string>& RuleBase::warnings() const { return impl_->warnings; }
const std::string& RuleBase::name() const { return impl_->document().Name(); }
const std::string& RuleBase::description() const { return impl_->document().Description(); }

RuleBaseKind RuleBase::kind() const {
    for (const auto& [kind, type] : kKinds) {
        if (type == impl_->document().descriptionType()) return kind;
    }
    return RuleBaseKind::linguistic;
}

Variable RuleBase::variable(VariableRef ref) const {
    const CFuzzyVariable& v = impl_->variable(ref);
    Variable result{v.Name(), v.Settings().low(), v.Settings().high(), v.Discretization(),
                    std::string(v.Settings().typeName()), {}};
    if (const auto* fuzzy = dynamic_cast<const CBasicSettings*>(&v.Settings())) {
        for (int i = fuzzy->standardTermCount(); i < static_cast<int>(fuzzy->terms().size()); ++i) {
            result.userTerms.push_back(fuzzy->terms()[static_cast<std::size_t>(i)].shortName);
        }
    }
    return result;
}

std::vector<Variable> RuleBase::inputs() const {
    std::vector<Variable> result;
    for (std::size_t k = 0; k < static_cast<std::size_t>(impl_->document().AntecedentCount()); ++k) {
        result.push_back(variable({Side::input, k}));
    }
    return result;
}

std::vector<Variable> RuleBase::outputs() const {
    std::vector<Variable> result;
    for (std::size_t k = 0; k < static_cast<std::size_t>(impl_->document().SuccedentCount()); ++k) {
        result.push_back(variable({Side::output, k}));
    }
    return result;
}

std::optional<VariableRef> RuleBase::find(std::string_view name) const {
    const int index = impl_->document().FindVariable(name);
    if (index == CRuleBase::kNoVariable) return std::nullopt;
    if (index >= 0) return VariableRef{Side::input, static_cast<std::size_t>(index)};
    return VariableRef{Side::output, static_cast<std::size_t>(~index)};
}

Vocabulary RuleBase::vocabulary(VariableRef ref) const {
    const CFuzzyVariable& v = impl_->variable(ref);
    return Vocabulary(v.SharedSettings(), v.Discretization(), impl_->document().AntecedentCount());
}

std::vector<Rule> RuleBase::rules() const {
    const CRuleBase& unit = impl_->document();
    std::vector<Rule> result;
    for (const RuleRow& row : unit.Rules()) {
        const auto split = row.texts.begin() + unit.AntecedentCount();
        result.push_back(Rule{row.enabled, {row.texts.begin(), split}, {split, row.texts.end()}});
    }
    return result;
}

Method RuleBase::inferenceMethod() const { return MethodNames::of(impl_->document().InferenceMethod()); }

Method RuleBase::defuzzificationMethod() const {
    return MethodNames::of(impl_->document().DefuzzificationMethod());
}

void RuleBase::setInferenceMethod(std::string_view name) {
    const auto& method = MethodNames::find(InferenceMethodTable(), name, "inference");
    const DescriptionType type = impl_->document().descriptionType();
    if (!fits(method, type)) {
        throw Error(std::string(method.displayName) + " does not apply to a " +
                    std::string(DescriptionTypeName(type)) + " rule base");
    }
    const auto lock = impl_->evaluator.exclusive();
    impl_->unit->SetInferenceMethod(method);
}

void RuleBase::setDefuzzificationMethod(std::string_view name) {
    const auto& method = MethodNames::find(DefuzzificationMethodTable(), name, "defuzzification");
    const auto lock = impl_->evaluator.exclusive();
    impl_->unit->SetDefuzzificationMethod(method);
}

std::vector<Method> RuleBase::inferenceMethods() const {
    std::vector<Method> result;
    for (const InferenceMethodEntry& row : InferenceMethodTable()) {
        if (fits(row, impl_->document().descriptionType())) result.push_back(MethodNames::of(row));
    }
    return result;
}

std::vector<Method> RuleBase::defuzzificationMethods() {
    std::vector<Method> result;
    for (const DefuzzificationMethodEntry& row : DefuzzificationMethodTable()) result.push_back(MethodNames::of(row));
    return result;
}

int RuleBase::steps() const { return impl_->document().Steps(); }

void RuleBase::setSteps(int steps) {
    if (steps < kMinSteps || steps > kMaxSteps) {
        throw Error("the steps must lie between " + std::to_string(kMinSteps) + " and " + std::to_string(kMaxSteps));
    }
    const auto lock = impl_->evaluator.exclusive();
    impl_->unit->SetSteps(steps);
}

std::vector<double> RuleBase::gridValues(VariableRef input, int count) const {
    const CSettings& context = impl_->variable(input).Settings();
    if (count < 1 || count > kMaxGridValues) {
        throw Error("the count of values must lie between 1 and " + std::to_string(kMaxGridValues));
    }
    const GridAxis axis{context.low(), context.high(), count};
    std::vector<double> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) values[static_cast<std::size_t>(i)] = axis.Value(i);
    return values;
}

double RuleBase::evaluate(std::span<const double> inputs) const { return impl_->evaluator.evaluate(inputs); }

double RuleBase::evaluate(std::initializer_list<double> inputs) const {
    return evaluate(std::span<const double>(inputs.begin(), inputs.size()));
}

double RuleBase::evaluate(const std::map<std::string, double, std::less<>>& inputs) const {
    const CRuleBase& unit = impl_->document();
    // A misspelt name is named first: it is why the correct one seems missing.
    for (const auto& entry : inputs) {
        bool known = false;
        for (int k = 0; k < unit.AntecedentCount() && !known; ++k) known = unit.VariableName(k) == entry.first;
        if (!known) throw Error("no input variable named " + entry.first);
    }
    std::vector<double> row;
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        const auto found = inputs.find(unit.VariableName(k));
        if (found == inputs.end()) throw Error("no value for input " + unit.VariableName(k));
        row.push_back(found->second);
    }
    return evaluate(row);
}

Evaluation RuleBase::explain(std::span<const double> inputs) const { return impl_->evaluator.explain(inputs); }

void RuleBase::evaluateRows(std::span<const double> rows, std::span<double> out, int threads) const {
    impl_->evaluator.evaluateRows(rows, out, threads);
}

Learning RuleBase::learn(LearningMethod method, std::span<const double> rows,
                         const std::filesystem::path& rulesFile) const {
    const std::vector<LearnedRow> learned = learnRows(method, rows);
    return addLearnedRules(method, learned, rulesFile);
}

// Each call learns on a copy made ready for learning (pentatomy's terms), so that this rule base stays as it
// is and every part sees the same vocabularies.
std::vector<LearnedRow> RuleBase::learnRows(LearningMethod method, std::span<const double> rows) const {
    CRuleBase unit(impl_->document());
    const RuleLearning learning(unit, modeOf(method));
    if (const auto refusal = learning.prepare()) throw Error(*refusal);
    const auto inputs = static_cast<std::size_t>(unit.AntecedentCount());
    const std::size_t width = inputs + static_cast<std::size_t>(unit.SuccedentCount());
    if (rows.size() % width != 0) {
        throw ShapeError(std::to_string(rows.size()) + " value(s) do not make whole rows of " + std::to_string(width) +
                         " (the inputs, then the outputs)");
    }
    const LearningNumberRows data(static_cast<int>(width), std::vector<double>(rows.begin(), rows.end()));
    std::vector<double> values(width);
    std::vector<LearnedRow> learned;
    for (int row = 0; row < data.rowCount(); ++row) {
        auto rule = learning.learnRow(data, row, values);
        if (!rule) continue;
        const auto split = rule->texts.begin() + static_cast<std::ptrdiff_t>(inputs);
        learned.push_back(LearnedRow{static_cast<std::size_t>(row),
                                     Rule{rule->active, {rule->texts.begin(), split}, {split, rule->texts.end()}}});
    }
    return learned;
}

Learning RuleBase::addLearnedRules(LearningMethod method, std::span<const LearnedRow> learned,
                                   const std::filesystem::path& rulesFile) const {
    auto unit = std::make_unique<CRuleBase>(impl_->document());
    const RuleLearning learning(*unit, modeOf(method));
    if (const auto refusal = learning.prepare()) throw Error(*refusal);
    std::vector<RuleLearning::RowRule> rules;
    rules.reserve(learned.size());
    for (const LearnedRow& item : learned) {
        if (item.rule.inputs.size() != static_cast<std::size_t>(unit->AntecedentCount()) ||
            item.rule.outputs.size() != static_cast<std::size_t>(unit->SuccedentCount())) {
            throw ShapeError("the rule of data row " + std::to_string(item.row + 1) +
                             " does not hold one expression per variable");
        }
        LearnedRule rule{item.rule.inputs, item.rule.enabled, 1};
        rule.texts.insert(rule.texts.end(), item.rule.outputs.begin(), item.rule.outputs.end());
        rules.push_back(RuleLearning::RowRule{static_cast<int>(item.row), std::move(rule)});
    }
    const std::vector<RuleRow> grid = unit->Rules();
    LearningOutcome outcome = learning.finish(grid, std::move(rules), rulesFile);
    if (outcome.rulesFileProblem) throw FileError(*outcome.rulesFileProblem, rulesFile, 0);
    return Learning{RuleBase(std::make_unique<Impl>(std::move(unit), std::vector<std::string>{})), outcome.added,
                    std::move(outcome.dropped)};
}

}  // namespace zorv
