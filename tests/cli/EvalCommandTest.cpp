// "zorv eval": single rows, the fired rules and the conclusion, and batch evaluation.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ArgumentScan.h"
#include "cli/EvalCommand.h"
#include "cli/ExitCode.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/CliTestSupport.h"
#include "text/NumberText.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::example;
using test::linesOf;

CommandResult eval(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    EvalCommand command(in);
    return test::runCommand(command, args);
}

double evaluate(const std::string& file, std::vector<double> inputs) {
    return CRuleBase::Load(file)->Evaluate(inputs.data());
}

TEST(EvalCommand, PrintsTheValueEvaluateGivesInItsShortestForm) {
    const CommandResult o = eval({example("heater.rb"), "16.5", "-3"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    EXPECT_TRUE(o.err.empty());
    EXPECT_EQ(o.out, NumberText::shortest(evaluate(example("heater.rb"), {16.5, -3})) + "\n");
    EXPECT_EQ(eval({example("heater.rb"), "16,5", "-3"}).out, o.out);
    EXPECT_EQ(eval({example("fan.rb"), "60", "50"}).out, NumberText::shortest(evaluate(example("fan.rb"), {60, 50})) + "\n");
}

TEST(EvalCommand, FiredRulesFollowTheValueAsTheTestWindowListsThem) {
    const CommandResult o = eval({example("heater.rb"), "12", "-20", "--fired"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    const auto lines = linesOf(o.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Number of fired rules: 1");
    EXPECT_EQ(lines[2], "Rule 1: sm & sm --> ex bi");

    const CommandResult singleton = eval({example("fan.rb"), "60", "50", "--fired"});
    EXPECT_EQ(linesOf(singleton.out)[1], "Number of fired rules: 2");
    EXPECT_EQ(linesOf(singleton.out)[2], "Rule 5: warm & me --> 2000");
}

TEST(EvalCommand, ConclusionListsTheOutputSetOverTheOutputContext) {
    const CommandResult o = eval({example("heater.rb"), "20", "-5", "--fired", "--conclusion"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    const auto lines = linesOf(o.out);
    ASSERT_EQ(lines.size(), 1u + 2u + 301u);
    EXPECT_EQ(lines[1].rfind("Number of fired rules: ", 0), 0u);
    EXPECT_EQ(lines[3], "0\t" + lines[3].substr(2));
    EXPECT_EQ(lines.back().substr(0, 4), "100\t");
    double peak = 0.0;
    for (std::size_t i = 3; i < lines.size(); ++i) {
        const auto tab = lines[i].find('\t');
        ASSERT_NE(tab, std::string::npos);
        const double mu = NumberText::parseReal(lines[i].substr(tab + 1)).value();
        EXPECT_GE(mu, 0.0);
        EXPECT_LE(mu, 1.0);
        peak = std::max(peak, mu);
    }
    EXPECT_EQ(peak, 1.0);

    const CommandResult singleton = eval({example("fan.rb"), "60", "50", "--conclusion"});
    EXPECT_EQ(singleton.status, kSuccess);
    EXPECT_EQ(linesOf(singleton.out).size(), 1u);
    EXPECT_NE(singleton.err.find("no output set"), std::string::npos);
}

TEST(EvalCommand, MethodOptionsOverrideTheFileByKeyOrShortName) {
    const std::string heater = example("heater.rb");
    auto unit = CRuleBase::Load(heater);
    const double inputs[] = {18, 0};
    const std::string byKey = eval({heater, "18", "0", "--defuzz", "MeanOfMaxima", "--infer",
                                    "Fuzzy_Approximation-functional"}).out;
    const std::string byShortName = eval({heater, "--infer", "LZadInfCrispMin", "--defuzz", "MOM", "18", "0"}).out;
    EXPECT_EQ(byKey, byShortName);
    EXPECT_NE(byKey, eval({heater, "18", "0"}).out);
    EXPECT_EQ(byKey, NumberText::shortest([&] {
                  unit->SetInferenceMethod(*FindInferenceMethod("Fuzzy_Approximation-functional"));
                  unit->SetDefuzzificationMethod(*FindDefuzzificationMethod("MeanOfMaxima"));
                  return unit->Evaluate(inputs);
              }()) + "\n");

    const CommandResult wrongKind = eval({heater, "18", "0", "--infer", "Takagi-Sugeno Inference"});
    EXPECT_EQ(wrongKind.status, kBadInput);
    EXPECT_TRUE(wrongKind.out.empty());
    EXPECT_EQ(eval({example("fan.rb"), "1", "1", "--infer", "Logical_Deduction"}).status, kBadInput);
    const CommandResult unknown = eval({heater, "18", "0", "--defuzz", "mom"});
    EXPECT_EQ(unknown.status, kUsage);
    EXPECT_NE(unknown.err.find("MeanOfMaxima (MOM)"), std::string::npos);
    const CommandResult noEffect = eval({example("fan.rb"), "60", "50", "--defuzz", "MOM"});
    EXPECT_EQ(noEffect.status, kSuccess);
    EXPECT_NE(noEffect.err.find("no effect"), std::string::npos);
}

TEST(EvalCommand, InputsOutsideTheContextAreClampedWithANote) {
    const CommandResult o = eval({example("heater.rb"), "-100", "1e6"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    EXPECT_EQ(o.out, eval({example("heater.rb"), "10", "15"}).out);
    EXPECT_EQ(o.err,
              "note: indoor -100 lies outside <10, 30>; 10 is used\n"
              "note: outdoor 1e+06 lies outside <-25, 15>; 15 is used\n");
}

TEST(EvalCommand, RefusesBadCommandLines) {
    const std::string heater = example("heater.rb");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {heater},
        {heater, "1"},
        {heater, "1", "2", "3"},
        {heater, "abc", "2"},
        {heater, "nan", "2"},
        {heater, "inf", "2"},
        {heater, "1,2,3", "2"},
        {heater, "1", "--", "2"},  // "--" ends the options; the count still holds
        {heater, "1", "2", "--bogus"},
        {heater, "1", "2", "--infer"},
        {heater, "1", "2", "--batch", "-"},
        {heater, "--batch", "-", "--fired"},
        {heater, "1", "2", "--jobs", "2"},
        {heater, "--batch", "-", "--jobs", "0"},
        {"/no/such/file.rb", "1", "2"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const CommandResult o = eval(cases[i]);
        if (i == 8) {
            EXPECT_EQ(o.status, kSuccess) << o.err;
            continue;
        }
        EXPECT_EQ(o.status, kUsage) << "case " << i << ": " << o.err;
        EXPECT_TRUE(o.out.empty()) << "case " << i;
        EXPECT_EQ(o.err.rfind("error: ", 0), 0u) << "case " << i;
    }
    EXPECT_EQ(eval({"--help"}).out.rfind("Usage: zorv eval", 0), 0u);
}

TEST(EvalCommand, NamesTheFileItCannotOpen) {
    const std::string folder = std::filesystem::temp_directory_path().string();
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"", "16", "-3"}, "error: cannot open '': the file name is empty\n"},
        {{example("heater.rb"), "--batch", folder}, "error: cannot open " + folder + ": it is a directory\n"},
    };
    for (const auto& c : cases) {
        const CommandResult o = eval(c.args);
        EXPECT_EQ(o.status, kUsage);
        EXPECT_EQ(o.err, c.message);
    }
}

TEST(EvalCommand, NegativeNumbersAreInputsNotOptions) {
    EXPECT_TRUE(looksLikeOption("--fired"));
    EXPECT_TRUE(looksLikeOption("-o"));
    EXPECT_FALSE(looksLikeOption("-3"));
    EXPECT_FALSE(looksLikeOption("-.5"));
    EXPECT_FALSE(looksLikeOption("-,5"));
    EXPECT_FALSE(looksLikeOption("-"));
    EXPECT_FALSE(looksLikeOption("3"));
    EXPECT_EQ(NumberText::parseDecimal("+1,5"), 1.5);
    EXPECT_EQ(NumberText::parseDecimal("-2e-1"), -0.2);
    EXPECT_FALSE(NumberText::parseDecimal("+-1"));
    EXPECT_FALSE(NumberText::parseDecimal(""));
    EXPECT_FALSE(NumberText::parseDecimal(std::string(500, '1')));
}

TEST(EvalCommand, BatchPrintsOneValuePerLineAndNothingElse) {
    const std::string heater = example("heater.rb");
    // Lines end with a line feed, a carriage return, or a pair of the two in either order.
    const CommandResult o =
        eval({heater, "--batch", "-"}, "\xEF\xBB\xBF" "12 -20\n16,5\t-3\r\n  20   -5  \r-100 1e6\n\r12 -20\r");
    ASSERT_EQ(o.status, kSuccess) << o.err;
    const std::string first = eval({heater, "12", "-20"}).out;
    const std::string expected = first + eval({heater, "16.5", "-3"}).out + eval({heater, "20", "-5"}).out +
                                 eval({heater, "10", "15"}).out + first;
    EXPECT_EQ(o.out, expected);
    EXPECT_EQ(o.err, "note: 2 input value(s) outside their context were clamped\n");
    EXPECT_EQ(eval({heater, "--batch", "-"}, "").out, "");

    // A pair split between two blocks of input is one line break: the carriage return is the last byte of
    // the first block of 1 MiB. The second block, too short to be shared among threads, prints its own
    // values and nothing of the first.
    std::string rows = "12  -20\r\n";
    std::string values = first;
    for (int i = 0; i < 131100; ++i) rows += "12 -20\r\n", values += first;
    ASSERT_EQ(rows[(std::size_t{1} << 20) - 1], '\r');
    const CommandResult split = eval({heater, "--batch", "-"}, rows);
    EXPECT_EQ(split.status, kSuccess) << split.err;
    EXPECT_TRUE(split.out == values);
}

TEST(EvalCommand, BatchStopsAtTheFirstBadLineKeepingTheValuesBefore) {
    const std::string heater = example("heater.rb");
    struct Case {
        std::string input;
        std::size_t valuesBefore;
        std::string message;
    };
    const Case cases[] = {
        {"12 -20\n13 -20\n14\n15 0\n", 2, "line 3: expected 2 input values, found 1"},
        {"12 -20\n\n", 1, "line 2: expected 2 input values, found 0"},
        {"12 -20 7\n", 0, "line 1: expected 2 input values, found 3"},
        {"12 x\n", 0, "line 1: 'x' is not a finite number"},
        {"12 nan\n", 0, "line 1: 'nan' is not a finite number"},
        {"12 -20\n" + std::string(2 << 20, '7') + "\n", 1, "line 2: longer than 1048576 bytes"},
    };
    for (const auto& c : cases) {
        const CommandResult o = eval({heater, "--batch", "-"}, c.input);
        EXPECT_EQ(o.status, kBadInput);
        EXPECT_EQ(linesOf(o.out).size(), c.valuesBefore);
        EXPECT_EQ(o.err, "error: -: " + c.message + "\n");
    }
}

// A stream that takes `room` bytes and then fails, as a full disk does.
class FullDisk : public std::streambuf {
public:
    explicit FullDisk(std::size_t room) : room_(room) {}

private:
    int_type overflow(int_type c) override { return room_ == 0 ? traits_type::eof() : (--room_, c); }
    std::size_t room_;
};

TEST(EvalCommand, BatchOnAFullDiskFails) {
    std::string rows;
    for (int i = 0; i < 200; ++i) rows += "12 -20\n";
    std::istringstream in(rows);
    FullDisk disk(1000);
    std::ostream out(&disk);
    std::ostringstream err;
    EXPECT_EQ(EvalCommand(in).run({example("heater.rb"), "--batch", "-"}, out, err), kUsage);
    EXPECT_EQ(err.str(), "error: cannot write to the standard output\n");
}

TEST(EvalCommand, BatchReadsAFileAcrossManyBufferRefills) {
    const auto path = std::filesystem::temp_directory_path() / "zorv-eval-batch.txt";
    std::string rows;
    std::string expected;
    auto unit = CRuleBase::Load(example("fan.rb"));
    for (int i = 0; i < 60000; ++i) {
        const double inputs[] = {20.0 + i % 81, (i * 7) % 101 + 0.25};
        rows += std::to_string(static_cast<int>(inputs[0])) + " " + NumberText::shortest(inputs[1]) + "\n";
        expected += NumberText::shortest(unit->Evaluate(inputs)) + "\n";
    }
    std::ofstream(path, std::ios::binary) << rows;
    const CommandResult o = eval({example("fan.rb"), "--batch", path.string()});
    std::filesystem::remove(path);
    ASSERT_EQ(o.status, kSuccess) << o.err;
    EXPECT_EQ(o.out, expected);
    EXPECT_EQ(eval({example("fan.rb"), "--batch", path.string()}).status, kUsage);
}

// Lines are split over the threads in pieces; the values, the clamping notes and the line that stops the run
// are those of one thread.
TEST(EvalCommand, BatchOutputDoesNotDependOnTheJobs) {
    std::string rows;
    for (int i = 0; i < 20000; ++i) rows += std::to_string(i % 40) + " " + std::to_string(-30 + i % 50) + "\n";
    rows += "12\n" + rows;
    const CommandResult one = eval({example("heater.rb"), "--batch", "-", "--jobs", "1"}, rows);
    EXPECT_EQ(one.status, kBadInput);
    EXPECT_EQ(linesOf(one.out).size(), 20000u);
    EXPECT_NE(one.err.find("line 20001: expected 2 input values, found 1"), std::string::npos) << one.err;
    for (const char* jobs : {"2", "3"}) {
        const CommandResult many = eval({example("heater.rb"), "--batch", "-", "-j", jobs}, rows);
        EXPECT_EQ(many.status, one.status);
        EXPECT_EQ(many.out, one.out);
        EXPECT_EQ(many.err, one.err);
    }
}

// A file may name a method that has no meaning for its type: it loads, but nothing is printed for it.
TEST(EvalCommand, ALinguisticRuleBaseNamingTheTakagiSugenoInferenceIsRefused) {
    const test::ScratchFolder folder;
    const std::string path = folder.file("ts.rb", test::withInferenceMethod(example("heater.rb"), "Takagi-Sugeno Inference"));
    const CommandResult single = eval({path, "16", "0"});
    const CommandResult batch = eval({path, "--batch", "-"}, "16 0\n");
    for (const CommandResult& o : {single, batch}) {
        EXPECT_EQ(o.status, kBadInput);
        EXPECT_TRUE(o.out.empty()) << o.out;
        EXPECT_EQ(o.err.rfind("error: ", 0), 0u) << o.err;
        EXPECT_NE(o.err.find("Takagi-Sugeno inference needs"), std::string::npos) << o.err;
    }
}

}  // namespace
}  // namespace zorv::cli
