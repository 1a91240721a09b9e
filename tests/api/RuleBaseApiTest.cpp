#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sstream>
#include <thread>

#include "tests/support/ScratchFolder.h"
#include "zorv/zorv.h"

namespace {

using zorv::test::fileText;

const std::string kExamples = std::string(ZORV_SOURCE_DIR) + "/examples/";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

TEST(RuleBaseApi, EveryEvaluationRoadGivesTheSameValue) {
    const auto heater = zorv::RuleBase::load(kExamples + "heater.rb");
    ASSERT_EQ(heater.inputs().size(), 2u);
    EXPECT_EQ(heater.inputs()[1].name, "outdoor");
    EXPECT_EQ(heater.inputs()[1].low, -25.0);
    EXPECT_EQ(heater.find("power"), (zorv::VariableRef{zorv::Side::output, 0}));

    const std::vector<double> rows{16.5, -3.0, 25.0, 10.0, 12.0, -20.0};
    std::vector<double> values(3);
    heater.evaluateRows(rows, values);
    EXPECT_EQ(values[0], heater.evaluate({16.5, -3.0}));
    EXPECT_EQ(values[1], heater.evaluate({{"indoor", 25.0}, {"outdoor", 10.0}}));
    EXPECT_EQ(values[2], heater.explain(std::span(rows).subspan(4, 2)).value);
    EXPECT_GT(values[2], values[1]);  // colder: more power
    // Outside the context an input is taken at the nearest end of it.
    EXPECT_EQ(heater.evaluate({50.0, -3.0}), heater.evaluate({30.0, -3.0}));
}

TEST(RuleBaseApi, ExplainsFiredRulesAndTheConclusion) {
    const auto heater = zorv::RuleBase::load(kExamples + "heater.rb");
    const zorv::Evaluation e = heater.explain(std::vector{11.0, -20.0});
    EXPECT_EQ(e.conclusion.size(), static_cast<std::size_t>(heater.outputs()[0].discretization));
    ASSERT_FALSE(e.firedRules.empty());
    EXPECT_EQ(heater.rules()[e.firedRules[0]].inputs[0], "sm");

    const auto fan = zorv::RuleBase::load(kExamples + "fan.rb");  // singleton: a number, no output set
    EXPECT_TRUE(fan.explain(std::vector{60.0, 50.0}).conclusion.empty());
    EXPECT_EQ(fan.kind(), zorv::RuleBaseKind::singleton);
}

TEST(RuleBaseApi, RefusesBadInputsWithAClearError) {
    const auto heater = zorv::RuleBase::load(kExamples + "heater.rb");
    const auto message = [&](auto&& call) {
        try {
            call();
        } catch (const zorv::Error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { heater.evaluate({NAN, 0.0}); }), "input indoor is not a finite number");
    EXPECT_EQ(message([&] { heater.evaluate({1.0}); }), "the rule base has 2 input(s), 1 value(s) given");
    EXPECT_EQ(message([&] { heater.evaluate({{"indoor", 1.0}}); }), "no value for input outdoor");
    EXPECT_EQ(message([&] { heater.evaluate({{"indoor", 1.0}, {"outdor", 1.0}}); }), "no input variable named outdor");
    EXPECT_EQ(message([&] { heater.evaluate({{"indoor", 1.0}, {"outdoor", 1.0}, {"wind", 1.0}}); }),
              "no input variable named wind");
    std::vector<double> out(2);
    EXPECT_EQ(message([&] { heater.evaluateRows(std::vector<double>{20.0, 0.0, 20.0, INFINITY}, out); }),
              "row 1: input outdoor is not a finite number");
    // A file may pair a linguistic rule base with the Takagi-Sugeno inference, which has no value for it.
    const auto mismatched = zorv::RuleBase::fromText(replaced(fileText(kExamples + "heater.rb"),
                                                              "InfMethod=Logical_Deduction",
                                                              "InfMethod=Takagi-Sugeno Inference"));
    EXPECT_EQ(message([&] { mismatched.evaluate({20.0, 0.0}); }),
              "The Takagi-Sugeno inference needs a singleton or Takagi-Sugeno rule base; a linguistic rule base "
              "needs one of the other inference methods.");
    EXPECT_EQ(message([&] { zorv::RuleBase::load(kExamples + "missing.rb"); }),
              kExamples + "missing.rb: cannot read file by open");
}

TEST(RuleBaseApi, SyntaxErrorsTellWhereTheFaultLies) {
    const std::string heater = fileText(kExamples + "heater.rb");
    try {
        zorv::RuleBase::fromText(replaced(heater, "context=<10,30>", "context=<30,10>"));
        FAIL();
    } catch (const zorv::SyntaxError& e) {
        EXPECT_STREQ(e.what(), "bad context bounds");
        EXPECT_EQ(e.text(), " context=<30,10>");
        EXPECT_EQ(e.position(), 10u);
        const auto before = heater.substr(0, heater.find("context=<10,30>"));
        EXPECT_EQ(e.line(), std::count(before.begin(), before.end(), '\n') + 1);
    }
    // An expression of a rule that does not read: its line, where the fault lies in the expression, also
    // with other line breaks.
    const std::string badRule = replaced(heater, "\"me\" \"me\" | \"me\"", "\"me\" \"me\" | \"ve me\"");
    const auto ruleLine = std::count(badRule.begin(), badRule.begin() + badRule.find("\"ve me"), '\n') + 1;
    std::string crlf;
    for (const char c : badRule) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {badRule, crlf}) {
        try {
            zorv::RuleBase::fromText(text);
            FAIL();
        } catch (const zorv::SyntaxError& e) {
            EXPECT_STREQ(e.what(), "atomic term expected");
            EXPECT_EQ(e.text(), " \"me\" \"me\" | \"ve me\"");
            EXPECT_EQ(e.position(), e.text().find("ve me") + 3);
            EXPECT_EQ(e.line(), ruleLine);
        }
    }
    try {  // a fault of the whole file has no position
        zorv::RuleBase::fromText(replaced(heater, "InfMethod=", "Inference="));
        FAIL();
    } catch (const zorv::SyntaxError& e) {
        EXPECT_STREQ(e.what(), "missing: InfMethod");
        EXPECT_FALSE(e.position());
    }
}

TEST(RuleBaseApi, WarningsComeBackInsteadOfBeingPrinted) {
    const std::string text = replaced(fileText(kExamples + "heater.rb"), "NumberOfRules=10", "NumberOfRules=12");
    std::ostringstream captured;
    std::streambuf* const saved = std::cerr.rdbuf(captured.rdbuf());
    const auto unit = zorv::RuleBase::fromText(text, "heater");
    std::cerr.rdbuf(saved);
    EXPECT_EQ(captured.str(), "");
    ASSERT_EQ(unit.warnings().size(), 1u);
    EXPECT_EQ(unit.warnings()[0], "warning: bad value of NumberOfRules=12, new value NumberOfRules=10");
    EXPECT_EQ(unit.rules().size(), 10u);
}

TEST(RuleBaseApi, MethodsAreChosenByAnyNameAndSaved) {
    auto unit = zorv::RuleBase::load(kExamples + "heater.rb");
    unit.setInferenceMethod("Fuzzy Approximation (CNF)");
    unit.setDefuzzificationMethod("MOM");
    EXPECT_EQ(unit.inferenceMethod().key, "Fuzzy_Approximation-logical");
    EXPECT_EQ(unit.defuzzificationMethod().displayName, "Mean Of Maxima (MOM)");
    EXPECT_THROW(unit.setInferenceMethod("Takagi-Sugeno Inference"), zorv::Error);
    EXPECT_THROW(unit.setDefuzzificationMethod("Centre"), zorv::Error);
    EXPECT_EQ(unit.inferenceMethods().size(), 7u);
    EXPECT_EQ(zorv::RuleBase::create(zorv::RuleBaseKind::singleton).inferenceMethods().size(), 1u);

    const zorv::test::ScratchFolder folder;
    unit.save(folder / "methods.rb");
    const auto again = zorv::RuleBase::load(folder / "methods.rb");
    EXPECT_EQ(again.inferenceMethod().shortName, "LLogInfCrisp");
    EXPECT_EQ(again.text(), unit.text());
    EXPECT_EQ(again.evaluate({15.0, 0.0}), unit.evaluate({15.0, 0.0}));
}

// Evaluations on several threads at once give what one thread gives.
TEST(RuleBaseApi, EvaluatesFromSeveralThreads) {
    const auto heater = zorv::RuleBase::load(kExamples + "heater.rb");
    std::vector<double> expected(200);
    for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = heater.evaluate({10.0 + 0.1 * i, -20.0 + 0.2 * i});
    std::vector<int> mismatches(4);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (std::size_t i = 0; i < expected.size(); ++i) {
                mismatches[t] += heater.explain(std::vector{10.0 + 0.1 * i, -20.0 + 0.2 * i}).value != expected[i];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
