// The generated C, compiled with the system C compiler, against the engine: every example with every inference
// and every defuzzification method, and random rule bases, on thousands of inputs (some outside the contexts).

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignExport.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/RandomRuleBases.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

struct Case {
    std::string label;
    std::shared_ptr<CRuleBase> unit;
    int rows;
};

class GeneratedC : public ::testing::Test {
protected:
    static std::shared_ptr<CRuleBase> Example(const std::string& name) {
        return CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/" + name);
    }

    // Every inference method with the file's defuzzification (when inferences is set) and every defuzzification
    // with the file's inference.
    void AddMethodVariants(const std::string& example, bool inferences) {
        for (const InferenceMethodEntry& m : InferenceMethodTable()) {
            if (!inferences) break;
            if (m.kind == InferenceKind::TakagiSugeno) continue;
            auto unit = Example(example);
            unit->SetInferenceMethod(m);
            cases_.push_back({example + " " + std::string(m.fileKey), unit, 150});
        }
        for (const DefuzzificationMethodEntry& d : DefuzzificationMethodTable()) {
            auto unit = Example(example);
            unit->SetDefuzzificationMethod(d);
            cases_.push_back({example + " " + std::string(d.fileKey), unit, d.smooth ? 4 : 150});
        }
    }

    void AddRandom(unsigned seed) {
        test::RandomRuleBases random(seed);
        const auto methods = InferenceMethodTable();
        for (int i = 0; i < 10; ++i) {
            const auto kind = i < 6 ? test::RandomRuleBases::Kind::Dnf
                                    : (i < 8 ? test::RandomRuleBases::Kind::Singleton : test::RandomRuleBases::Kind::Linear);
            const std::string infer(methods[static_cast<std::size_t>(i) % 7].fileKey);
            auto builder = random.next(kind, infer);
            if (kind == test::RandomRuleBases::Kind::Dnf)
                builder.defuzz(std::string(DefuzzificationMethodTable()[static_cast<std::size_t>(i) % 6].fileKey));
            cases_.push_back({std::string("random ").append(std::to_string(i)), builder.load(), 200});
        }
    }

    // Writes every case's C, a driver reading "case x1 .. xn" lines, and compiles them in one run.
    std::string Build() {
        std::string driver = "#include <stdio.h>\n";
        std::string table = "static int (*const units[])(const double *, double *) = {";
        for (std::size_t i = 0; i < cases_.size(); ++i) {
            const std::string prefix = std::string("u").append(std::to_string(i));
            ForeignExport::WriteC(*cases_[i].unit, (dir_ / (prefix + ".c")).string(), prefix);
            driver += "int " + prefix + "_evaluate(const double *, double *);\n";
            table += prefix + "_evaluate,";
        }
        driver += table + "};\n";
        driver += R"(int main(void) {
    int unit, n, k;
    double in[16], out;
    while (scanf("%d %d", &unit, &n) == 2) {
        for (k = 0; k < n; ++k) if (scanf("%lf", &in[k]) != 1) return 1;
        k = units[unit](in, &out);
        if (k != 0) printf("rc%d\n", k); else printf("%.17g\n", out);
    }
    return 0;
}
)";
        std::ofstream(dir_ / "driver.c") << driver;
        const std::string program = (dir_ / "driver").string();
        const std::string command = "cc -std=c99 -Wall -Wextra -pedantic -Werror -o " + program + " " +
                                    (dir_ / "*.c").string() + " -lm > " + (dir_ / "cc.log").string() + " 2>&1";
        if (std::system(command.c_str()) != 0) {
            ADD_FAILURE() << "the generated C does not compile cleanly:\n" << test::fileText(dir_ / "cc.log").substr(0, 4000);
            return {};
        }
        return program;
    }

    const test::ScratchFolder dir_;
    std::vector<Case> cases_;
};

TEST_F(GeneratedC, AgreesWithTheEngineForEveryMethodAndRandomRuleBases) {
    AddMethodVariants("braking.rb", true);  // symmetric contexts
    AddMethodVariants("heater.rb", false);  // two inputs
    cases_.push_back({"fan.rb", Example("fan.rb"), 300});
    // Names end up in comments: "*/" must not end them, "/*" not open one within, nor "??/" make a trigraph.
    cases_.back().unit->Variable(0).SetName("cpu */ ?\?/ /* temperature");
    AddRandom(7);
    const std::string program = Build();
    if (program.empty()) return;

    std::mt19937 random(11);
    std::vector<std::pair<std::size_t, std::vector<double>>> rows;
    std::ofstream input(dir_ / "in.txt");
    input.precision(17);
    for (std::size_t i = 0; i < cases_.size(); ++i) {
        const CRuleBase& unit = *cases_[i].unit;
        for (int row = 0; row < cases_[i].rows; ++row) {
            std::vector<double> x;
            for (int k = 0; k < unit.AntecedentCount(); ++k) {
                const double low = unit.ContextLow(k), high = unit.ContextHigh(k);
                x.push_back(std::uniform_real_distribution<double>(low - 0.1 * (high - low), high + 0.1 * (high - low))(random));
            }
            if (row == 0) x.back() = NAN;  // refused: 1
            input << i << ' ' << x.size();
            for (const double v : x) input << ' ' << v;
            input << '\n';
            rows.emplace_back(i, x);
        }
    }
    input.close();
    ASSERT_EQ(std::system((program + " < " + (dir_ / "in.txt").string() + " > " + (dir_ / "out.txt").string()).c_str()), 0);
    std::ifstream output(dir_ / "out.txt");
    int checked = 0;
    for (const auto& [i, x] : rows) {
        std::string got;
        ASSERT_TRUE(output >> got) << "the driver stopped at row " << checked;
        ++checked;
        if (std::isnan(x.back())) {
            EXPECT_EQ(got, "rc1") << cases_[i].label;
            continue;
        }
        CRuleBase& unit = *cases_[i].unit;
        std::vector<double> clamped = x;
        for (int k = 0; k < unit.AntecedentCount(); ++k)
            clamped[static_cast<std::size_t>(k)] = std::clamp(x[static_cast<std::size_t>(k)], unit.ContextLow(k), unit.ContextHigh(k));
        try {
            const double expected = unit.Evaluate(clamped.data());
            const double width = unit.ContextHigh(-1) - unit.ContextLow(-1);
            ASSERT_NE(got.substr(0, 2), "rc") << cases_[i].label;
            EXPECT_NEAR(std::stod(got), expected, 1e-12 * width) << cases_[i].label;
        } catch (const ERefused&) {
            EXPECT_EQ(got, "rc2") << cases_[i].label;
        }
    }
    EXPECT_GT(checked, 3000);
}

// Replacing one file of a pair and not the other (a process killed between the two) must not leave a source
// and a header that compile together silently.
TEST(CExport, ASourceDoesNotCompileWithTheHeaderOfAnotherExport) {
    const test::ScratchFolder dir;
    const auto example = [](const std::string& name) {
        return CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/" + name);
    };
    const std::string source = (dir / "unit.c").string();
    const std::string compile = "cc -std=c99 -fsyntax-only " + source + " > " + (dir / "cc.log").string() + " 2>&1";
    ForeignExport::WriteC(*example("heater.rb"), source, "unit");
    const std::string heaterHeader = test::fileText(dir / "unit.h");
    EXPECT_EQ(std::system(compile.c_str()), 0) << test::fileText(dir / "cc.log");
    ForeignExport::WriteC(*example("braking.rb"), source, "unit");
    std::ofstream(dir / "unit.h") << heaterHeader;
    EXPECT_NE(std::system(compile.c_str()), 0);
    EXPECT_NE(test::fileText(dir / "cc.log").find("belongs to another export"), std::string::npos);

    EXPECT_THROW(ForeignExport::WriteC(*example("heater.rb"), (dir / "it's.c").string(), "unit"), EInterchange);
}

}  // namespace
}  // namespace zorv
