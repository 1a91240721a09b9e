#include "rulebase/CRuleBase.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FTInferenceFilter.h"
#include "rulebase/CFuzValue.h"
#include "rulebase/CLinCValue.h"
#include "rulebase/CRuleBaseReader.h"
#include "rulebase/CRuleBaseWriter.h"
#include "rulebase/SettingsCopy.h"

namespace zorv {

namespace {

constexpr int kNewUnitDiscretization = 301;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

}  // namespace

std::size_t CRuleBase::CellKeyHash::operator()(const CellKey& key) const {
    const std::size_t h = std::hash<std::string>{}(key.text);
    return h ^ (std::hash<const void*>{}(key.settings) * 31u) ^ (static_cast<std::size_t>(key.discretization) << 7);
}

CRuleBase::CRuleBase(DescriptionType type)
    : descriptionType_(type),
      inferenceMethod_(type == DescriptionType::linguistic ? &LogicalDeductionMethod() : &TakagiSugenoMethod()),
      defuzzificationMethod_(&SimpleDeeMethod()),
      rules_(std::make_shared<const CompiledRules>(*this)) {
    Rechoose();
}

CRuleBase::~CRuleBase() = default;
CRuleBase::CRuleBase(CRuleBase&&) noexcept = default;
CRuleBase& CRuleBase::operator=(CRuleBase&&) noexcept = default;

// Variables sharing a vocabulary in the original share its copy; the compiled cells are immutable and shared.
CRuleBase::CRuleBase(const CRuleBase& other)
    : filter_(other.filter_),
      useFuzzyFilter_(other.useFuzzyFilter_),
      description_(other.description_),
      name_(other.name_),
      descriptionType_(other.descriptionType_),
      perceptionUpper_(other.perceptionUpper_),
      perceptionLower_(other.perceptionLower_),
      inferenceMethod_(other.inferenceMethod_),
      defuzzificationMethod_(other.defuzzificationMethod_),
      steps_(other.steps_),
      specificity_(other.specificity_),
      enabled_(other.enabled_),
      comments_(other.comments_),
      trailingComment_(other.trailingComment_),
      rules_(other.rules_),
      compiled_(other.compiled_) {
    std::unordered_map<const CSettings*, std::shared_ptr<CSettings>> copies;
    const auto copyOf = [&copies](const CFuzzyVariable& variable) {
        auto copy = std::make_unique<CFuzzyVariable>(variable);
        std::shared_ptr<CSettings>& settings = copies[variable.settings_.get()];
        if (settings == nullptr) settings = CopySettings(*variable.settings_);
        copy->settings_ = settings;
        return copy;
    };
    for (const auto& variable : other.antecedents_) antecedents_.push_back(copyOf(*variable));
    for (const auto& variable : other.succedents_) succedents_.push_back(copyOf(*variable));
    for (const auto& cell : other.pool_) pool_.push_back(cell != nullptr ? cell->Clone() : nullptr);
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        if (pool_[i] != nullptr) poolLookup_.emplace(KeyOf(*pool_[i]), static_cast<int>(i));
    }
}

CRuleBase& CRuleBase::operator=(const CRuleBase& other) {
    if (this != &other) *this = CRuleBase(other);
    return *this;
}

std::unique_ptr<CRuleBase> CRuleBase::Create(DescriptionType type) {
    auto unit = std::make_unique<CRuleBase>(type);
    unit->SetDescription("Enter your description of the rulebase here.");
    unit->AddAntecedent(
        CFuzzyVariable("X", std::make_shared<CLinguisticSettings>(0.0, 1.0), kNewUnitDiscretization), kNoVariable);
    const bool linguistic = type == DescriptionType::linguistic;
    std::shared_ptr<CSettings> output;
    if (linguistic) {
        output = std::make_shared<CLinguisticSettings>(0.0, 1.0);
    } else {
        output = std::make_shared<CLinCSettings>(0.0, 1.0);
    }
    unit->AddSuccedent(CFuzzyVariable("Y", std::move(output), kNewUnitDiscretization), kNoVariable);
    const RuleRow rule{true, {"ze", linguistic ? "ze" : "0.5"}};
    unit->SetRules(std::span<const RuleRow>(&rule, 1));
    return unit;
}

std::unique_ptr<CRuleBase> CRuleBase::Load(const std::string& path, std::ostream& diagnostics) {
    const std::string text = CRuleBaseReader::ReadFile(path);
    return CRuleBaseReader(text, diagnostics).Read(path);
}

std::unique_ptr<CRuleBase> CRuleBase::Load(const std::string& path) {
    std::ostringstream ignored;
    return Load(path, ignored);
}

std::unique_ptr<CRuleBase> CRuleBase::LoadFromText(std::string_view text, std::string name,
                                                   std::ostream& diagnostics) {
    return CRuleBaseReader(text, diagnostics).Read(std::move(name));
}

std::unique_ptr<CRuleBase> CRuleBase::LoadFromText(std::string_view text, std::string name) {
    std::ostringstream ignored;
    return LoadFromText(text, std::move(name), ignored);
}

void CRuleBase::Save(std::ostream& out) const { CRuleBaseWriter(*this).Write(out); }

void CRuleBase::SaveToFile(const std::string& path) const { CRuleBaseWriter(*this).WriteFile(path); }

// --- variables --------------------------------------------------------------------------------------------

bool CRuleBase::IsVariable(int signedIndex) const {
    if (signedIndex >= 0) return signedIndex < AntecedentCount();
    return signedIndex != kNoVariable && ~signedIndex < SuccedentCount();
}

const CFuzzyVariable& CRuleBase::Variable(int signedIndex) const {
    if (!IsVariable(signedIndex)) throw std::out_of_range("no variable with index " + std::to_string(signedIndex));
    return signedIndex >= 0 ? *antecedents_[At(signedIndex)] : *succedents_[At(~signedIndex)];
}

CFuzzyVariable& CRuleBase::Variable(int signedIndex) {
    return const_cast<CFuzzyVariable&>(std::as_const(*this).Variable(signedIndex));
}

double CRuleBase::ContextLow(int signedIndex) const { return Settings(signedIndex).low(); }

double CRuleBase::ContextHigh(int signedIndex) const { return Settings(signedIndex).high(); }

std::vector<std::unique_ptr<CFuzzyVariable>>& CRuleBase::ListOf(int signedIndex) {
    return signedIndex >= 0 ? antecedents_ : succedents_;
}

// Succedents from the last to the first, then antecedents from the first to the last.
int CRuleBase::FindVariable(std::string_view name) const {
    for (int k = SuccedentCount(); k-- > 0;) {
        if (succedents_[At(k)]->Name() == name) return ~k;
    }
    for (int k = 0; k < AntecedentCount(); ++k) {
        if (antecedents_[At(k)]->Name() == name) return k;
    }
    return kNoVariable;
}

int CRuleBase::AliasOwner(int signedIndex) const {
    const CSettings* settings = Variable(signedIndex).SharedSettings().get();
    for (int k = SuccedentCount(); k-- > 0;) {
        if (~k == signedIndex) return kNoVariable;
        if (succedents_[At(k)]->SharedSettings().get() == settings) return ~k;
    }
    for (int k = 0; k < signedIndex; ++k) {
        if (antecedents_[At(k)]->SharedSettings().get() == settings) return k;
    }
    return kNoVariable;
}

void CRuleBase::AddAntecedent(CFuzzyVariable variable, int templateIndex) {
    if (variable.Settings().isLinear() != 0) {
        throw std::invalid_argument("a variable with linear settings cannot be an antecedent");
    }
    AppendVariable(std::move(variable), templateIndex, true);
}

void CRuleBase::AddSuccedent(CFuzzyVariable variable, int templateIndex) {
    AppendVariable(std::move(variable), templateIndex, false);
}

void CRuleBase::AppendVariable(CFuzzyVariable variable, int templateIndex, bool antecedent) {
    const int rules = RuleCount();
    if (rules > 0 && !IsVariable(templateIndex)) {
        throw std::invalid_argument("a template variable is required to give the new variable its expressions");
    }
    std::vector<std::string> texts;
    texts.reserve(At(rules));
    for (int r = 0; r < rules; ++r) texts.push_back(Text(templateIndex, r));

    auto& list = antecedent ? antecedents_ : succedents_;
    const int index = antecedent ? AntecedentCount() : ~SuccedentCount();
    variable.cellIndex_.clear();
    list.push_back(std::make_unique<CFuzzyVariable>(std::move(variable)));
    auto& cells = list.back()->cellIndex_;
    for (const std::string& text : texts) cells.push_back(Intern(text, index));
    Compile();
}

void CRuleBase::DeleteVariable(int signedIndex) {
    CFuzzyVariable& variable = Variable(signedIndex);
    for (const int cell : variable.cellIndex_) ReleaseCell(cell);
    variable.cellIndex_.clear();
    auto& list = ListOf(signedIndex);
    list.erase(list.begin() + (signedIndex >= 0 ? signedIndex : ~signedIndex));
    RenumberOwnersAfterDelete(signedIndex);
    if (signedIndex >= 0 && antecedents_.empty()) ClearRules();
    Compile();
}

// Cells of later variables of the deleted kind follow their owner down one index; cells that the deleted
// variable owned but aliases still use pass to the first remaining variable that holds them.
void CRuleBase::RenumberOwnersAfterDelete(int deleted) {
    std::vector<int> orphans;
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        CValue* cell = pool_[i].get();
        if (cell == nullptr) continue;
        const int owner = cell->OwnerIndex();
        if (owner == deleted) {
            orphans.push_back(static_cast<int>(i));
        } else if (deleted >= 0 && owner > deleted) {
            cell->SetOwnerIndex(owner - 1);
        } else if (deleted < 0 && owner < deleted) {
            cell->SetOwnerIndex(owner + 1);
        }
    }
    for (const int orphan : orphans) {
        for (int i = -SuccedentCount(); i < AntecedentCount(); ++i) {
            const auto& cells = Variable(i).cellIndex_;
            if (std::find(cells.begin(), cells.end(), orphan) != cells.end()) {
                pool_[At(orphan)]->SetOwnerIndex(i);
                break;
            }
        }
    }
}

// --- rules ------------------------------------------------------------------------------------------------

int CRuleBase::RuleCount() const {
    return antecedents_.empty() ? 0 : static_cast<int>(antecedents_.front()->cellIndex_.size());
}

const std::string& CRuleBase::Text(int signedIndex, int rule) const { return Cell(signedIndex, rule).Text(); }

const std::string& CRuleBase::AntecedentText(int k, int rule) const { return Text(k, rule); }

const std::string& CRuleBase::SuccedentText(int k, int rule) const { return Text(~k, rule); }

const CValue& CRuleBase::Cell(int signedIndex, int rule) const {
    return *pool_[At(Variable(signedIndex).cellIndex_.at(At(rule)))];
}

void CRuleBase::SetEnabled(int rule, bool enabled) {
    enabled_.at(At(rule)) = enabled ? 1 : 0;
    Rechoose();
}

void CRuleBase::SetRules(std::span<const RuleRow> rows) {
    const std::size_t width = antecedents_.size() + succedents_.size();
    for (const RuleRow& row : rows) {
        if (row.texts.size() != width) {
            throw std::invalid_argument("a rule needs " + std::to_string(width) + " expressions, not " +
                                        std::to_string(row.texts.size()));
        }
    }
    ClearRules();
    if (!antecedents_.empty()) {
        for (const RuleRow& row : rows) {
            enabled_.push_back(row.enabled ? 1 : 0);
            comments_.push_back(row.comment);
        }
        // Variable by variable, so that each variable's cells follow each other in the pool.
        for (std::size_t v = 0; v < width; ++v) {
            const int index = v < antecedents_.size() ? static_cast<int>(v) : ~static_cast<int>(v - antecedents_.size());
            auto& cells = Variable(index).cellIndex_;
            for (const RuleRow& row : rows) cells.push_back(Intern(row.texts[v], index));
        }
    }
    specificity_.assign(enabled_.size(), 0);
    Compile();
}

void CRuleBase::SetRules(const std::vector<std::vector<std::string>>& rows) {
    std::vector<RuleRow> converted;
    converted.reserve(rows.size());
    for (const auto& row : rows) {
        if (row.empty()) throw std::invalid_argument("a rule row needs its enabled flag");
        converted.push_back(RuleRow{row.front() == "1", std::vector<std::string>(row.begin() + 1, row.end())});
    }
    SetRules(converted);
}

std::vector<RuleRow> CRuleBase::Rules() const {
    std::vector<RuleRow> rows(At(RuleCount()));
    for (int r = 0; r < RuleCount(); ++r) {
        RuleRow& row = rows[At(r)];
        row.enabled = Enabled(r);
        row.comment = Comment(r);
        for (int k = 0; k < AntecedentCount(); ++k) row.texts.push_back(Text(k, r));
        for (int k = 0; k < SuccedentCount(); ++k) row.texts.push_back(Text(~k, r));
    }
    return rows;
}

void CRuleBase::ClearRules() {
    pool_.clear();
    poolLookup_.clear();
    for (auto& variable : antecedents_) variable->cellIndex_.clear();
    for (auto& variable : succedents_) variable->cellIndex_.clear();
    enabled_.clear();
    comments_.clear();
    specificity_.clear();
}

// Interns one text per antecedent, then one per succedent (texts in that order).
void CRuleBase::AppendRule(bool enabled, std::span<const std::string_view> texts, std::string comment) {
    enabled_.push_back(enabled ? 1 : 0);
    comments_.push_back(std::move(comment));
    for (int k = 0; k < AntecedentCount(); ++k) {
        antecedents_[At(k)]->cellIndex_.push_back(Intern(texts[At(k)], k));
    }
    for (int k = 0; k < SuccedentCount(); ++k) {
        succedents_[At(k)]->cellIndex_.push_back(Intern(texts[antecedents_.size() + At(k)], ~k));
    }
}

void CRuleBase::AppendLoadedVariable(CFuzzyVariable variable, bool antecedent) {
    variable.cellIndex_.clear();
    (antecedent ? antecedents_ : succedents_).push_back(std::make_unique<CFuzzyVariable>(std::move(variable)));
}

// A unit without antecedents has no rules: expressions read for its succedents alone are dropped.
std::optional<CRuleBase::CellFailure> CRuleBase::FinishLoad() {
    if (antecedents_.empty()) ClearRules();
    return CompileCells();
}

// --- cell pool --------------------------------------------------------------------------------------------

CRuleBase::CellKey CRuleBase::KeyOf(const CValue& cell) const {
    const CFuzzyVariable& owner = Variable(cell.OwnerIndex());
    return CellKey{cell.Text(), owner.SharedSettings().get(), owner.Discretization()};
}

// The cell of equal text made for a variable with the same settings and discretization, or a new one at the
// end of the pool; its reference count goes up by one.
int CRuleBase::Intern(std::string_view text, int signedIndex) {
    const CFuzzyVariable& variable = Variable(signedIndex);
    CellKey key{std::string(text), variable.SharedSettings().get(), variable.Discretization()};
    const auto found = poolLookup_.find(key);
    int position = 0;
    if (found != poolLookup_.end()) {
        position = found->second;
    } else {
        std::unique_ptr<CValue> cell;
        if (signedIndex < 0 && variable.Settings().isLinear() != 0) {
            cell = std::make_unique<CLinCValue>(key.text, signedIndex, AntecedentCount());
        } else {
            cell = std::make_unique<CFuzValue>(key.text, signedIndex);
        }
        position = PoolSize();
        pool_.push_back(std::move(cell));
        poolLookup_.emplace(std::move(key), position);
    }
    pool_[At(position)]->AddRef();
    return position;
}

void CRuleBase::ReleaseCell(int poolIndex) {
    CValue& cell = *pool_[At(poolIndex)];
    if (cell.Release() > 0) return;
    poolLookup_.erase(KeyOf(cell));
    pool_[At(poolIndex)].reset();
}

// --- compilation ------------------------------------------------------------------------------------------

void CRuleBase::Compile() {
    if (auto failure = CompileCells()) throw std::move(failure->error);
}

std::optional<CRuleBase::CellFailure> CRuleBase::CompileCells() {
    std::optional<CellFailure> first;
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        if (pool_[i] == nullptr) continue;
        try {
            pool_[i]->Compile(*this);
        } catch (const ESyntax& error) {
            if (!first) first = CellFailure{static_cast<int>(i), error};
        }
    }
    ComputeSpecificity();
    rules_ = std::make_shared<const CompiledRules>(*this);
    Rechoose();
    return first;
}

void CRuleBase::Rechoose() {
    compiled_ = CompiledRuleBase::Of(*this, rules_);
}

// The sum of the ranks of the rule's linguistic antecedent expressions; 0 when one of them ranks 0.
void CRuleBase::ComputeSpecificity() {
    specificity_.assign(At(RuleCount()), 0);
    for (int r = 0; r < RuleCount(); ++r) {
        int sum = 0;
        bool zero = false;
        for (const auto& variable : antecedents_) {
            const std::optional<int> rank = pool_[At(variable->cellIndex_[At(r)])]->SpecificityRank();
            if (!rank) continue;
            zero = zero || *rank == 0;
            sum += *rank;
        }
        specificity_[At(r)] = zero ? 0 : static_cast<std::uint16_t>(sum);
    }
}

}  // namespace zorv
