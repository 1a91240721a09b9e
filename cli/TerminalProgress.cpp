#include "cli/TerminalProgress.h"

#include <algorithm>
#include <iostream>

#include <unistd.h>

namespace zorv::cli {

TerminalProgress::TerminalProgress(std::ostream& err, std::string label)
    : TerminalProgress(err, std::move(label), drawsOn(err)) {}

TerminalProgress::TerminalProgress(std::ostream& err, std::string label, bool enabled)
    : err_(err), label_(std::move(label)), enabled_(enabled) {}

TerminalProgress::~TerminalProgress() { clear(); }

bool TerminalProgress::drawsOn(const std::ostream& err) { return &err == &std::cerr && isatty(STDERR_FILENO) == 1; }

void TerminalProgress::update(int done, int total) {
    if (!enabled_) return;
    const int percent = total > 0 ? static_cast<int>(100LL * std::max(0, std::min(done, total)) / total) : 100;
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    const int filled = percent * kWidth / 100;
    std::string percentText = std::to_string(percent);
    percentText.insert(0, 3 - std::min<std::size_t>(3, percentText.size()), ' ');
    err_ << '\r' << label_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kWidth - filled), '-') << "] " << percentText << '%' << std::flush;
    drawn_ = true;
}

ProgressReporter::Callback TerminalProgress::callback() {
    if (!enabled_) return {};
    return [this](int done, int total) { update(done, total); };
}

void TerminalProgress::clear() {
    if (!drawn_) return;
    err_ << '\r' << std::string(label_.size() + kWidth + 8, ' ') << '\r' << std::flush;
    drawn_ = false;
    shownPercent_ = -1;
}

}  // namespace zorv::cli
