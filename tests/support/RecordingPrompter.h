#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/core/workbench/Prompter.h"

namespace zorv::test {

// Records every box and query, and answers questions and queries from queues (then with the fallbacks).
class RecordingPrompter final : public Prompter {
public:
    RecordingPrompter() = default;
    explicit RecordingPrompter(PromptAnswer fallbackAnswer) : fallback(fallbackAnswer) {}

    void show(const PromptMessage& message) override { shown.push_back(message); }
    PromptAnswer ask(const PromptMessage& question, PromptButtons buttons) override {
        asked.push_back(question);
        askedButtons.push_back(buttons);
        return next(answers, fallback);
    }
    std::optional<std::string> askText(const std::string& caption, const std::string& label,
                                       const std::string& initial) override {
        queries.push_back(caption + "|" + label + "|" + initial);
        return next(textAnswers, std::optional<std::string>());
    }

    std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
    std::vector<std::string> askedTexts() const {
        std::vector<std::string> texts;
        for (const PromptMessage& question : asked) texts.push_back(question.text);
        return texts;
    }

    std::vector<PromptMessage> shown;
    std::vector<PromptMessage> asked;
    std::vector<PromptButtons> askedButtons;
    std::vector<std::string> queries;  // "caption|label|initial"
    std::deque<PromptAnswer> answers;
    std::deque<std::optional<std::string>> textAnswers;
    PromptAnswer fallback = PromptAnswer::cancel;

private:
    template <typename T>
    static T next(std::deque<T>& queue, T fallbackValue) {
        if (queue.empty()) return fallbackValue;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

}  // namespace zorv::test
