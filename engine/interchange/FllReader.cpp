#include "interchange/FllReader.h"

#include <string>

#include "interchange/RuleTextParser.h"
#include "interchange/ShapeComment.h"
#include "interchange/TextLines.h"

namespace zorv {

namespace {

enum class Section { None, Engine, Input, Output, RuleBlock };

struct Entry {
    std::string key;
    std::string value;
};

std::optional<Entry> EntryOf(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    return Entry{std::string(TextLines::Trim(line.substr(0, colon))), std::string(TextLines::Trim(line.substr(colon + 1)))};
}

ForeignOperator OperatorOf(const std::string& value, int line) {
    const std::vector<std::string> words = TextLines::Words(value);
    if (words.empty() || words[0] == "none") return {};
    return {words[0], line, words.size() > 1 ? words[1] : std::string()};
}

class Reader {
public:
    explicit Reader(ProblemList& problems) : problems_(problems) {}

    ForeignSystem read(std::string_view text) {
        std::vector<std::pair<std::string, int>> ruleLines;
        for (const TextLines::Line& line : TextLines::Split(text)) {
            std::string_view content = TextLines::Trim(line.text);
            if (const auto shape = ShapeComment::Parse(content, "#")) {
                pendingShape_ = *shape;
                continue;
            }
            const std::size_t hash = content.find('#');
            if (hash != std::string_view::npos) content = TextLines::Trim(content.substr(0, hash));
            if (content.empty()) continue;
            const auto entry = EntryOf(content);
            if (!entry) {
                problems_.add(line.number, "\"key: value\" expected");
                continue;
            }
            if (entry->key == "rule") {
                if (section_ != Section::RuleBlock) problems_.add(line.number, "a rule outside a RuleBlock");
                ruleLines.emplace_back(entry->value, line.number);
                continue;
            }
            apply(*entry, line.number);
        }
        const RuleTextParser parser(system_.inputs, system_.outputs);
        for (const auto& [ruleText, number] : ruleLines)
            if (auto rule = parser.parse(ruleText, number, problems_)) system_.rules.push_back(std::move(*rule));
        system_.type = SugenoDefuzzifier() ? ForeignSystem::Type::Sugeno : ForeignSystem::Type::Mamdani;
        return std::move(system_);
    }

private:
    bool SugenoDefuzzifier() const {
        for (const ForeignVariable& v : system_.outputs)
            if (v.defuzzifier.name == "WeightedAverage" || v.defuzzifier.name == "WeightedSum") return true;
        return false;
    }

    void apply(const Entry& e, int line) {
        if (e.key == "Engine") {
            section_ = Section::Engine;
            system_.name = e.value;
        } else if (e.key == "InputVariable" || e.key == "OutputVariable") {
            section_ = e.key == "InputVariable" ? Section::Input : Section::Output;
            auto& list = section_ == Section::Input ? system_.inputs : system_.outputs;
            list.push_back({});
            list.back().name = e.value;
            list.back().line = line;
        } else if (e.key == "RuleBlock") {
            if (++ruleBlocks_ > 1) problems_.add(line, "a second RuleBlock: only one rule block can be imported");
            section_ = Section::RuleBlock;
        } else if (e.key == "description") {
            system_.description = e.value;
        } else if (section_ == Section::Input || section_ == Section::Output) {
            applyVariable(e, line);
        } else if (section_ == Section::RuleBlock) {
            applyRuleBlock(e, line);
        }
    }

    ForeignVariable& variable() {
        return section_ == Section::Input ? system_.inputs.back() : system_.outputs.back();
    }

    void applyVariable(const Entry& e, int line) {
        ForeignVariable& v = variable();
        if (e.key == "range") {
            const auto bounds = TextLines::Numbers(e.value);
            if (!bounds || bounds->size() != 2) {
                problems_.add(line, "range: two numbers expected");
                return;
            }
            v.ranged = true;
            v.low = (*bounds)[0];
            v.high = (*bounds)[1];
        } else if (e.key == "term") {
            applyTerm(v, e.value, line);
        } else if (e.key == "enabled" && e.value != "true") {
            problems_.add(line, "variable \"" + v.name + "\" is disabled");
        } else if (section_ == Section::Output && (e.key == "aggregation" || e.key == "accumulation")) {
            v.aggregation = OperatorOf(e.value, line);
        } else if (section_ == Section::Output && e.key == "defuzzifier") {
            v.defuzzifier = OperatorOf(e.value, line);
        } else if (section_ == Section::Output && e.key == "default") {
            v.defaultValue = TextLines::Number(e.value);
        } else if (e.key == "lock-range" || (section_ == Section::Output && e.key == "lock-previous")) {
            (e.key == "lock-range" ? v.lockRange : v.lockPrevious) = {e.value == "true", line};
        }
    }

    void applyTerm(ForeignVariable& v, const std::string& value, int line) {
        std::vector<std::string> words = TextLines::Words(value);
        if (words.size() < 2) {
            problems_.add(line, "term: a name and a shape expected");
            return;
        }
        ForeignTerm term{words[0], words[1], {}, line, {}, {}};
        std::string parameters;
        for (std::size_t i = 2; i < words.size(); ++i) parameters += words[i] + " ";
        // Parameters that are not numbers (a Function's formula) leave the list empty: the shape is refused later.
        term.params = TextLines::Numbers(parameters).value_or(std::vector<double>{});
        if (pendingShape_) {
            term.originShape = pendingShape_->shape;
            term.originParams = pendingShape_->params;
            pendingShape_.reset();
        }
        v.terms.push_back(std::move(term));
    }

    void applyRuleBlock(const Entry& e, int line) {
        if (e.key == "conjunction") system_.conjunction = OperatorOf(e.value, line);
        if (e.key == "disjunction") system_.disjunction = OperatorOf(e.value, line);
        if (e.key == "implication") system_.implication = OperatorOf(e.value, line);
        if (e.key == "activation") system_.activation = OperatorOf(e.value, line);
        if (e.key == "enabled" && e.value != "true") problems_.add(line, "the rule block is disabled");
    }

    ProblemList& problems_;
    ForeignSystem system_;
    Section section_ = Section::None;
    int ruleBlocks_ = 0;
    std::optional<ShapeComment::Shape> pendingShape_;
};

}  // namespace

ForeignSystem FllReader::Read(std::string_view text, ProblemList& problems) { return Reader(problems).read(text); }

}  // namespace zorv
