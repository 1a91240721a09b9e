// Import of the three formats onto rule base documents, refusals and replacements, round trips and export
// refusals.

#include <random>

#include <gtest/gtest.h>

#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignExport.h"
#include "interchange/ForeignImport.h"
#include "interchange/ForeignNames.h"
#include "interchange/ProblemList.h"
#include "io/TextInput.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/RuleBaseTextBuilder.h"
#include "text/NumberText.h"

namespace zorv {
namespace {

// One Mamdani system (implication product, an "or" rule, a negation, a rule leaving an input out) in each format.
constexpr const char* kFll = R"(Engine: climate
InputVariable: temp
  range: 0 40
  term: cold Trapezoid 0 0 10 20
  term: warm Triangle 10 20 30
  term: hot Trapezoid 20 30 40 40
InputVariable: hum
  range: 0 100
  term: dry Triangle 0 0 50
  term: wet Triangle 50 100 100
OutputVariable: fan
  range: 0 10
  aggregation: Maximum
  defuzzifier: Centroid 200
  default: nan
  term: low Triangle 0 0 5
  term: high Triangle 5 10 10
RuleBlock: rules
  conjunction: Minimum
  disjunction: Maximum
  implication: AlgebraicProduct
  activation: General
  rule: if temp is hot or hum is wet then fan is high
  rule: if temp is cold and hum is not wet then fan is low
  rule: if temp is warm then fan is low
)";

constexpr const char* kFis = R"([System]
Name='climate'
Type='mamdani'
NumInputs=2
NumOutputs=1
NumRules=4
AndMethod='min'
OrMethod='max'
ImpMethod='prod'
AggMethod='max'
DefuzzMethod='centroid'

[Input1]
Name='temp'
Range=[0 40]
NumMFs=3
MF1='cold':'trapmf',[0 0 10 20]
MF2='warm':'trimf',[10 20 30]
MF3='hot':'trapmf',[20 30 40 40]

[Input2]
Name='hum'
Range=[0 100]
NumMFs=2
MF1='dry':'trimf',[0 0 50]
MF2='wet':'trimf',[50 100 100]

[Output1]
Name='fan'
Range=[0 10]
NumMFs=2
MF1='low':'trimf',[0 0 5]
MF2='high':'trimf',[5 10 10]

[Rules]
3 2, 2 (1) : 2
1 -2, 1 (1) : 1
2 0, 1 (1) : 1
)";

constexpr const char* kFcl = R"(FUNCTION_BLOCK climate
VAR_INPUT
  temp : REAL;
  hum : REAL;
END_VAR
VAR_OUTPUT
  fan : REAL;
END_VAR
FUZZIFY temp
  RANGE := (0 .. 40);
  TERM cold := (0, 1) (10, 1) (20, 0);
  TERM warm := Triangle 10 20 30;
  TERM hot := Trapezoid 20 30 40 40;
END_FUZZIFY
FUZZIFY hum
  RANGE := (0 .. 100);
  TERM dry := Triangle 0 0 50;
  TERM wet := Triangle 50 100 100;
END_FUZZIFY
DEFUZZIFY fan
  RANGE := (0 .. 10);
  TERM low := Triangle 0 0 5;
  TERM high := Triangle 5 10 10;
  METHOD : COG;
  ACCU : MAX;
END_DEFUZZIFY
RULEBLOCK rules
  AND : MIN;
  OR : MAX;
  ACT : PROD;
  RULE 1 : IF temp IS hot OR hum IS wet THEN fan IS high;
  RULE 2 : IF temp IS cold AND hum IS NOT wet THEN fan IS low;
  RULE 3 : IF temp IS warm THEN fan IS low;
END_RULEBLOCK
END_FUNCTION_BLOCK
)";

std::vector<RuleRow> Rows(std::initializer_list<std::vector<std::string>> rows) {
    std::vector<RuleRow> out;
    for (const auto& texts : rows) out.push_back({true, texts});
    return out;
}

ImportOutcome Import(const std::string& text, InterchangeFormat format, bool approximate = false) {
    return ForeignImport::FromText(text, format, std::string("in").append(InterchangeFormats::Extension(format)), {approximate});
}

TEST(Import, TheSameSystemInEveryFormatGivesTheSameRuleBase) {
    const auto expected = Rows({{"hot", "undef", "high"},
                                {"undef", "wet", "high"},
                                {"cold", "not wet", "low"},
                                {"warm", "undef", "low"}});
    for (const auto& [text, format] : {std::pair{kFll, InterchangeFormat::Fll}, std::pair{kFis, InterchangeFormat::Fis},
                                       std::pair{kFcl, InterchangeFormat::Fcl}}) {
        SCOPED_TRACE(std::string(InterchangeFormats::Name(format)));
        if (format == InterchangeFormat::Fcl) {
            // The point list of "cold" has no stated shape: it is refused, and replaced only on request.
            EXPECT_THROW(Import(text, format), EInterchange);
        }
        const ImportOutcome outcome = Import(text, format, format == InterchangeFormat::Fcl);
        const CRuleBase& unit = *outcome.unit;
        EXPECT_EQ(unit.Rules(), expected);
        EXPECT_EQ(unit.InferenceMethod().fileKey, "Fuzzy_Approximation-func_prod");
        EXPECT_EQ(unit.DefuzzificationMethod().fileKey, "SimpleCenterOfGravity");
        // Every breakpoint (10, 20, 30 of 40; 50 of 100; 5 of 10) lies on the grid of 301 points.
        EXPECT_EQ(unit.Discretization(0), 301);
        EXPECT_EQ(unit.Discretization(1), 301);
        EXPECT_EQ(unit.Discretization(-1), 301);

        // Saved by an editor that marks UTF-8 and ends lines with CR LF, the file reads the same.
        std::string marked(TextInput::kByteOrderMark);
        for (const char c : std::string_view(text)) marked += c == '\n' ? std::string("\r\n") : std::string(1, c);
        EXPECT_EQ(Import(marked, format, format == InterchangeFormat::Fcl).unit->Rules(), expected);
    }
}

TEST(Import, RefusesEachUnrepresentableItemWithItsLineOrReplacesIt) {
    const std::string text = R"(Engine: e
InputVariable: a
  range: 0 1
  term: s Sigmoid 0.5 10
  term: t Triangle 0 0.5 1
OutputVariable: o
  range: 0 1
  aggregation: AlgebraicSum
  defuzzifier: Centroid 100
  term: u Triangle 0 0.5 1
RuleBlock: r
  implication: Minimum
  rule: if a is very t then o is u with 0.5
  rule: if a is seldom s then o is very u
)";
    try {
        Import(text, InterchangeFormat::Fll);
        FAIL() << "refused expected";
    } catch (const EInterchange& e) {
        const std::vector<std::string> expected{
            "in.fll:8: aggregation \"AlgebraicSum\" has no counterpart: rule outputs are joined by the maximum",
            "in.fll:4: term \"s\" of \"a\" (Sigmoid): it has no counterpart among the user term shapes (triangle, "
            "trapezoid, Gaussian)",
            "in.fll:13: rule weight 0.5 has no counterpart",
            "in.fll:13: hedge \"very\" on input \"a\" has no counterpart",
            // A refused conclusion does not hide the problems of the condition.
            "in.fll:14: hedge \"very\" in the conclusion has no counterpart",
            "in.fll:14: hedge \"seldom\" on input \"a\" has no counterpart"};
        EXPECT_EQ(e.messages(), expected);
    }
    const ImportOutcome approximated = Import(text, InterchangeFormat::Fll, true);
    int replacements = 0;
    for (const std::string& note : approximated.notes) replacements += note.find("; replaced by") != std::string::npos;
    EXPECT_EQ(replacements, 6);
    EXPECT_EQ(approximated.unit->Rules(), Rows({{"t", "u"}, {"s", "u"}}));
}

// Items that tools read differently or that this system cannot hold are refused with their line, and replaced
// only on request; a rule that names no term is refused even then.
TEST(Import, RefusesWhatToolsReadDifferentlyOrWhatNamesNothing) {
    const std::string fll = R"(Engine: e
InputVariable: a
  range: 0 1
  term: t Triangle 0 0.5 1
  term: g Gaussian 0.5 1e200
  term: n Gaussian 0.5 1e-5
OutputVariable: o
  range: 0 1
  aggregation: Maximum
  defuzzifier: Centroid 100
  lock-previous: true
  term: u Triangle 0 0.5 1
RuleBlock: r
  implication: Minimum
  rule: if a is t then o is not u
)";
    const std::string fis = std::string(kFis).replace(std::string(kFis).find("2 0, 1 (1) : 1"), 14, "0.5 0, 1 (1) : 1");
    struct Case {
        std::string text;
        InterchangeFormat format;
        std::vector<std::string> problems;  // each found in one message
        bool replaceable;
    };
    const Case cases[] = {
        {fll, InterchangeFormat::Fll,
         {"in.fll:5: term \"g\" of \"a\" (Gaussian): its width is too large",
          "in.fll:6: term \"n\" of \"a\" (Gaussian): its width 1e-05 is less than ten steps of the finest grid",
          "in.fll:11: \"o\" keeps its previous value when no rule fires",
          "in.fll:15: the negated conclusion \"not u\" is read by some tools as the complement of the term"},
         true},
        {fis, InterchangeFormat::Fis, {"in.fis:38: variable \"temp\" has no term 0.5"}, false},
        {std::string(kFll).replace(std::string(kFll).find("warm Triangle 10 20 30"), 22, "warm Triangle 10.001 10.0015 10.002"),
         InterchangeFormat::Fll,
         {"in.fll:5: term \"warm\" of \"temp\" (Triangle): it is narrower than a step of the grid (1001 points over 0 .. "
          "40), whose samples of it reach only 0"},
         true},
    };
    for (const Case& c : cases) {
        try {
            Import(c.text, c.format);
            FAIL() << "refused expected";
        } catch (const EInterchange& e) {
            for (const std::string& problem : c.problems) {
                EXPECT_NE(std::string(e.what()).find(problem), std::string::npos) << problem << "\n" << e.what();
            }
        }
        if (!c.replaceable) {
            EXPECT_THROW(Import(c.text, c.format, true), EInterchange);
        }
    }
    // FIS writes "any" as 0.99.
    const std::string any = std::string(kFis).replace(std::string(kFis).find("2 0, 1 (1) : 1"), 14, "0.99 0, 1 (1) : 1");
    EXPECT_EQ(Import(any, InterchangeFormat::Fis).unit->Rules().back(), Rows({{"undef", "undef", "low"}})[0]);
    // "not any" (-0.99) never holds: a rule that needs it is left out, an "or" that offers it keeps its other part.
    std::string never = kFis;
    never.replace(never.find("3 2, 2 (1) : 2"), 14, "3 -0.99, 2 (1) : 2");
    never.replace(never.find("2 0, 1 (1) : 1"), 14, "-0.99 0, 1 (1) : 1");
    EXPECT_EQ(Import(never, InterchangeFormat::Fis).unit->Rules(), Rows({{"hot", "undef", "high"}, {"cold", "not wet", "low"}}));
    // So does a rule of weight 0: it is left out, not given weight 1.
    never.replace(never.find("1 -2, 1 (1) : 1"), 15, "1 -2, 1 (0) : 1");
    EXPECT_EQ(Import(never, InterchangeFormat::Fis, true).unit->Rules(), Rows({{"hot", "undef", "high"}}));
    // The conclusion becomes the complement of the term.
    EXPECT_EQ(Import(fll, InterchangeFormat::Fll, true).unit->Rules(), Rows({{"t", "not u"}}));
    // FCL may leave the range to the terms' points: their span, noted.
    std::string unranged = kFcl;
    unranged.erase(unranged.find("  RANGE := (0 .. 100);\n"), 24);
    const ImportOutcome spanned = Import(unranged, InterchangeFormat::Fcl, true);
    EXPECT_EQ(spanned.unit->ContextHigh(1), 100.0);
    EXPECT_NE(spanned.notes[0].find("no range is given for \"hum\"; replaced by <0, 100>"), std::string::npos);
    // FCL: "no change" as the default locks the output too; shape names in any case; names as written.
    std::string fcl = kFcl;
    fcl.replace(fcl.find("TERM cold := (0, 1) (10, 1) (20, 0)"), 35, "TERM m := TRAPEZOID 0 0 10 20");
    fcl.replace(fcl.find("IS cold"), 7, "IS m");
    EXPECT_EQ(Import(fcl, InterchangeFormat::Fcl).unit->Rules()[2].texts[0], "m");
    fcl.replace(fcl.find("ACCU : MAX;"), 11, "ACCU : MAX;\n  DEFAULT := 0 | NC;");
    EXPECT_THROW(Import(fcl, InterchangeFormat::Fcl), EInterchange);
}

TEST(Import, SugenoKeepsOrWithinOneInputAndRefusesItAcrossInputs) {
    const std::string base = R"(Engine: e
InputVariable: a
  range: 0 1
  term: p Triangle 0 0 1
  term: q Triangle 0 1 1
InputVariable: b
  range: 0 1
  term: r Triangle 0 0 1
OutputVariable: o
  range: 0 10
  defuzzifier: WeightedAverage TakagiSugeno
  term: k Constant 2.5
  term: l Linear 1 -0.5 3
RuleBlock: rb
  conjunction: Minimum
  disjunction: Maximum
)";
    const ImportOutcome outcome = Import(base + "  rule: if (a is p or a is q) and b is r then o is l\n", InterchangeFormat::Fll);
    EXPECT_EQ(outcome.unit->descriptionType(), DescriptionType::takagi_sugeno);
    EXPECT_EQ(outcome.unit->Rules(), Rows({{"p or q", "r", "3 + 1*x1 - 0.5*x2"}}));
    EXPECT_THROW(Import(base + "  rule: if a is p or b is r then o is k\n", InterchangeFormat::Fll), EInterchange);
    const ImportOutcome split = Import(base + "  rule: if a is p or b is r then o is k\n", InterchangeFormat::Fll, true);
    EXPECT_EQ(split.unit->descriptionType(), DescriptionType::singleton);
    EXPECT_EQ(split.unit->Rules(), Rows({{"p", "undef", "2.5"}, {"undef", "r", "2.5"}}));
}

std::vector<std::string> UserTermsOf(const CRuleBase& unit, int signedIndex) {
    std::vector<std::string> out;
    const auto& vocabulary = dynamic_cast<const CBasicSettings&>(unit.Settings(signedIndex));
    for (int i = vocabulary.standardTermCount(); i < static_cast<int>(vocabulary.terms().size()); ++i) {
        const auto& term = vocabulary.terms()[static_cast<std::size_t>(i)];
        std::string text = term.shortName + " " + std::string(term.element->typeName());
        for (const double p : dynamic_cast<const CFuzzyParamSet&>(*term.element).params())
            text.append(" ").append(NumberText::file(p));
        out.push_back(text);
    }
    return out;
}

TEST(Import, ImportExportImportGivesTheSameRuleBase) {
    std::string fll = kFll;
    fll.replace(fll.find("term: warm Triangle 10 20 30"), 28, "term: warm Gaussian 20 4.5");
    fll.replace(fll.find("Triangle 0 0 50"), 15, "Triangle -10 0 50.3");
    const ImportOutcome first = Import(fll, InterchangeFormat::Fll);
    for (const InterchangeFormat format : {InterchangeFormat::Fll, InterchangeFormat::Fis, InterchangeFormat::Fcl}) {
        SCOPED_TRACE(std::string(InterchangeFormats::Name(format)));
        const ImportOutcome again = Import(ForeignExport::ToText(*first.unit, format), format);
        EXPECT_EQ(again.unit->Rules(), first.unit->Rules());
        EXPECT_EQ(again.unit->InferenceMethod().fileKey, first.unit->InferenceMethod().fileKey);
        for (const int v : {0, 1, -1}) {
            EXPECT_EQ(again.unit->Discretization(v), first.unit->Discretization(v));
            EXPECT_EQ(again.unit->ContextLow(v), first.unit->ContextLow(v));
            EXPECT_EQ(again.unit->ContextHigh(v), first.unit->ContextHigh(v));
            EXPECT_EQ(UserTermsOf(*again.unit, v), UserTermsOf(*first.unit, v));
        }
    }
}

TEST(Export, RefusesSeveralOutputsAndMethodsWithoutCounterpartNamingThem) {
    test::RuleBaseTextBuilder twoOutputs;
    twoOutputs.input({"x"}).output({"y"}).output({"z"}).rule({"sm", "bi", "sm"});
    EXPECT_THROW(ForeignExport::ToText(*twoOutputs.load(), InterchangeFormat::Fis), EInterchange);
    const auto heater = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    try {
        ForeignExport::ToText(*heater, InterchangeFormat::Fll);
        FAIL() << "refused expected";
    } catch (const EInterchange& e) {
        EXPECT_NE(std::string(e.what()).find("\"Perception-based Logical Deduction\" cannot be expressed in fll"),
                  std::string::npos);
    }
}

// Damaged files: characters deleted, replaced or repeated. Each import ends with a rule base or EInterchange.
TEST(Import, DamagedFilesAreRefusedCleanly) {
    std::mt19937 random(5);
    const auto pick = [&random](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    for (const auto& [sample, format] : {std::pair{kFll, InterchangeFormat::Fll}, std::pair{kFis, InterchangeFormat::Fis},
                                         std::pair{kFcl, InterchangeFormat::Fcl}}) {
        for (int i = 0; i < 400; ++i) {
            std::string text = sample;
            for (std::size_t edits = 1 + pick(6); edits > 0; --edits) {
                const std::size_t at = pick(text.size());
                switch (pick(4)) {
                    case 0: text.erase(at, 1 + pick(12)); break;
                    case 1: text[at] = "()[]:;,=.-e 9\n\"'"[pick(16)]; break;
                    case 2: text.insert(at, std::to_string(random())); break;
                    default: text.insert(at, text.substr(pick(text.size()), pick(40))); break;
                }
            }
            for (const bool approximate : {false, true}) {
                try {
                    Import(text, format, approximate);
                } catch (const EInterchange&) {
                }
            }
        }
    }
}

// A crafted file quoting a megabyte of text or a control byte in a name gets short messages that show it as text.
TEST(Import, MessagesQuoteLongOrControlTextShortly) {
    std::string fll = kFll;
    fll.replace(fll.find("if temp is hot"), 14, "if temp is " + std::string(20000 * 5, 'v') + " hot");
    fll.replace(fll.find("term: warm Triangle"), 19, "term: w\x1b[2Jarm Sigmoid");
    try {
        Import(fll, InterchangeFormat::Fll);
        FAIL() << "refused expected";
    } catch (const EInterchange& e) {
        ASSERT_EQ(e.messages().size(), 3u) << e.what();
        for (const std::string& message : e.messages()) {
            EXPECT_LT(message.size(), ProblemList::kMessageBytes + 20);
            EXPECT_EQ(message.find('\x1b'), std::string::npos);
        }
    }
}

TEST(ForeignNames, TermNamesBecomeDistinctWordsTheExpressionsRead) {
    std::vector<ForeignNames::Renaming> renamed;
    const std::vector<std::string> names =
        ForeignNames::TermNames({"small", "Low", "Low_high", "Low", "very hot", "9lives"}, renamed);
    EXPECT_EQ(names, (std::vector<std::string>{"small2", "Low2", "Low_high", "Low3", "very_hot", "t_9lives"}));
    EXPECT_EQ(renamed.size(), 5u);

    // A generated C file's default prefix is a name C leaves to programs.
    EXPECT_EQ(ForeignExport::DefaultPrefix("dir/1abc.c"), "rb_1abc");
    EXPECT_EQ(ForeignExport::DefaultPrefix("_x.c"), "rb_x");
    EXPECT_EQ(ForeignExport::DefaultPrefix("fan control.c"), "fan_control");
}

}  // namespace
}  // namespace zorv
