#include "cli/TerminalMessages.h"

#include <algorithm>

void TerminalMessages::Print(const std::string& line) {
    progress_.Clear();
    ++shown_;
    std::fprintf(stream_, "%s\n", line.c_str());
    std::fflush(stream_);
}

void TerminalMessages::Note(const std::string& text) {
    Print("pravik-cli: " + text);
}

void TerminalMessages::ShowError(const std::string& message) {
    ++failures_;
    Print(message);
}

void TerminalMessages::ShowMessage(const std::string& message) {
    ++failures_;
    Print(message);
}

bool TerminalMessages::AskAbortIgnore(const std::string& message) {
    Print(message);
    if (ignore_) {
        return false;
    }
    ++failures_;
    Note("answered Abort (--ignore answers Ignore)");
    return true;
}

void TerminalMessages::ShowInfo(const std::string& message) {
    infos_.push_back(message);
    Print(message);
}

bool TerminalMessages::AskYesNo(const std::string& message) {
    Print(message);
    if (!yes_) {
        Note("answered No: give --yes to confirm");
    }
    return yes_;
}

int TerminalMessages::InfoCount(const std::string& text) const {
    return static_cast<int>(std::count(infos_.begin(), infos_.end(), text));
}
