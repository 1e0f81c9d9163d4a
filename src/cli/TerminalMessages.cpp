#include "cli/TerminalMessages.h"

#include "cli/CliLanguage.h"

#include <algorithm>

void TerminalMessages::Print(const Phrase& line) {
    progress_.Clear();
    ++shown_;
    std::fprintf(stream_, "%s\n", Said(line).c_str());
    std::fflush(stream_);
}

void TerminalMessages::Note(const Phrase& text) {
    Print(Phrase::Joined({"pravik-cli: ", text}));
}

void TerminalMessages::ShowError(const Phrase& message) {
    ++failures_;
    Print(message);
}

void TerminalMessages::ShowMessage(const Phrase& message) {
    ++failures_;
    Print(message);
}

bool TerminalMessages::AskAbortIgnore(const Phrase& message) {
    Print(message);
    if (ignore_) {
        return false;
    }
    ++failures_;
    Note(Say("TerminalMessages", "respuesta: Abortar (--ignore responde Ignorar)"));
    return true;
}

void TerminalMessages::ShowInfo(const Phrase& message) {
    Print(message);
}

bool TerminalMessages::AskYesNo(const Phrase& message) {
    Print(message);
    if (!yes_) {
        Note(Say("TerminalMessages", "respuesta: No (--yes responde Sí)"));
    }
    return yes_;
}
