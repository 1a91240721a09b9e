#include "app/core/files/EditorCloseGuard.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/RecordingPrompter.h"

namespace zorv {
namespace {

TEST(EditorCloseGuard, UnmodifiedEditorClosesWithoutAQuestion) {
    test::RecordingPrompter prompter(PromptAnswer::cancel);
    int saves = 0;
    EXPECT_TRUE(EditorCloseGuard::mayClose(false, "/data/a.rb", prompter, [&] {
        ++saves;
        return SaveOutcome::saved;
    }));
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(saves, 0);
}

TEST(EditorCloseGuard, AnswersAndSaveOutcomes) {
    struct Case {
        PromptAnswer answer;
        SaveOutcome outcome;
        bool closes;
        int saves;
    };
    const Case cases[] = {
        {PromptAnswer::yes, SaveOutcome::saved, true, 1},
        // A save that did not happen must not throw the changes away.
        {PromptAnswer::yes, SaveOutcome::cancelled, false, 1},
        {PromptAnswer::yes, SaveOutcome::failed, false, 1},
        {PromptAnswer::no, SaveOutcome::saved, true, 0},
        {PromptAnswer::cancel, SaveOutcome::saved, false, 0},
    };
    for (const Case& c : cases) {
        test::RecordingPrompter prompter(c.answer);
        int saves = 0;
        const bool closes = EditorCloseGuard::mayClose(true, "/data/heater.rb", prompter, [&] {
            ++saves;
            return c.outcome;
        });
        EXPECT_EQ(closes, c.closes) << static_cast<int>(c.answer) << " " << static_cast<int>(c.outcome);
        EXPECT_EQ(saves, c.saves);
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0],
                  (PromptMessage{"Do you want to save changes in heater.rb?", "Confirmation", PromptIcon::question}));
        EXPECT_EQ(prompter.askedButtons.back(), PromptButtons::yesNoCancel);
    }
}

}  // namespace
}  // namespace zorv
