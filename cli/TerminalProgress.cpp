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

void TerminalProgress::update(int done, int total) { update(done, total, shownDetail_); }

void TerminalProgress::update(int done, int total, const std::string& detail) {
    if (!enabled_) return;
    const int percent = total > 0 ? static_cast<int>(100LL * std::max(0, std::min(done, total)) / total) : 100;
    if (percent == shownPercent_ && detail == shownDetail_) return;
    shownPercent_ = percent;
    shownDetail_ = detail;
    const int filled = percent * kWidth / 100;
    std::string percentText = std::to_string(percent);
    percentText.insert(0, 3 - std::min<std::size_t>(3, percentText.size()), ' ');
    std::string line = label_ + " [" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(kWidth - filled), '-') + "] " + percentText + '%';
    if (!detail.empty()) line += "  " + detail;
    const std::size_t width = line.size();
    if (width < drawnWidth_) line.append(drawnWidth_ - width, ' ');  // covers the end of a longer line
    err_ << '\r' << line << std::flush;
    drawnWidth_ = width;
    drawn_ = true;
}

ProgressReporter::Callback TerminalProgress::callback() {
    if (!enabled_) return {};
    return [this](int done, int total) { update(done, total); };
}

void TerminalProgress::clear() {
    if (!drawn_) return;
    err_ << '\r' << std::string(std::max(drawnWidth_, label_.size() + kWidth + 8), ' ') << '\r' << std::flush;
    drawn_ = false;
    shownPercent_ = -1;
    shownDetail_.clear();
    drawnWidth_ = 0;
}

}  // namespace zorv::cli
