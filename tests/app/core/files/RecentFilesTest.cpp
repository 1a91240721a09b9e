#include "app/core/files/RecentFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/core/files/PathNames.h"
#include "app/core/files/RecentFilesStore.h"
#include "app/core/workbench/SettingsKeys.h"
#include "app/core/files/UntitledNames.h"

namespace zorv {
namespace {

// The recent-files key as a map from value index to text; counts how often the key was rewritten.
class MemoryRecentStore : public RecentFilesStore {
public:
    std::optional<std::string> recentValue(int index) const override {
        ++reads;
        const auto found = values.find(index);
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    void replaceRecent(const std::vector<std::string>& paths) override {
        ++rewrites;
        values.clear();
        for (std::size_t i = 0; i < paths.size(); ++i) values[static_cast<int>(i)] = paths[i];
    }

    std::map<int, std::string> values;
    int rewrites = 0;
    mutable int reads = 0;
};

std::vector<std::string> captions(const RecentFiles& recent) {
    std::vector<std::string> result;
    for (const RecentEntry& entry : recent.entries()) result.push_back(entry.caption);
    return result;
}

TEST(RecentFiles, EmptyStoreShowsNothing) {
    MemoryRecentStore store;
    const RecentFiles recent(store);
    EXPECT_TRUE(recent.entries().empty());
    EXPECT_FALSE(recent.path(0));
}

TEST(RecentFiles, MostRecentComesFirst) {
    MemoryRecentStore store;
    RecentFiles recent(store);
    recent.enter("/data/a.rb");
    recent.enter("/data/b.rb");
    recent.enter("/other/c.rb");
    EXPECT_EQ(captions(recent), (std::vector<std::string>{"c.rb", "b.rb", "a.rb"}));
    EXPECT_EQ(recent.path(0), "/other/c.rb");
    EXPECT_EQ(recent.path(2), "/data/a.rb");
    EXPECT_EQ(store.rewrites, 3);
}

TEST(RecentFiles, OpeningTheSameFileAgainMovesItToTheTopOnce) {
    MemoryRecentStore store;
    RecentFiles recent(store);
    for (const char* path : {"/a.rb", "/b.rb", "/c.rb", "/a.rb"}) recent.enter(path);
    EXPECT_EQ(captions(recent), (std::vector<std::string>{"a.rb", "c.rb", "b.rb"}));
    EXPECT_EQ(store.values.size(), 3u);
}

TEST(RecentFiles, PathsAreComparedAsExactText) {
    MemoryRecentStore store;
    RecentFiles recent(store);
    recent.enter("/data/A.rb");
    recent.enter("/data/a.rb");
    recent.enter("/data//a.rb");
    EXPECT_EQ(store.values.size(), 3u);
}

TEST(RecentFiles, SixthDistinctFileDropsTheOldestFromTheMenu) {
    MemoryRecentStore store;
    RecentFiles recent(store);
    for (const char* path : {"/1.rb", "/2.rb", "/3.rb", "/4.rb", "/5.rb", "/6.rb"}) recent.enter(path);
    EXPECT_EQ(captions(recent), (std::vector<std::string>{"6.rb", "5.rb", "4.rb", "3.rb", "2.rb"}));
    // The key may hold a sixth value, but it is never read back into the list.
    recent.enter("/7.rb");
    EXPECT_EQ(captions(recent), (std::vector<std::string>{"7.rb", "6.rb", "5.rb", "4.rb", "3.rb"}));
    EXPECT_EQ(store.values.size(), 6u);
    EXPECT_EQ(store.values.at(5), "/2.rb");
}

TEST(RecentFiles, ReenteringAnEntryBeyondTheFifthBringsItBackWithoutDuplicates) {
    MemoryRecentStore store;
    RecentFiles recent(store);
    for (const char* path : {"/1.rb", "/2.rb", "/3.rb", "/4.rb", "/5.rb", "/6.rb", "/1.rb"}) recent.enter(path);
    EXPECT_EQ(captions(recent), (std::vector<std::string>{"1.rb", "6.rb", "5.rb", "4.rb", "3.rb"}));
}

TEST(RecentFiles, GapsAndEmptyValuesAreSkipped) {
    MemoryRecentStore store;
    store.values = {{0, "/a.rb"}, {1, ""}, {3, "/d.rb"}, {7, "/never.rb"}};
    RecentFiles recent(store);
    const auto entries = recent.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (RecentEntry{0, "a.rb"}));
    EXPECT_EQ(entries[1], (RecentEntry{3, "d.rb"}));
    EXPECT_FALSE(recent.path(1));

    recent.enter("/new.rb");
    EXPECT_EQ(store.values, (std::map<int, std::string>{{0, "/new.rb"}, {1, "/a.rb"}, {2, "/d.rb"}}));
}

TEST(RecentFiles, PathIsReadAgainFromTheStore) {
    MemoryRecentStore store;
    RecentFiles recent(store);
    recent.enter("/a.rb");
    store.values[0] = "/changed.rb";
    EXPECT_EQ(recent.path(0), "/changed.rb");
}

TEST(PathNames, Parts) {
    struct Case {
        std::string path, fileName, unitName, directory;
    };
    const Case cases[] = {
        {"/data/heater.rb", "heater.rb", "heater", "/data"},
        {"heater.rb", "heater.rb", "heater", ""},
        {"/data/my.unit.rb", "my.unit.rb", "my.unit", "/data"},
        {"/data/noext", "noext", "noext", "/data"},
        {"NoName0.rb", "NoName0.rb", "NoName0", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(PathNames::fileName(c.path), c.fileName);
        EXPECT_EQ(PathNames::unitName(c.path), c.unitName);
        EXPECT_EQ(PathNames::directory(c.path), c.directory);
    }
}

TEST(UntitledNames, CountFromZero) {
    UntitledNames names;
    EXPECT_EQ(names.next(), "NoName0.rb");
    EXPECT_EQ(names.next(), "NoName1.rb");
    UntitledNames other;
    EXPECT_EQ(other.next(), "NoName0.rb");
}

TEST(SettingsKeys, ValueNamesNeverSplitIntoGroups) {
    const std::pair<std::string, std::string> cases[] = {
        {"Zorvix", "Zorvix"},
        {"Inference unit", "Inference unit"},
        {"/data/heater.rb", "%2Fdata%2Fheater.rb"},
        {"C:\\rb\\fan.rb", "C:%5Crb%5Cfan.rb"},
        {"100%/x", "100%25%2Fx"},
        {"", ""},
    };
    for (const auto& [caption, name] : cases) {
        EXPECT_EQ(SettingsKeys::valueName(caption), name) << caption;
    }
    // Distinct captions stay distinct.
    EXPECT_NE(SettingsKeys::valueName("a/b"), SettingsKeys::valueName("a%2Fb"));
    EXPECT_EQ(SettingsKeys::slashed(SettingsKeys::kRecentFiles), "SOFTWARE/ZorvWin/RecentFiles");
}

}  // namespace
}  // namespace zorv
