#pragma once
#include "common/Messages.h"
#include "operations/Operation.h"

#include <cstdint>
#include <string>

// What an operation needs from the windows. The main window implements it with Qt; tests
// and the command line implement it with recorders.
class OperationHost {
public:
    virtual ~OperationHost() = default;
    virtual void ShowProgressWindow() = 0;
    virtual void HideProgressWindow() = 0;
    // Updates the progress display; may let the user interface process pending events
    // (that is where a press of "Cancelar" is noticed).
    virtual void ShowProgress(const std::string& action, const std::string& memoryName,
                              int32_t address) = 0;
    virtual bool CancelRequested() const = 0;
    virtual void ClearCancel() = 0;
    virtual void SetMainEnabled(bool enabled) = 0;
    virtual Messages& Msg() = 0;
    // The image, identifier or configuration changed: show the new status and contents.
    virtual void RefreshStatus() = 0;
    virtual void ImageChanged() = 0;
    // The scope boxes, read when the phase they select begins.
    virtual Scope ReadScope() const = 0;
    // The chip's device ID is not the selected device's: whether to go on anyway.
    virtual bool AskGoOnWithOtherChip(const Phrase& question) { return Msg().AskYesNo(question); }
    // The adapter's programming voltage is above the part's maximum: whether to go on.
    virtual bool AskHighVpp(const Phrase& question) { return Msg().AskYesNo(question); }
    // How the user starts the unprotect command here, for messages that point to it.
    virtual Phrase UnprotectCommand() const { return Say("operations", "«Desproteger PIC»"); }
};
