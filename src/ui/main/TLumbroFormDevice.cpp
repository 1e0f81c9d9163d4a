#include "ui/main/TLumbroForm.h"

#include "devices/DeviceFileLookup.h"
#include "operations/OperationEngine.h"
#include "parts/PartModule.h"
#include "ui/dialogs/TPalConfForm.h"
#include "ui/dialogs/TPalConfForm18.h"
#include "ui/grid/QtCellTableModel.h"
#include "ui/grid/QtHexGridView.h"
#include "workbench/DeviceSelection.h"

#include <QAction>
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
    std::string name = entry->data().toString().toStdString();
    SelectionResult result =
        ::SelectDevice(name, iniPath_.toStdString(),
                       SelectionTargets{device_, image_, config16_, config18_, settings_});
    for (QAction* a : Device1->actions()) {
        a->setChecked(a->data().toString().toStdString() == device_.DeviceName);
    }
    if (!result.accepted) {
        messages_.ShowError(result.error);
        // Once a device is selected, a device the program cannot handle leaves it and
        // the image as they were; only at start-up there is nothing to go back to.
        if (device_.DeviceName.empty()) {
            RequestEnd();
        }
        return;
    }
    PICNameLab->setText(QString::fromStdString(device_.DeviceName));
    PICNameLab->adjustSize();
    ApplyFamilyControls();
    DatosEditG->setEnabled(device_.EEProm > 0);
    PalConfForm->Refresh();
    PalConfForm18->Refresh();
    ReloadGrids();
    // The identifier field may have lost digits to the new family's width.
    SyncIdentField();
    // What was given for the previous chip's calibration is not this one's.
    osccalGiven_ = -1;
    bandGapGiven_ = -1;
    if (engine_) {
        engine_->ForgetDeviceId();
        engine_->SetCalibration(-1, -1);
    }
    RefreshStatus();
    FollowDeviceWithSimulatedChip();
}

void TLumbroForm::ApplyFamilyControls() {
    const bool eeprom = device_.EEProm > 0;
    Accin1->findChild<QAction*>("CalibracionPIC1")
        ->setEnabled(MakePart(device_)->KeepsCalibration());
    CBmemdatos->setEnabled(eeprom);
    DatosEditG->setEnabled(eeprom);
    datosModel_->SetEditable(eeprom);
    // Family 16 has four ID nibbles; family 18 eight ID bytes, shown as 16 digits in a
    // field that grows leftwards, its caption beside it.
    const bool family18 = device_.Family == 18;
    EditIdent->setMaxLength(family18 ? 16 : 4);
    const int width = family18 ? kIdentWidth18 : kIdentWidth16;
    const int labelWidth = Label1->geometry().width();
    layout_.Move(EditIdent, {kIdentRight - width, 0, width, 21});
    layout_.Move(Label1, {kIdentRight - width - 6 - labelWidth, 2, labelWidth, 16});
    layout_.Apply(central_->size());
}
