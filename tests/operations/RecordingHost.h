#pragma once
#include "operations/OperationHost.h"
#include "support/ScriptedMessages.h"

#include <functional>
#include <string>
#include <vector>

// The windows as an operation sees them, recorded: progress updates, enabled state,
// progress window visibility and messages; "Cancelar" pressed from a callback.
class RecordingHost : public OperationHost {
public:
    struct Update {
        std::string action;
        std::string memory;
        int32_t address;
    };

    void ShowProgressWindow() override { progressVisible = true; }
    void HideProgressWindow() override { progressVisible = false; }
    void ShowProgress(const std::string& action, const std::string& memoryName,
                      int32_t address) override {
        updates.push_back({action, memoryName, address});
        if (onProgress) {
            onProgress(updates.back());
        }
    }
    bool CancelRequested() const override {
        // cancelAtCheck = n presses "Cancelar" just before the engine's n-th look at it.
        return cancel || ++checks == cancelAtCheck;
    }
    void ClearCancel() override { cancel = false; }
    void SetMainEnabled(bool enabled) override { mainEnabled = enabled; }
    Messages& Msg() override { return messages; }
    void RefreshStatus() override { ++refreshes; }
    void ImageChanged() override {}
    Scope ReadScope() const override { return scope; }

    ScriptedMessages messages;
    Scope scope;
    std::vector<Update> updates;
    std::function<void(const Update&)> onProgress;
    bool cancel = false;
    int cancelAtCheck = 0;
    mutable int checks = 0;
    bool progressVisible = false;
    bool mainEnabled = true;
    int refreshes = 0;
};
