#pragma once

#include <ostream>
#include <string>

#include "ftransform/command/ProgressReporter.h"

namespace zorv::cli {

// A progress bar for a long computation, "label [#########-----------]  45%", redrawn in place on standard
// error. It is drawn only when the stream is the process's standard error and that is a terminal, so that
// redirected output and tests see nothing of it. The line is cleared when the bar goes away.
class TerminalProgress {
public:
    TerminalProgress(std::ostream& err, std::string label);
    // enabled: draw whatever the stream is (for tests).
    TerminalProgress(std::ostream& err, std::string label, bool enabled);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool enabled() const { return enabled_; }
    // done of total steps are finished; redraws when the shown percentage changes.
    void update(int done, int total);
    // The same with a short text after the percentage ("rmse 1.25"); redraws when either changes.
    void update(int done, int total, const std::string& detail);
    // A callback for the engine's progress reports; empty when the bar is not drawn.
    ProgressReporter::Callback callback();
    // Clears the bar's line (also done by the destructor).
    void clear();

    // Whether err is standard error and standard error a terminal.
    static bool drawsOn(const std::ostream& err);

private:
    static constexpr int kWidth = 30;

    std::ostream& err_;
    std::string label_;
    bool enabled_;
    bool drawn_ = false;
    int shownPercent_ = -1;
    std::string shownDetail_;
    std::size_t drawnWidth_ = 0;
};

}  // namespace zorv::cli
