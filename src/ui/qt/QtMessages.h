#pragma once
#include "common/Messages.h"

class QWidget;

// The message helpers as the platform's standard modal message dialogs.
class QtMessages : public Messages {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void ShowError(const Phrase& message) override;
    bool AskAbortIgnore(const Phrase& message) override;
    void ShowInfo(const Phrase& message) override;
    bool AskYesNo(const Phrase& message) override;
    void ShowMessage(const Phrase& message) override;
    std::optional<std::string> AskText(const Phrase& question, const std::string& initial) override;

private:
    QWidget* parent_ = nullptr;
};
