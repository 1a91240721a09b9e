#include "ftransform/transform/TFTVectorWriter.h"
#include "ftransform/transform/TFTransform.h"
#include "io/EWrite.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace zorv {
namespace {

namespace fs = std::filesystem;

// One axis on 0 .. 10 with 3 triangular nodes and the components 1.5, 2 and 2.5.
TFTransform exampleTransform() {
    TFTransform t(std::vector{PartitionSettings{0.0, 10.0, 3, BasicFunctionShape::Triangular}});
    t.reset();
    t.addPoint(std::vector{0.0, 1.5});
    t.addPoint(std::vector{5.0, 2.0});
    t.addPoint(std::vector{10.0, 2.5});
    t.finish();
    return t;
}

const std::string kExampleFile =
    "dimensions: 1\n"
    "\n"
    "dim 0:\n"
    "  low: 0\n"
    "  high: 10\n"
    "  nodes: 3\n"
    "  type: triangular\n"
    "\n"
    "0\t1.500000000000000000\n"
    "1\t2.000000000000000000\n"
    "2\t2.500000000000000000\n"
    "\n";


class FTVectorFile : public ::testing::Test {
protected:
    test::ScratchFolder directory_;
};

TEST_F(FTVectorFile, ExampleIsWrittenByteForByte) {
    const fs::path path = directory_ / "example.ftv";
    exampleTransform().writeFTVector(path);
    EXPECT_EQ(test::fileText(path), kExampleFile);
    EXPECT_EQ(directory_.entries(), std::vector<std::string>{"example.ftv"});
}

TEST_F(FTVectorFile, OnlyValidCellsAreListedWithTheirIndicesFirstAxisFirst) {
    TFTransform t(std::vector{PartitionSettings{-0.5, 2.5, 2, BasicFunctionShape::Sinusoidal},
                              PartitionSettings{1e-7, 123456789.0, 3, BasicFunctionShape::FuzzyNumber}});
    t.reset();
    t.addPoint(std::vector{2.5, 123456789.0, -0.25});  // node (1, 2) only
    t.finish();
    std::ostringstream out;
    ASSERT_TRUE(TFTVectorWriter::write(t, out));
    EXPECT_EQ(out.str(),
              "dimensions: 2\n\n"
              "dim 0:\n  low: -0.5\n  high: 2.5\n  nodes: 2\n  type: sinusoidal\n\n"
              "dim 1:\n  low: 1e-07\n  high: 1.23457e+08\n  nodes: 3\n  type: fuzzynumber\n\n"
              "1\t2\t-0.250000000000000000\n"
              "\n");
}

TEST_F(FTVectorFile, TransformWithoutValidComponentsWritesOnlyTheHeader) {
    TFTransform t(std::vector{PartitionSettings{0.0, 1.0, 4, BasicFunctionShape::Quadratic}});
    t.reset();
    t.finish();
    std::ostringstream out;
    TFTVectorWriter::write(t, out);
    EXPECT_EQ(out.str(), "dimensions: 1\n\ndim 0:\n  low: 0\n  high: 1\n  nodes: 4\n  type: quadratic\n\n\n");
}

TEST_F(FTVectorFile, RewritingReplacesThePreviousFile) {
    const fs::path path = directory_ / "data.ftv";
    std::ofstream(path) << "an older and much longer content that must disappear entirely\n";
    exampleTransform().writeFTVector(path);
    EXPECT_EQ(test::fileText(path), kExampleFile);
}

TEST_F(FTVectorFile, FailureLeavesThePreviousFileIntact) {
    const fs::path path = directory_ / "kept.ftv";
    std::ofstream(path) << "previous";
    fs::permissions(path, fs::perms::owner_read);  // refused, even for the superuser
    EXPECT_THROW(exampleTransform().writeFTVector(path), EWrite);
    EXPECT_EQ(test::fileText(path), "previous");
    EXPECT_EQ(directory_.entries(), std::vector<std::string>{"kept.ftv"});
}

TEST_F(FTVectorFile, FailureToOpenThrowsAndCreatesNothing) {
    const fs::path path = directory_ / "missing-folder" / "x.ftv";
    EXPECT_THROW(exampleTransform().writeFTVector(path), EWrite);
    EXPECT_FALSE(fs::exists(path.parent_path()));
    EXPECT_THROW(exampleTransform().writeFTVector(""), EWrite);
}

TEST_F(FTVectorFile, TargetThatIsAFolderIsNotReplacedAndLeavesNoTemporary) {
    const fs::path path = directory_ / "folder.ftv";
    fs::create_directories(path / "inside");
    EXPECT_THROW(exampleTransform().writeFTVector(path), EWrite);
    EXPECT_TRUE(fs::is_directory(path / "inside"));
    EXPECT_EQ(directory_.entries(), std::vector<std::string>{"folder.ftv"});
}

TEST(FTVectorDefaultPath, TakesTheDataFileNameWithTheFtvExtension) {
    EXPECT_EQ(TFTVectorWriter::defaultPathFor("/data/run.1/samples.txt"), fs::path("/data/run.1/samples.ftv"));
    EXPECT_EQ(TFTVectorWriter::defaultPathFor("samples"), fs::path("samples.ftv"));
}

}  // namespace
}  // namespace zorv
