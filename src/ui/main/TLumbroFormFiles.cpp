#include "ui/main/TLumbroForm.h"

#include "image/HexFiles.h"
#include "image/RecentFiles.h"
#include "ui/dialogs/TPalConfForm.h"
#include "ui/dialogs/TPalConfForm18.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <fstream>

void TLumbroForm::Open1Click() {
    QFileDialog dialog(this, tr("Abre fichero HEX"), lastDir_);
    dialog.setObjectName("OpenHex");
    dialog.setNameFilters({QString("Hex File (*.hex *.HEX *.Hex)"), tr("Todos los ficheros (*)")});
    dialog.setDefaultSuffix("hex");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        LoadHexFile(dialog.selectedFiles().first());
    }
}

void TLumbroForm::BotonReabreClick() {
    ReopenLastHex();
}

void TLumbroForm::ReopenLastHex() {
    if (recentEntries_[0]->isVisible()) {
        LoadHexFile(recentEntries_[0]->data().toString());
    }
}

void TLumbroForm::RecentFileClick(QAction* entry) {
    LoadHexFile(entry->data().toString());
}

void TLumbroForm::ShowRecentFiles(const std::array<std::string, 4>& paths) {
    for (size_t i = 0; i < recentEntries_.size(); ++i) {
        recentEntries_[i]->setText(Literal(paths[i]));
        recentEntries_[i]->setData(QString::fromStdString(paths[i]));
        recentEntries_[i]->setVisible(!paths[i].empty());
    }
}

void TLumbroForm::SetLastDir(const QString& dir) {
    lastDir_ = dir;
    settings_.Write("Config", "lastdir", dir.toStdString());
}

void TLumbroForm::RefreshConfigForms() {
    PalConfForm->Refresh();
    PalConfForm18->Refresh();
}

void TLumbroForm::LoadHexFile(const QString& path) {
    const std::string file = path.toStdString();
    std::ifstream in;
    if (!OpenHexFile(file, in)) {
        messages_.ShowError(HexUnreadableMessage());
        return;
    }
    QFileInfo info(path);
    setWindowTitle("Pravik - " + info.fileName() + CaptionSuffix());
    ShowRecentFiles(RecentFiles::Add(settings_, file));
    SetLastDir(info.absolutePath());

    setEnabled(false);
    LoadHexImage(in, HexLoadTargets{device_, image_, config16_, config18_, messages_, [](uint64_t) {
                                        QCoreApplication::processEvents(
                                            QEventLoop::ExcludeUserInputEvents);
                                    }});
    ReloadGrids();
    SyncIdentField();
    RefreshConfigForms();
    RefreshStatus();
    setEnabled(true);
}

void TLumbroForm::SaveAs1Click() {
    QFileDialog dialog(this, QString("Save As"), lastDir_);
    dialog.setObjectName("SaveHexDialogo");
    dialog.setNameFilters({QString("Hex Files (*.hex *.HEX)"), tr("Todos los ficheros (*)")});
    dialog.setDefaultSuffix("hex");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        SaveHexFile(dialog.selectedFiles().first());
    }
}

void TLumbroForm::SaveHexFile(const QString& path) {
    // The directory is remembered as soon as the user has chosen it, even when the file
    // then cannot be created.
    SetLastDir(QFileInfo(path).absolutePath());
    const Phrase error = SaveHexImage(path.toStdString(), device_, image_, config16_, config18_);
    SyncIdentField();
    if (!error.empty()) {
        messages_.ShowError(error);
    }
}

QString TLumbroForm::CaptionSuffix() const {
    return adapter_ == "simulator" || SimulatedGpio() ? tr(" [simulador]") : QString();
}
