#include "ui/main/TLumbroForm.h"

#include "ui/dialogs/TPalConfForm.h"
#include "ui/dialogs/TPalConfForm18.h"
#include "workbench/DeviceSelection.h"
#include "devices/DeviceFileLookup.h"
#include "ui/grid/QtCellTableModel.h"
#include "ui/grid/QtHexGridView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

void TLumbroForm::Principal() {
    // The same places as pravik-cli; when the file is in none of them, the start-up error
    // names every path that was looked at.
    Principal(QString::fromStdString(LocateDeviceFile(SystemDeviceFilePlaces()).Shown()));
}

void TLumbroForm::Principal(const QString& iniPath) {
    iniPath_ = iniPath;
    LoadDeviceFile();
    setWindowTitle("Pravik" + CaptionSuffix());
    CheckPortDriver();
    config16_.ShowConfigWord();
    PalConfForm->Refresh();
    image_.ProgUsed = 0;
    image_.EEPromUsed = 0;
    image_.SetIdent(0xFFFF);
    SyncIdentField();
    started_ = true;
}

void TLumbroForm::DeviceEntryClick(QAction* entry) {
    SelectDevice(entry);
}

void TLumbroForm::SelectDevice(QAction* entry) {
    for (QAction* a : Device1->actions()) {
        a->setChecked(false);
    }
    std::string name = entry->data().toString().toStdString();
    SelectionResult result =
        ::SelectDevice(name, iniPath_.toStdString(),
                       SelectionTargets{device_, image_, config16_, config18_, settings_});
    if (!result.accepted) {
        messages_.ShowError(result.error);
        RequestEnd();
        return;
    }
    entry->setChecked(true);
    PICNameLab->setText(QString::fromStdString(device_.DeviceName));
    PICNameLab->adjustSize();
    ApplyFamilyControls();
    DatosEditG->setEnabled(device_.EEProm > 0);
    PalConfForm->Refresh();
    PalConfForm18->Refresh();
    ReloadGrids();
    RefreshStatus();
    FollowDeviceWithSimulatedChip();
}

void TLumbroForm::ApplyFamilyControls() {
    bool family16 = device_.Family == 16;
    CBmemdatos->setEnabled(family16);
    CBident->setEnabled(family16);
    EditIdent->setEnabled(family16);
    DatosEditG->setEnabled(family16);
    datosModel_->SetEditable(family16);
}
