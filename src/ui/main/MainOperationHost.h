#pragma once
#include "operations/OperationHost.h"

class TLumbroForm;
class TProcesaForm;

// The operation engine's view of the windows: the progress window with its "Cancelar",
// the main window's enabled state, grids, status bar and scope boxes.
class MainOperationHost : public OperationHost {
public:
    MainOperationHost(TLumbroForm& form, TProcesaForm& progress)
        : form_(form), progress_(progress) {}

    void ShowProgressWindow() override;
    void HideProgressWindow() override;
    void ShowProgress(const std::string& action, const std::string& memoryName,
                      int32_t address) override;
    bool CancelRequested() const override;
    void ClearCancel() override;
    void SetMainEnabled(bool enabled) override;
    Messages& Msg() override;
    void RefreshStatus() override;
    void ImageChanged() override;
    Scope ReadScope() const override;

private:
    TLumbroForm& form_;
    TProcesaForm& progress_;
};
