#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/CliTestSupport.h"

namespace zorv::cli::test {
namespace {

constexpr const char* kDimmer = R"(Engine: dimmer
InputVariable: ambient
  range: 0 1
  term: dark Triangle 0 0.25 0.5
  term: bright Triangle 0.5 0.75 1
OutputVariable: power
  range: 0 1
  aggregation: Maximum
  defuzzifier: Centroid 200
  term: low Triangle 0 0.25 0.5
  term: high Triangle 0.5 0.75 1
RuleBlock: rules
  implication: Minimum
  rule: if ambient is dark then power is high
  rule: if ambient is bright then power is low
)";

TEST(InterchangeCommands, ImportThenExportToEveryFormatAndC) {
    const ScratchFolder folder;
    const std::string fll = folder.file("dimmer.fll", kDimmer);
    const std::string rb = folder.path("dimmer.rb");
    const CommandResult imported = runZorv({"import", fll, "-o", rb});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.err.find("note: "), std::string::npos);  // the grids chosen
    for (const char* format : {"fll", "fis", "fcl"}) {
        const CommandResult exported = runZorv({"export", rb, "--to", format, "-o", folder.path(std::string("out.") + format)});
        EXPECT_EQ(exported.status, 0) << exported.err;
    }
    const CommandResult c = runZorv({"export", rb, "-o", folder.path("dim.c"), "--prefix", "lamp"});
    ASSERT_EQ(c.status, 0) << c.err;
    EXPECT_NE(fileText(folder.path("dim.c")).find("int lamp_evaluate(const double *inputs, double *output)"), std::string::npos);
    EXPECT_NE(fileText(folder.path("dim.h")).find("#define lamp_INPUT_COUNT 1"), std::string::npos);
    // Written files are not replaced without --force, and an input not even with it.
    EXPECT_EQ(runZorv({"export", rb, "-o", folder.path("dim.c")}).status, 2);
    const std::string before = fileText(rb);
    EXPECT_EQ(runZorv({"export", rb, "--to", "fll", "-o", rb, "--force"}).status, 2);
    EXPECT_EQ(runZorv({"import", fll, "-o", fll, "--force"}).status, 2);
    EXPECT_EQ(fileText(rb), before);
    EXPECT_EQ(fileText(fll), kDimmer);
    // A source named like its header would replace it; a source that cannot be written leaves no header.
    EXPECT_EQ(runZorv({"export", rb, "--to", "c", "-o", folder.path("dim.h"), "--force"}).status, 2);
    EXPECT_NE(fileText(folder.path("dim.h")).find("#define lamp_INPUT_COUNT 1"), std::string::npos);
    std::filesystem::create_directory(folder.path("lamp"));
    EXPECT_EQ(runZorv({"export", rb, "--to", "c", "-o", folder.path("lamp")}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder.path("lamp.h")));
}

TEST(InterchangeCommands, RefusalsAreBadInputAndTheCommandLineIsUsage) {
    const ScratchFolder folder;
    std::string text = kDimmer;
    text.replace(text.find("Triangle 0.5 0.75 1"), 19, "Bell 0.75 0.2 2");
    const std::string fll = folder.file("bell.fll", text);
    const CommandResult refused = runZorv({"import", fll, "-o", folder.path("bell.rb")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("error: " + fll + ":5: term \"bright\""), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path("bell.rb")));
    EXPECT_EQ(runZorv({"import", fll, "-o", folder.path("bell.rb"), "--approximate"}).status, 0);

    const CommandResult method = runZorv({"export", example("heater.rb"), "--to", "fis", "-o", folder.path("heater.fis")});
    EXPECT_EQ(method.status, 1);
    EXPECT_NE(method.err.find("Perception-based Logical Deduction"), std::string::npos);
    EXPECT_EQ(runZorv({"import", fll}).status, 2);
    EXPECT_EQ(runZorv({"export", fll, "--to", "xml", "-o", folder.path("x")}).status, 2);
    EXPECT_EQ(runZorv({"import", folder.path("missing.fis"), "-o", folder.path("m.rb")}).status, 2);

    // The C source includes its header by name, within double quotes.
    for (const std::string name : {"x\"y.c", "new\nline.c", "back\\slash.c", "what??.c"}) {
        const CommandResult c = runZorv({"export", example("heater.rb"), "--to", "c", "-o", folder.path(name)});
        EXPECT_EQ(c.status, 2) << name;
        EXPECT_NE(c.err.find("could not include its header by that name"), std::string::npos) << c.err;
        EXPECT_FALSE(std::filesystem::exists(folder.path(name)));
    }
}

}  // namespace
}  // namespace zorv::cli::test
