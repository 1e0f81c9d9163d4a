#pragma once
#include "cli/ProgressLine.h"
#include "common/Messages.h"

#include <cstdio>
#include <string>
#include <vector>

// The message boxes of the program as lines on standard error, with the window's texts.
// Questions are answered from the command line (--yes, --ignore). It also keeps what a
// command runner needs to decide the exit status: whether anything went wrong and which
// texts were shown.
class TerminalMessages : public Messages {
public:
    TerminalMessages(std::FILE* stream, ProgressLine& progress, bool yes, bool ignore)
        : stream_(stream), progress_(progress), yes_(yes), ignore_(ignore) {}

    void ShowError(const Phrase& message) override;
    bool AskAbortIgnore(const Phrase& message) override;
    void ShowInfo(const Phrase& message) override;
    bool AskYesNo(const Phrase& message) override;
    // The programming layer's plain box only ever reports a fault.
    void ShowMessage(const Phrase& message) override;

    // A line of the command line program itself (not one of the window's texts).
    void Note(const Phrase& text);

    // Errors shown, and warnings answered Abort, since the start.
    int Failures() const { return failures_; }
    // Lines printed since the start.
    int Shown() const { return shown_; }

private:
    void Print(const Phrase& line);

    std::FILE* stream_;
    ProgressLine& progress_;
    bool yes_;
    bool ignore_;
    int failures_ = 0;
    int shown_ = 0;
};
