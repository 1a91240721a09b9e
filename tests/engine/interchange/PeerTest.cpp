// Tests against a peer: the command-line tool of the fuzzylite library (a general fuzzy logic library, installed
// by the dependency script) reads our exported files and the files we import, and evaluates them. Skipped when
// the tool is absent.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/Workspace.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignExport.h"
#include "interchange/ForeignImport.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/RandomRuleBases.h"
#include "tests/support/RuleBaseTextBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = "/usr/share/doc/fuzzylite/examples";

bool PeerPresent() { return std::system("fuzzylite --help > /dev/null 2>&1") == 0 || std::system("command -v fuzzylite > /dev/null 2>&1") == 0; }

class Peer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PeerPresent()) GTEST_SKIP() << "the fuzzylite tool is not installed";
    }

    // The peer's outputs for the file on the rows of inputs (NaN where it has none).
    std::vector<double> PeerEvaluate(const fs::path& file, const std::string& format, const std::vector<std::vector<double>>& rows) {
        std::ofstream in(dir_ / "in.fld");
        in.precision(17);
        for (const auto& row : rows) {
            for (std::size_t k = 0; k < row.size(); ++k) in << (k > 0 ? " " : "") << row[k];
            in << '\n';
        }
        in.close();
        const std::string command = "fuzzylite -i '" + file.string() + "' -if " + format + " -o '" + (dir_ / "out.fld").string() +
                                    "' -of fld -d '" + (dir_ / "in.fld").string() +
                                    "' -decimals 17 -dheader false -dinputs false > /dev/null 2>&1";
        std::vector<double> out;
        if (std::system(command.c_str()) != 0) return out;
        std::ifstream result(dir_ / "out.fld");
        std::string line;
        while (std::getline(result, line)) {
            std::istringstream words(line);
            std::string first;
            words >> first;
            out.push_back(first == "nan" || first == "-nan" ? NAN : std::stod(first));
        }
        return out;
    }

    static std::vector<std::vector<double>> Inputs(const CRuleBase& unit, int count, unsigned seed) {
        std::mt19937 random(seed);
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < count; ++i) {
            std::vector<double> row;
            for (int k = 0; k < unit.AntecedentCount(); ++k)
                row.push_back(std::uniform_real_distribution<double>(unit.ContextLow(k), unit.ContextHigh(k))(random));
            rows.push_back(row);
        }
        return rows;
    }

    // Whether some rule fires at the inputs with a degree the peer takes for 0: it compares degrees with a
    // tolerance of 1e-6, so a rule firing below it (a Gaussian's tail) takes no part there.
    static bool BelowPeerTolerance(const Workspace& s) {
        for (const int r : s.active) {
            const double d = s.ruleDegree[static_cast<std::size_t>(r)];
            if (d > 0.0 && d < 1e-6) return true;
        }
        return false;
    }

    // The largest |ours - peer| over the rows where the peer gives a number, as a share of the output range.
    double WorstShare(CRuleBase& unit, const std::vector<std::vector<double>>& rows, const std::vector<double>& peer) {
        EXPECT_EQ(peer.size(), rows.size());
        const double width = unit.ContextHigh(-1) - unit.ContextLow(-1);
        double worst = 0.0;
        Workspace ws;
        for (std::size_t i = 0; i < std::min(rows.size(), peer.size()); ++i) {
            const double ours = unit.Evaluate(rows[i].data(), ws);
            if (std::isnan(peer[i]) || BelowPeerTolerance(ws)) continue;
            worst = std::max(worst, std::fabs(ours - peer[i]) / width);
        }
        return worst;
    }

    // Each test its own folder: ctest runs the tests of this file side by side.
    const test::ScratchFolder dir_;
};

// Tolerance for the peer's centroid of R cells against ours on the N grid points: both are Riemann sums of the
// same piecewise-linear conclusion, the peer's at cell midpoints (second order), ours at the grid points, which
// adds half a grid step at each end where the conclusion is not 0 there; we allow a peer cell and a grid step.
double CentroidTolerance(int peerCells, int points) { return 1.0 / peerCells + 1.0 / (points - 1); }

TEST_F(Peer, ShippedExamplesImportAndAgreeOrAreRefusedItemByItem) {
    if (!fs::exists(kExamples)) GTEST_SKIP() << "the peer's examples are not installed";
    std::set<std::string> imported;
    for (const auto& entry : fs::recursive_directory_iterator(kExamples)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".fis" && ext != ".fcl" && ext != ".fll") continue;
        const std::string path = entry.path().string();
        try {
            const ImportOutcome outcome = ForeignImport::FromFile(path, {});
            CRuleBase& unit = *outcome.unit;
            const auto rows = Inputs(unit, 200, 5);
            const auto peer = PeerEvaluate(entry.path(), ext.substr(1), rows);
            const bool sugeno = unit.descriptionType() != DescriptionType::linguistic;
            // The peer's own files: Centroid 200 in FLL, 100 where the format has no resolution.
            const double tolerance = sugeno ? 1e-9 : CentroidTolerance(ext == ".fll" ? 200 : 100, unit.Discretization(-1));
            EXPECT_LE(WorstShare(unit, rows, peer), tolerance) << path;
            // And back: our export of the imported system, evaluated by the peer.
            const fs::path back = dir_ / "back.fll";
            ForeignExport::WriteText(unit, InterchangeFormat::Fll, back.string());
            const double exported = sugeno ? 1e-9 : CentroidTolerance(unit.Discretization(-1) - 1, unit.Discretization(-1));
            EXPECT_LE(WorstShare(unit, rows, PeerEvaluate(back, "fll", rows)), exported) << path << " exported";
            imported.insert(fs::relative(entry.path(), kExamples).replace_extension().string());
        } catch (const EInterchange& refused) {
            ASSERT_FALSE(refused.messages().empty()) << path;
            for (const std::string& message : refused.messages())
                EXPECT_TRUE(std::regex_search(message, std::regex("^" + path + ":[0-9]+: "))) << message;
        }
    }
    const std::set<std::string> expected{
        "mamdani/SimpleDimmer", "original/mamdani/SimpleDimmer", "takagi-sugeno/SimpleDimmer",
        "original/takagi-sugeno/SimpleDimmer", "takagi-sugeno/octave/cubic_approximator",
        "original/takagi-sugeno/octave/cubic_approximator", "takagi-sugeno/octave/heart_disease_risk",
        "original/takagi-sugeno/octave/heart_disease_risk", "takagi-sugeno/octave/linear_tip_calculator",
        "original/takagi-sugeno/octave/linear_tip_calculator"};
    EXPECT_EQ(imported, expected);
}

TEST_F(Peer, ExportedExamplesAndRandomRuleBasesAgreeWithThePeer) {
    std::vector<std::shared_ptr<CRuleBase>> units;
    units.push_back(CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/fan.rb"));
    for (const char* name : {"heater.rb", "braking.rb"}) {  // with a method that has a counterpart
        auto unit = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/" + name);
        unit->SetInferenceMethod(*FindInferenceMethod("Fuzzy_Approximation-func_prod"));
        unit->SetDefuzzificationMethod(*FindDefuzzificationMethod("SimpleCenterOfGravity"));
        units.push_back(std::move(unit));
    }
    test::RandomRuleBases random(3);
    const char* dnf[] = {"Fuzzy_Approximation-functional", "Fuzzy_Approximation-func_prod", "Fuzzy_Approximation-func_luk"};
    for (int i = 0; i < 9; ++i) units.push_back(random.next(test::RandomRuleBases::Kind::Dnf, dnf[i % 3]).load());
    for (int i = 0; i < 4; ++i)
        units.push_back(random.next(i % 2 ? test::RandomRuleBases::Kind::Linear : test::RandomRuleBases::Kind::Singleton).load());
    for (std::size_t u = 0; u < units.size(); ++u) {
        CRuleBase& unit = *units[u];
        const auto rows = Inputs(unit, 100, 9 + static_cast<unsigned>(u));
        const bool sugeno = unit.descriptionType() != DescriptionType::linguistic;
        for (const std::string format : {"fll", "fis", "fcl"}) {
            const fs::path file = dir_ / ("unit." + format);
            ForeignExport::WriteText(unit, *InterchangeFormats::FromName(format), file.string());
            const int cells = format == "fll" ? unit.Discretization(-1) - 1 : 100;
            const double tolerance = sugeno ? 1e-9 : CentroidTolerance(cells, unit.Discretization(-1));
            EXPECT_LE(WorstShare(unit, rows, PeerEvaluate(file, format, rows)), tolerance) << u << " " << format;
        }
        if (sugeno) continue;
        // On the same grid: the output range widened by half a step on either side and one peer cell per grid
        // point put the peer's midpoints on our grid points, where the sums are the same.
        const double low = unit.ContextLow(-1), high = unit.ContextHigh(-1);
        const int n = unit.Discretization(-1);
        const double half = (high - low) / (n - 1) / 2;
        std::ostringstream range;
        range.precision(17);
        range << "range: " << low - half << ' ' << high + half;
        std::string fll = test::fileText(dir_ / "unit.fll");
        const std::size_t output = fll.find("OutputVariable:");
        const std::size_t rangeAt = fll.find("range:", output);
        fll.replace(rangeAt, fll.find('\n', rangeAt) - rangeAt, range.str());
        fll = std::regex_replace(fll, std::regex("defuzzifier: Centroid [0-9]+"), "defuzzifier: Centroid " + std::to_string(n));
        EXPECT_LE(WorstShare(unit, rows, PeerEvaluate(dir_.file("grid.fll", fll), "fll", rows)), 1e-9) << u << " on the same grid";
    }
}

// Terms named like words of the peer's rule texts, and linear conclusions at inputs outside the contexts, which
// this system clamps first.
TEST_F(Peer, ExportedNamesAreNotReadAsKeywordsAndInputsAreClampedAsHere) {
    test::RuleBaseTextBuilder builder;
    builder.type("takagi_sugeno").infer("Takagi-Sugeno Inference");
    builder.input(test::VariableText("x", 0, 10, test::userTerm("seldom", "triang", "0 0 10") + test::userTerm("then", "triang", "0 10 10")));
    builder.output(test::VariableText("y", -50, 50, "", "linc"));
    builder.rule({"seldom", "1 + 2*x1"}).rule({"then", "3 - x1"});
    const auto unit = builder.load();
    std::vector<std::vector<double>> rows;
    for (int i = 0; i <= 40; ++i) rows.push_back({-5.0 + 0.5 * i});
    const fs::path file = dir_ / "names.fll";
    ForeignExport::WriteText(*unit, InterchangeFormat::Fll, file.string());
    const std::vector<double> peer = PeerEvaluate(file, "fll", rows);
    ASSERT_EQ(peer.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double x = std::clamp(rows[i][0], 0.0, 10.0);
        EXPECT_NEAR(peer[i], unit->Evaluate(&x), 1e-9) << rows[i][0];
    }
}

}  // namespace
}  // namespace zorv
