#include "app/core/files/RuleBaseOpener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/core/files/RuleBaseSaver.h"
#include "rulebase/CFuzzyVariable.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

namespace fs = std::filesystem;

class RuleBaseFiles : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text) const { return dir.file(name, text); }

    test::ScratchFolder dir;
};

TEST_F(RuleBaseFiles, MissingPathsAreNotFound) {
    for (const std::string& path : {(dir / "absent.rb").string(), std::string()}) {
        const OpenedRuleBase opened = RuleBaseOpener::open(path);
        EXPECT_EQ(opened.status, OpenedRuleBase::Status::missing);
        EXPECT_FALSE(opened.unit);
        ASSERT_TRUE(opened.failure);
        EXPECT_EQ(*opened.failure, (PromptMessage{"File not found: " + path, "IO Error", PromptIcon::warning}));
    }
}

TEST_F(RuleBaseFiles, BrokenFilesGiveTheReadersMessageWithThePlaceOfTheFault) {
    const std::pair<std::string, std::string> cases[] = {
        {"no end marker", "bad file type"},
        {"", "bad file type"},
        {"RULES\nEND_RULES\n", "missing: InfMethod"},
    };
    for (const auto& [text, message] : cases) {
        const std::string path = write("broken.rb", text);
        const OpenedRuleBase opened = RuleBaseOpener::open(path);
        EXPECT_EQ(opened.status, OpenedRuleBase::Status::broken) << text;
        EXPECT_FALSE(opened.unit);
        ASSERT_TRUE(opened.failure);
        EXPECT_EQ(opened.failure->caption, "Syntax error");
        EXPECT_EQ(opened.failure->icon, PromptIcon::none);
        EXPECT_EQ(opened.failure->text, path + ": " + message);
    }

    std::ifstream example(ZORV_SOURCE_DIR "/examples/heater.rb");
    std::string text((std::istreambuf_iterator<char>(example)), std::istreambuf_iterator<char>());
    const std::string rule = " \"sm\" \"me\" | \"ve bi\"";
    const std::size_t at = text.find(rule);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, rule.size(), " \"sm\" \"me\" | \"ve bi xx\"");
    const std::string path = write("fault.rb", text);
    const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    const OpenedRuleBase opened = RuleBaseOpener::open(path);
    ASSERT_TRUE(opened.failure);
    const std::string& box = opened.failure->text;
    EXPECT_EQ(box.substr(0, box.find(": ")), path + ":" + std::to_string(line) + ":21") << box;  // at "xx"
    EXPECT_TRUE(box.ends_with("\n \"sm\" \"me\" | \"ve bi xx\"")) << box;
}

TEST_F(RuleBaseFiles, ADirectoryIsRefusedAsBroken) {
    const OpenedRuleBase opened = RuleBaseOpener::open(dir.root().string());
    EXPECT_EQ(opened.status, OpenedRuleBase::Status::broken);
    EXPECT_EQ(opened.failure->caption, "Syntax error");
}

TEST_F(RuleBaseFiles, SavedUnitOpensEqual) {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->SetDescription("two\nlines");
    const std::string path = (dir / "saved.rb").string();
    EXPECT_FALSE(RuleBaseSaver::write(*unit, path));

    const OpenedRuleBase opened = RuleBaseOpener::open(path);
    ASSERT_EQ(opened.status, OpenedRuleBase::Status::loaded);
    EXPECT_EQ(opened.unit->Name(), path);
    EXPECT_EQ(opened.unit->Rules(), unit->Rules());
    EXPECT_EQ(opened.unit->Description(), "two\nlines");
}

TEST_F(RuleBaseFiles, UnwritableTargetGivesCannotWriteAndKeepsTheOldFile) {
    const auto unit = CRuleBase::Create(DescriptionType::singleton);
    const auto failure = RuleBaseSaver::write(*unit, (dir / "no-such-dir" / "x.rb").string());
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, (PromptMessage{"Cannot write to rulebase file", "Write Error", PromptIcon::warning}));

    const std::string existing = write("old.rb", "old content");
    fs::permissions(dir.root(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool refused = RuleBaseSaver::write(*unit, existing).has_value();
    fs::permissions(dir.root(), fs::perms::owner_all);
    if (refused) {
        std::ifstream in(existing);
        std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(content, "old content");
    }
}

TEST_F(RuleBaseFiles, UnitTheFileCannotHoldIsRefusedWithItsReason) {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->SetDescription("ends early\n!END_COMMENT!\n");
    const std::string path = (dir / "refused.rb").string();
    const auto failure = RuleBaseSaver::write(*unit, path);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->caption, "Write Error");
    EXPECT_NE(failure->text, "Cannot write to rulebase file");
    EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace zorv
