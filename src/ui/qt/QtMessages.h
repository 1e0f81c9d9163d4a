#pragma once
#include "common/Messages.h"

class QWidget;

// The message helpers as the platform's standard modal message dialogs.
class QtMessages : public Messages {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void ShowError(const std::string& message) override;
    bool AskAbortIgnore(const std::string& message) override;
    void ShowInfo(const std::string& message) override;
    bool AskYesNo(const std::string& message) override;
    void ShowMessage(const std::string& message) override;
    std::optional<std::string> AskText(const std::string& question,
                                       const std::string& initial) override;

private:
    QWidget* parent_ = nullptr;
};
