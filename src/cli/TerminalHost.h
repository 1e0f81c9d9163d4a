#pragma once
#include "cli/ProgressLine.h"
#include "cli/TerminalMessages.h"
#include "image/MemoryImage.h"
#include "operations/OperationHost.h"

// The operation engine's view of the terminal: the progress line stands in for the
// progress window, Ctrl-C (caught for the whole command, see Interrupt.h) for its
// "Cancelar", the command line's scope options for the scope boxes. There is no main
// window to disable or refresh.
class TerminalHost : public OperationHost {
public:
    TerminalHost(ProgressLine& progress, TerminalMessages& messages, const MemoryImage& image,
                 Scope scope, bool force);
    TerminalHost(const TerminalHost&) = delete;
    TerminalHost& operator=(const TerminalHost&) = delete;

    void ShowProgressWindow() override {}
    void HideProgressWindow() override { progress_.Clear(); }
    void ShowProgress(const std::string& action, const std::string& memoryName,
                      int32_t address) override;
    bool CancelRequested() const override;
    // Keeps a pending Ctrl-C: it stops every operation of the command.
    void ClearCancel() override;
    void SetMainEnabled(bool) override {}
    Messages& Msg() override { return messages_; }
    void RefreshStatus() override {}
    void ImageChanged() override {}
    Scope ReadScope() const override { return scope_; }
    // Another device's chip: only --force goes on.
    bool AskGoOnWithOtherChip(const Phrase& question) override;
    // A programming voltage above the part's maximum: only --force goes on.
    bool AskHighVpp(const Phrase& question) override;
    Phrase UnprotectCommand() const override {
        return Say("TerminalHost", "«pravik-cli --yes unprotect»");
    }

private:
    ProgressLine& progress_;
    TerminalMessages& messages_;
    const MemoryImage& image_;
    Scope scope_;
    bool force_;
};
