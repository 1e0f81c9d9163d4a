#include "cli/TerminalHost.h"

#include "cli/CliLanguage.h"
#include "cli/Interrupt.h"
#include "operations/ProgressText.h"

TerminalHost::TerminalHost(ProgressLine& progress, TerminalMessages& messages,
                           const MemoryImage& image, Scope scope, bool force)
    : progress_(progress), messages_(messages), image_(image), scope_(scope), force_(force) {}

void TerminalHost::ShowProgress(const std::string& action, const std::string& memoryName,
                                int32_t address) {
    if (!progress_.Enabled()) {
        return;
    }
    const ProgressText text =
        FormatProgress(action, memoryName, address, image_.ProgUsed, image_.EEPromUsed);
    // The window repaints only on these updates; a terminal needs no more than that.
    if (!text.pumpEvents) {
        return;
    }
    int32_t limit = 0;
    if (memoryName == "Programa") {
        limit = image_.ProgUsed;
    } else if (memoryName == "EEPROM") {
        limit = image_.EEPromUsed;
    }
    progress_.Show(ProgressLineText(Said(text.accion), text.dir, address, limit));
}

bool TerminalHost::CancelRequested() const {
    return InterruptRequested();
}

// The window clears its button before each operation because a press belonged to the
// operation it interrupted. A Ctrl-C stops the whole command instead: the write that a
// verify follows, or the blank check before a one-time-programmable write, must not go on
// after it.
void TerminalHost::ClearCancel() {}

bool TerminalHost::AskGoOnWithOtherChip(const Phrase& question) {
    // Counted as a failure when refused: the command did not do what it was asked.
    if (force_) {
        messages_.ShowInfo(question);
        messages_.Note(Say("TerminalHost", "respuesta: Sí (--force)"));
        return true;
    }
    messages_.ShowError(question);
    messages_.Note(Say("TerminalHost", "respuesta: No (--force responde Sí)"));
    return false;
}

bool TerminalHost::AskHighVpp(const Phrase& question) {
    return AskGoOnWithOtherChip(question);
}
