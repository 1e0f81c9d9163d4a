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
    Note("respuesta: Abortar (--ignore responde Ignorar)");
    return true;
}

void TerminalMessages::ShowInfo(const std::string& message) {
    Print(message);
}

bool TerminalMessages::AskYesNo(const std::string& message) {
    Print(message);
    if (!yes_) {
        Note("respuesta: No (--yes responde Sí)");
    }
    return yes_;
}
