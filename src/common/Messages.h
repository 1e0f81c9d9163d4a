#pragma once
#include "common/Phrase.h"

#include <optional>
#include <string>

// Every message the program shows the user goes through one Messages object, so the
// window build shows real dialogs while tests and the command line answer them from a script.
// A message is a Phrase: its Spanish text, and how a front end says it in the chosen language.
class Messages {
public:
    virtual ~Messages() = default;
    // Error box with OK.
    virtual void ShowError(const Phrase& message) = 0;
    // Warning box with Abort and Ignore; true only when the user chose Abort.
    virtual bool AskAbortIgnore(const Phrase& message) = 0;
    // Information box with OK.
    virtual void ShowInfo(const Phrase& message) = 0;
    // Confirmation box with Yes and No; true when the user chose Yes.
    virtual bool AskYesNo(const Phrase& message) = 0;
    // The plain message box of the programming layer (no icon, OK only).
    virtual void ShowMessage(const Phrase& message) { ShowInfo(message); }
    // A line of text asked for, starting from `initial`; none when the user cancels (and
    // where nobody can be asked).
    virtual std::optional<std::string> AskText(const Phrase&, const std::string&) {
        return std::nullopt;
    }
};
