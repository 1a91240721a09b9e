#include "rulebase/CRuleBaseReader.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <span>
#include <unordered_map>

#include "fuzzy/expression/ESyntax.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "io/TextInput.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/CRuleBaseLimits.h"
#include "rulebase/CRuleLinesReader.h"
#include "rulebase/CTextScan.h"
#include "rulebase/CVariableBlockReader.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

// The row whose file key or short name begins value: a stored line may carry more after the name. When
// several do, the longest such key or name wins (the first row among equally long ones). Null when none does.
template <class Entry>
const Entry* MethodBeginning(std::span<const Entry> rows, std::string_view value) {
    const Entry* found = nullptr;
    std::size_t foundLength = 0;
    const auto consider = [&](const Entry& row, std::string_view key) {
        if (key.empty() || !value.starts_with(key) || key.size() <= foundLength) return;
        found = &row;
        foundLength = key.size();
    };
    for (const Entry& row : rows) {
        consider(row, row.fileKey);
        consider(row, row.shortName);
    }
    return found;
}

// Alias targets by name as the unit's FindVariable sees them among the variables read so far: the latest
// succedent of that name, else the first antecedent.
class CNameIndex {
public:
    void Add(const std::string& name, int signedIndex) {
        if (signedIndex < 0) {
            succedents_[name] = signedIndex;
        } else {
            antecedents_.emplace(name, signedIndex);
        }
    }
    std::optional<int> Find(std::string_view name) const {
        const std::string key(name);
        if (const auto s = succedents_.find(key); s != succedents_.end()) return s->second;
        if (const auto a = antecedents_.find(key); a != antecedents_.end()) return a->second;
        return std::nullopt;
    }

private:
    std::unordered_map<std::string, int> succedents_;
    std::unordered_map<std::string, int> antecedents_;
};

[[noreturn]] void FailFile(const std::string& path, const char* message) {
    throw ESyntax(message, path, 0);
}

}  // namespace

CRuleBaseReader::CRuleBaseReader(std::string_view text, std::ostream& diagnostics)
    : normalised_(TextInput::Normalised(text)), text_(normalised_), diagnostics_(diagnostics), layout_(text_) {}

std::string CRuleBaseReader::ReadFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) FailFile(path, "cannot read file by open");
    std::ifstream in(path, std::ios::binary);
    if (!in) FailFile(path, "cannot read file by open");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0) FailFile(path, "cannot read file by seek 1");
    if (static_cast<std::uint64_t>(size) > CRuleBaseLimits::kMaxFileSize) FailFile(path, "file too large");
    in.seekg(0, std::ios::beg);
    if (!in) FailFile(path, "cannot read file by seek 2");
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), size);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

std::unique_ptr<CRuleBase> CRuleBaseReader::Read(std::string name) const {
    if (text_.size() > CRuleBaseLimits::kMaxFileSize) CTextScan::Fail(text_, 0, "file too large");
    if (text_.find("END_RULES") == std::string_view::npos) CTextScan::Fail(text_, 0, "bad file type");
    auto unit = std::make_unique<CRuleBase>(ReadType());
    unit->SetName(std::move(name));
    ReadDescription(*unit);
    ReadVariables(*unit);
    ReadMethods(*unit);
    const auto filter = layout_.HeaderValue("UseFuzzyFilter=");
    const bool useFilter = filter && LineValue(*filter).starts_with("true");
    CheckVariableCounts(*unit);
    std::vector<std::size_t> cellAt;
    ReadRules(*unit, cellAt);
    if (const auto failure = unit->FinishLoad()) FailInRule(cellAt[static_cast<std::size_t>(failure->cell)], failure->error);
    // Loading never builds the filter (that waits for the first filtered evaluation). A filter that could not
    // be built does not spoil a valid file: the switch stays on as stored, and the refusal is reported here
    // and again when the filter is used.
    if (const auto refusal = unit->SetUseFuzzyFilter(useFilter)) {
        diagnostics_ << "warning: UseFuzzyFilter=true, but the filter cannot be built: " << *refusal << std::endl;
    }
    return unit;
}

std::size_t CRuleBaseReader::Require(std::string_view key) const {
    const auto at = layout_.HeaderValue(key);
    if (!at) CTextScan::Fail(text_, 0, "missing: " + std::string(key.substr(0, key.size() - 1)));
    return *at;
}

std::size_t CRuleBaseReader::LineEnd(std::size_t pos) const { return CTextScan::LineEnd(text_, pos, text_.size()); }

std::string_view CRuleBaseReader::LineValue(std::size_t pos) const {
    const std::size_t end = LineEnd(pos);
    const std::size_t begin = CTextScan::SkipLineBlanks(text_, pos, end);
    return text_.substr(begin, end - begin);
}

DescriptionType CRuleBaseReader::ReadType() const {
    const auto at = layout_.HeaderValue("TypeOfDescription=");
    if (!at) return DescriptionType::linguistic;
    const auto type = DescriptionTypeFromText(LineValue(*at));
    if (!type) CTextScan::Fail(text_, *at, "unknown type of description ");
    return *type;
}

void CRuleBaseReader::ReadDescription(CRuleBase& unit) const {
    if (const auto& comment = layout_.Comment()) {
        unit.SetDescription(std::string(text_.substr(comment->begin, comment->end - comment->begin)));
    }
}

// Antecedent blocks, then succedent blocks, each numbered from 1 in file order.
void CRuleBaseReader::ReadVariables(CRuleBase& unit) const {
    const std::size_t blocks = layout_.AntecedentBlocks().size() + layout_.SuccedentBlocks().size();
    if (blocks > static_cast<std::size_t>(CRuleBaseLimits::kMaxVariables)) {
        CTextScan::Fail(text_, 0, "too many variables (more than " +
                                      std::to_string(CRuleBaseLimits::kMaxVariables) + ")");
    }
    CNameIndex names;
    std::optional<int> previousGrid;
    const auto readKind = [&](bool antecedent) {
        const auto& list = antecedent ? layout_.AntecedentBlocks() : layout_.SuccedentBlocks();
        for (std::size_t c = 0; c < list.size(); ++c) {
            const CRuleBaseLayout::Block& block = list[c];
            const long long expected = static_cast<long long>(c) + 1;
            if (block.number != expected) CTextScan::Fail(text_, block.marker, "variables out of order");
            if (!block.closed) {
                CTextScan::Fail(text_, block.marker, antecedent ? "missing: End_AntVariable" : "missing: End_SucVariable");
            }
            if (block.closeNumber != expected) CTextScan::Fail(text_, block.marker, "Variable dont match End_Variable");
            CVariableBlockReader::Context context;
            context.type = unit.descriptionType();
            context.antecedent = antecedent;
            context.previousDiscretization = previousGrid;
            context.findVariable = [&](std::string_view name) -> const CFuzzyVariable* {
                const auto index = names.Find(name);
                return index ? &unit.Variable(*index) : nullptr;
            };
            CFuzzyVariable variable = CVariableBlockReader(text_, block.bodyBegin, block.bodyEnd).Read(context);
            previousGrid = variable.Discretization();
            names.Add(variable.Name(), antecedent ? unit.AntecedentCount() : ~unit.SuccedentCount());
            unit.AppendLoadedVariable(std::move(variable), antecedent);
        }
    };
    readKind(true);
    readKind(false);
}

void CRuleBaseReader::ReadMethods(CRuleBase& unit) const {
    const std::size_t inference = Require("InfMethod=");
    const InferenceMethodEntry* method = MethodBeginning(InferenceMethodTable(), LineValue(inference));
    if (method == nullptr) CTextScan::Fail(text_, inference, "unknown type of inference method ");
    unit.SetInferenceMethod(*method);
    const std::size_t defuzzification = Require("DefuzzMethod=");
    const DefuzzificationMethodEntry* defuzzifier = MethodBeginning(DefuzzificationMethodTable(), LineValue(defuzzification));
    if (defuzzifier == nullptr) CTextScan::Fail(text_, defuzzification, "unknown type of defuzzification method ");
    unit.SetDefuzzificationMethod(*defuzzifier);
}

void CRuleBaseReader::CheckVariableCounts(const CRuleBase& unit) const {
    const auto check = [&](std::string_view key, int count) {
        const std::size_t at = Require(key);
        if (NumberText::scanInteger(text_.substr(at, LineEnd(at) - at)) != count) {
            CTextScan::Fail(text_, at, "bad value of " + std::string(key.substr(0, key.size() - 1)));
        }
    };
    check("NumberOfAntecedentVariables=", unit.AntecedentCount());
    check("NumberOfSuccedentVariables=", unit.SuccedentCount());
}

// Rules are counted as they are read; a declared count that differs is reported and replaced by it.
// NumberOfRules=0 stands for a unit without rules (an empty rules section).
void CRuleBaseReader::ReadRules(CRuleBase& unit, std::vector<std::size_t>& cellAt) const {
    const std::size_t countAt = Require("NumberOfRules=");
    const long long declared = NumberText::scanInteger(text_.substr(countAt, LineEnd(countAt) - countAt));
    if (declared < 0) CTextScan::Fail(text_, countAt, "bad value of NumberOfRules");
    const auto& section = layout_.Rules();
    if (!section) CTextScan::Fail(text_, 0, "missing: RULES");
    const CRuleLinesReader lines(text_, section->begin, section->end);
    if (declared == 0 && !lines.Empty()) CTextScan::Fail(text_, countAt, "bad value of NumberOfRules");
    std::uint64_t work = 0;
    int compiledCells = 0;
    std::string trailing;
    const long long read = lines.Read(
        declared, unit.AntecedentCount(), unit.SuccedentCount(),
        [&](bool enabled, std::span<const std::string_view> texts, std::string comment) {
            unit.AppendRule(enabled, texts, std::move(comment));
            for (; compiledCells < unit.PoolSize(); ++compiledCells) {
                const CValue& cell = *unit.PoolCell(compiledCells);
                work += CRuleBaseLimits::CompileWork(unit, cell);
                const int owner = cell.OwnerIndex();
                const std::string_view text = texts[static_cast<std::size_t>(owner >= 0 ? owner : unit.AntecedentCount() + ~owner)];
                cellAt.push_back(static_cast<std::size_t>(text.data() - text_.data()));
            }
            if (work > CRuleBaseLimits::kMaxCompileWork) CTextScan::Fail(text_, section->begin, "rule base too large");
        },
        &trailing);
    unit.SetTrailingComment(std::move(trailing));
    if (read != declared) {
        diagnostics_ << "warning: bad value of NumberOfRules=" << declared << ", new value NumberOfRules=" << read
                     << std::endl;
    }
}

void CRuleBaseReader::FailInRule(std::size_t at, const ESyntax& error) const {
    const std::size_t end = text_.find('"', at);
    const std::string_view expression = text_.substr(at, end == std::string_view::npos ? end : end - at);
    const bool inExpression = error.text() == expression && error.position() >= 0;
    throw ESyntax(error.message(), std::string(text_.substr(at)), inExpression ? error.position() : 0);
}

}  // namespace zorv
