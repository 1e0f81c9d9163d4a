#include "devices/DeviceFile.h"
#include "devices/IniFile.h"
#include "operations/OperationEngine.h"
#include "programmer/CounterDelay.h"
#include "programmer/ParallelPort.h"
#include "programmer/Programmer.h"
#include "simulator/ChipFile.h"
#include "simulator/MakeTarget.h"
#include "simulator/SimulatedPort.h"
#include "ui/dialogs/TPalConfForm.h"
#include "ui/dialogs/TPalConfForm18.h"
#include "ui/dialogs/TProcesaForm.h"
#include "ui/grid/QtCellTableModel.h"
#include "ui/main/MainOperationHost.h"
#include "ui/main/TLumbroForm.h"
#include "ui/qt/PumpingDelay.h"
#include "workbench/DeviceSelection.h"

#include <filesystem>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

void TLumbroForm::ConnectCommands() {
    auto action = [this](const char* name) { return Accin1->findChild<QAction*>(name); };
    connect(BotonLeer, &QPushButton::clicked, this, &TLumbroForm::BotonLeerClick);
    connect(BotonEscribir, &QPushButton::clicked, this, &TLumbroForm::BotonEscribirClick);
    connect(action("LeerPIC1"), &QAction::triggered, this, &TLumbroForm::BotonLeerClick);
    connect(action("EscribirPIC1"), &QAction::triggered, this, &TLumbroForm::BotonEscribirClick);
    connect(action("VerificarPIC1"), &QAction::triggered, this, &TLumbroForm::BotonVerificarClick);
    // The menu item says what it does: it starts the blank check.
    connect(action("BlanckCheck1"), &QAction::triggered, this, &TLumbroForm::BotonBlkChkClick);
    connect(action("Desproteger1"), &QAction::triggered, this, &TLumbroForm::BotonDesprotegeClick);
    connect(action("BorrarPrograma1"), &QAction::triggered, this,
            &TLumbroForm::BorrarPrograma1Click);
}

void TLumbroForm::CheckPortDriver() {
    if (adapter_ == "simulator") {
        return;
    }
    if (adapter_ == "gpio") {
        CheckGpio();
        return;
    }
    const PortAccess access = portProbe_ ? portProbe_(portBase_) : ProbeParallelPort(portBase_);
    if (!access.Ok()) {
        messages_.ShowError(PortAccessMessage(access));
    }
}

OpenedPort TLumbroForm::OpenRealPort() const {
    return portOpener_ ? portOpener_(portBase_) : OpenParallelPort(portBase_);
}

bool TLumbroForm::AdapterReady() {
    if (engine_ || adapter_ == "simulator") {
        return true;
    }
    if (adapter_ == "gpio") {
        return GpioReady();
    }
    OpenedPort opened = OpenRealPort();
    if (!opened.access.Ok()) {
        // A busy port belongs to another program, and an unreachable one would read as a
        // blank chip: nothing is run, and the next command tries the port again.
        messages_.ShowError(PortAccessMessage(opened.access));
        return false;
    }
    openedPort_ = std::move(opened.port);
    return true;
}

OperationEngine& TLumbroForm::Engine() {
    if (!engine_) {
        counterDelay_ = std::make_unique<CounterDelay>(counter_);
        delay_ = std::make_unique<PumpingDelay>(*counterDelay_, [this] { return !isEnabled(); });
        std::unique_ptr<Port> port = OpenAdapterPort(*delay_);
        programmer_ =
            std::make_unique<Programmer>(std::move(port), std::move(delay_), device_, messages_);
        host_ = std::make_unique<MainOperationHost>(*this, *ProcesaForm);
        engine_ = std::make_unique<OperationEngine>(*programmer_, device_, image_, config16_,
                                                    config18_, *host_);
        engine_->SetCalibration(osccalGiven_, bandGapGiven_);
    }
    return *engine_;
}

void TLumbroForm::RunCommand(bool (OperationEngine::*command)()) {
    // A click queued before the window was disabled must not start a second command
    // inside the one that runs.
    if (commandRunning_) {
        return;
    }
    commandRunning_ = true;
    if (AdapterReady()) {
        (Engine().*command)();
        RefreshStatus();
        SaveChipFile();
    }
    commandRunning_ = false;
}

std::unique_ptr<Port> TLumbroForm::OpenAdapterPort(Delay& delay) {
    if (adapter_ == "gpio") {
        return OpenGpioPort(delay);
    }
    if (adapter_ != "simulator") {
        return openedPort_ ? std::move(openedPort_) : OpenRealPort().port;
    }
    // A simulated chip for the selected device, erased, kept for the run; or the chip of
    // the chip file.
    auto port = std::make_unique<Sim::SimulatedPort>(
        delay, chipFile_.empty() ? Sim::MakeTarget(device_) : ChipOfChipFile());
    simPort_ = port.get();
    simDevice_ = device_.DeviceName;
    return port;
}

std::unique_ptr<Sim::Target> TLumbroForm::ChipOfChipFile() {
    const std::string ini = iniPath_.toStdString();
    const IniFile file = IniFile::Load(ini);
    const std::string owner = Sim::ChipFileDevice(chipFile_, ReadDeviceList(file), file);
    DeviceRecord model = device_;
    if (!owner.empty() && owner != device_.DeviceName) {
        MemoryImage image;
        ConfigWord16 config16;
        ConfigWords18 config18;
        MemorySettingsStore unused;
        ::SelectDevice(owner, ini, SelectionTargets{model, image, config16, config18, unused});
    }
    std::unique_ptr<Sim::Target> chip = Sim::MakeTarget(model);
    std::error_code ec;
    Phrase error;
    if (chip && std::filesystem::exists(chipFile_, ec) && !Sim::LoadChip(*chip, chipFile_, error)) {
        // The socket gets a fresh chip; the file that could not be read is never replaced.
        messages_.ShowError(Say("TLumbroForm", "Fichero de chip %1: %2").Arg(chipFile_).Arg(error));
        chipFileUsable_ = false;
    }
    return chip;
}

void TLumbroForm::SaveChipFile() {
    Phrase error;
    if (chipFile_.empty() || !chipFileUsable_ || simPort_ == nullptr ||
        simPort_->Chip() == nullptr || Sim::SaveChip(*simPort_->Chip(), chipFile_, error)) {
        return;
    }
    messages_.ShowError(Say("TLumbroForm", "Fichero de chip %1: %2").Arg(chipFile_).Arg(error));
}

void TLumbroForm::FollowDeviceWithSimulatedChip() {
    // A chip file is one chip in the socket: choosing another device does not swap it.
    if (!chipFile_.empty()) {
        return;
    }
    if (simPort_ != nullptr && simDevice_ != device_.DeviceName) {
        simPort_->ReplaceChip(Sim::MakeTarget(device_));
        simDevice_ = device_.DeviceName;
    }
}

Scope TLumbroForm::ReadScope() const {
    Scope s;
    s.program = CBmemprog->isChecked();
    s.eeprom = CBmemdatos->isChecked();
    s.config = CBpalconfig->isChecked();
    s.ident = CBident->isChecked();
    return s;
}

void TLumbroForm::ShowImage() {
    ReloadGrids();
    SyncIdentField();
    RefreshConfigForms();
}

void TLumbroForm::BotonLeerClick() {
    RunCommand(&OperationEngine::BotonLeerClick);
}
void TLumbroForm::BotonEscribirClick() {
    RunCommand(&OperationEngine::BotonEscribirClick);
}
void TLumbroForm::BotonVerificarClick() {
    RunCommand(&OperationEngine::BotonVerificarClick);
}
void TLumbroForm::BotonBlkChkClick() {
    RunCommand(&OperationEngine::BotonBlkChkClick);
}
void TLumbroForm::BotonDesprotegeClick() {
    RunCommand(&OperationEngine::BotonDesprotegeClick);
}
void TLumbroForm::BorrarPrograma1Click() {
    RunCommand(&OperationEngine::BorrarPrograma1Click);
}

QDialog* TLumbroForm::ProgressWindow() const {
    return ProcesaForm;
}
