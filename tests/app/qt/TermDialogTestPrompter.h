#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/qt/TermDialogPrompter.h"

namespace zorv::test {

// Records what the dialogs show and answers their questions from scripted queues.
class TermDialogTestPrompter final : public TermDialogPrompter {
public:
    void show(QWidget*, const TermDialogMessage& message) override { messages.push_back(message); }
    VariableRecomputeAnswer askRecompute(QWidget*, const VariableRecomputeQuestion& question) override {
        questions.push_back(question.text);
        if (recomputeAnswers.empty()) return VariableRecomputeAnswer::cancel;
        const auto answer = recomputeAnswers.front();
        recomputeAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> askText(QWidget*, const std::string& caption, const std::string& label,
                                       const std::string& initial) override {
        queries.push_back(caption + "|" + label + "|" + initial);
        if (textAnswers.empty()) return std::nullopt;
        auto answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }

    std::string lastText() const { return messages.empty() ? std::string() : messages.back().text; }

    std::vector<TermDialogMessage> messages;
    std::vector<std::string> questions;
    std::vector<std::string> queries;
    std::deque<VariableRecomputeAnswer> recomputeAnswers;
    std::deque<std::optional<std::string>> textAnswers;
};

}  // namespace zorv::test
