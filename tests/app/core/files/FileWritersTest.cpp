// Every file the program writes goes through the one atomic writer: rule bases, output tables, learned
// rule lists and FT-Vector files alike keep permissions and links and refuse read-only targets.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/core/data/DataOutputWriter.h"
#include "ftransform/transform/TFTransform.h"
#include "io/EWrite.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/learning/RulesFile.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

namespace fs = std::filesystem;
using test::fileText;
using test::ScratchFolder;

struct Writer {
    const char* name;
    std::function<bool(const fs::path&)> write;  // false when the file was not written
};

std::vector<Writer> writers() {
    return {
        {"rule base",
         [](const fs::path& path) {
             try {
                 CRuleBase::Create(DescriptionType::linguistic)->SaveToFile(path.string());
                 return true;
             } catch (const EWrite&) {
                 return false;
             }
         }},
        {"output table", [](const fs::path& path) { return !DataOutputWriter::WriteFile(DataGrid(3), path); }},
        {"rules",
         [](const fs::path& path) { return !RulesFile::write(path, std::vector<LearnedRule>{{{"sm"}, true, 1}}); }},
        {"FT-Vector",
         [](const fs::path& path) {
             TFTransform transform(std::vector{PartitionSettings{0.0, 1.0, 2, BasicFunctionShape::Triangular}});
             try {
                 transform.writeFTVector(path);
                 return true;
             } catch (const EWrite&) {
                 return false;
             }
         }},
    };
}

TEST(FileWriters, KeepModesAndLinksAndRefuseReadOnlyTargets) {
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name);
        ScratchFolder folder;
        const fs::path target = folder.file("target", "old");
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
        fs::create_symlink("target", folder / "link");
        // A link planted where a writer once put its temporary file must not be followed.
        const fs::path victim = folder.file("victim", "untouched");
        fs::create_symlink(victim, folder / "target.zorv-tmp");

        ASSERT_TRUE(writer.write(folder / "link"));
        EXPECT_TRUE(fs::is_symlink(folder / "link"));
        EXPECT_NE(fileText(target), "old");
        EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(fileText(victim), "untouched");

        const fs::path readOnly = folder.file("read-only", "kept");
        fs::permissions(readOnly, fs::perms::owner_read);
        EXPECT_FALSE(writer.write(readOnly));
        EXPECT_EQ(fileText(readOnly), "kept");
        EXPECT_EQ(folder.entries(),
                  (std::vector<std::string>{"link", "read-only", "target", "target.zorv-tmp", "victim"}));
    }
}

}  // namespace
}  // namespace zorv
