#include "ui/main/MainOperationHost.h"

#include "ui/dialogs/TProcesaForm.h"
#include "ui/main/TLumbroForm.h"

#include <QCoreApplication>

void MainOperationHost::ShowProgressWindow() {
    // Centred on the main window.
    progress_.move(form_.frameGeometry().center() - progress_.rect().center());
    progress_.show();
    progress_.raise();
    QCoreApplication::processEvents();
}

void MainOperationHost::HideProgressWindow() {
    progress_.hide();
}

void MainOperationHost::ShowProgress(const std::string& action, const std::string& memoryName,
                                     int32_t address) {
    const MemoryImage& image = form_.Image();
    ProgressText text =
        FormatProgress(action, memoryName, address, image.ProgUsed, image.EEPromUsed);
    const int32_t limit = memoryName == "EEPROM" ? image.EEPromUsed : image.ProgUsed;
    progress_.Show(text, address, limit);
    if (text.pumpEvents) {
        // The only place where the window repaints and "Cancelar" is heard.
        QCoreApplication::processEvents();
    }
}

bool MainOperationHost::CancelRequested() const {
    return progress_.CancelRequested();
}

void MainOperationHost::ClearCancel() {
    progress_.ClearCancel();
}

void MainOperationHost::SetMainEnabled(bool enabled) {
    form_.setEnabled(enabled);
}

Messages& MainOperationHost::Msg() {
    return form_.Msg();
}

void MainOperationHost::RefreshStatus() {
    form_.RefreshStatus();
}

void MainOperationHost::ImageChanged() {
    form_.ShowImage();
}

Scope MainOperationHost::ReadScope() const {
    return form_.ReadScope();
}
