#pragma once

#include <vector>

#include "app/core/Prompter.h"

namespace zorv::test {

// Records every message and question and answers every question the same way.
class ScriptedPrompter : public Prompter {
public:
    explicit ScriptedPrompter(PromptAnswer answer) : answer_(answer) {}
    void show(const PromptMessage& message) override { shown.push_back(message); }
    PromptAnswer ask(const PromptMessage& question, PromptButtons buttons) override {
        asked.push_back(question);
        lastButtons = buttons;
        return answer_;
    }

    std::vector<PromptMessage> shown;
    std::vector<PromptMessage> asked;
    PromptButtons lastButtons = PromptButtons::yesNo;

private:
    PromptAnswer answer_;
};

}  // namespace zorv::test
