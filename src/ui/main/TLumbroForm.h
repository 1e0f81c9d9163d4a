#pragma once
#include "common/Messages.h"
#include "common/SettingsStore.h"
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceRecord.h"
#include "image/MemoryImage.h"
#include "operations/Operation.h"
#include "programmer/GpioPinMap.h"
#include "programmer/ParallelPort.h"
#include "programmer/SteadyCounter.h"
#include "ui/qt/AnchoredLayout.h"

#include <functional>
#include <memory>

#include <QMainWindow>
#include <array>
#include <string>

class QAction;
class QDialog;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QtCellTableModel;
class QtHexGridView;
class MainOperationHost;
class OperationEngine;
class Port;
class Delay;
class Programmer;
class TAboutForm;
namespace Sim {
class SimulatedPort;
class Target;
} // namespace Sim
class TProcesaForm;
class TPalConfForm;
class TPalConfForm18;

// The main window: the command buttons, the scope box, the two memory grids, the
// identifier field, the status bar and the menus. It owns the program's models (device
// record, memory image, configuration words) and hands them to the layers below.
class TLumbroForm : public QMainWindow {
    Q_OBJECT
public:
    TLumbroForm(Messages& messages, SettingsStore& settings, QWidget* parent = nullptr);
    ~TLumbroForm() override;

    // Start-up: reads the device file (the first of PRAVIK_INI, beside the executable, the
    // user's configuration directory and the installation's data directory; or iniPath),
    // builds the menus, restores the last device, zeroes the counters and sets the
    // identifier.
    void Principal();
    void Principal(const QString& iniPath);
    // True once start-up or a selection asked the program to end.
    bool EndRequested() const { return endRequested_; }

    void RefreshStatus();
    QString StatusPanel(int index) const;

    DeviceRecord& Device() { return device_; }
    MemoryImage& Image() { return image_; }
    ConfigWord16& Config16() { return config16_; }
    ConfigWords18& Config18() { return config18_; }
    Messages& Msg() { return messages_; }
    const QString& IniPath() const { return iniPath_; }
    uint16_t PortBase() const { return portBase_; }

    // Loads an Intel HEX file into the image (what "Abrir HEX" does after its dialog).
    void LoadHexFile(const QString& path);
    // Saves the family 16 image as an Intel HEX file (what "Guardar como" does after its
    // dialog has been confirmed).
    void SaveHexFile(const QString& path);

    // Shows the image's current contents after a layer below changed it.
    void ReloadGrids();
    void SyncIdentField();
    // Grids, identifier and configuration windows from the models.
    void ShowImage();
    Scope ReadScope() const;

    // The start-up port probe: what keeps the program from the adapter's port (nothing
    // when it can be reached). Tests replace it; by default it asks the system.
    void SetPortProbe(std::function<PortAccess(uint16_t)> probe) { portProbe_ = std::move(probe); }
    // Opens the adapter's port at the first operation. Tests replace it; by default it
    // asks the system.
    void SetPortOpener(std::function<OpenedPort(uint16_t)> opener) {
        portOpener_ = std::move(opener);
    }
    // The command line's choices, made before Principal: the adapter instead of the device
    // file's ("parport", "gpio" or "simulator"), and with a simulated chip a chip file: the chip it
    // holds sits in the socket whatever device is selected, and is saved back after
    // every command.
    void SetAdapterChoice(const std::string& adapter) { adapterChoice_ = adapter; }
    void SetChipFile(const std::string& path) { chipFile_ = path; }
    // The engine, created with the adapter of the device file at the first operation.
    OperationEngine& Engine();
    // The progress window of operations (a window of its own, not a child).
    QDialog* ProgressWindow() const;
    // The simulated adapter's chip (null with a real port or before the first operation).
    Sim::SimulatedPort* SimulatedAdapter() { return simPort_; }

public slots:
    void BotonLeerClick();
    void BotonEscribirClick();
    void BotonVerificarClick();
    void BotonBlkChkClick();
    void BotonDesprotegeClick();
    void BorrarPrograma1Click();
    void Open1Click();
    void SaveAs1Click();
    void BotonReabreClick();
    void ReopenLastHex();
    void RecentFileClick(QAction* entry);
    void Exit1Click();
    void SobreProgramaPIC1Click();
    void ButPalConfClick();
    // The factory calibration (OSCCAL, band-gap bits) written back after erases of parts
    // that keep it in program memory, for a chip that lost its own.
    void CalibracionPIC1Click();

private slots:
    void DeviceEntryClick(QAction* entry);
    void EditIdentChanged(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Closing asks nothing; only while an operation runs (window disabled) it is refused,
    // so the device is never left in programming mode by a half-finished run.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildStatusBar();
    // "Idioma": Spanish or English, remembered for the next start of either program.
    void BuildLanguageMenu();
    void LanguageClick(QAction* entry);
    void LoadDeviceFile();
    void SelectDevice(QAction* entry);
    void ApplyFamilyControls();
    void RequestEnd();
    void ShowRecentFiles(const std::array<std::string, 4>& paths);
    // A menu caption that shows a file path or device name exactly, "&" included.
    static QString Literal(const std::string& text);
    void SetLastDir(const QString& dir);
    QString CaptionSuffix() const;
    void RefreshConfigForms();
    void ConnectCommands();
    void CheckPortDriver();
    // True when an operation may start: with the real port, it is opened at the first
    // operation; when it cannot be had, the user is told why and nothing is sent.
    bool AdapterReady();
    OpenedPort OpenRealPort() const;
    std::unique_ptr<Port> OpenAdapterPort(Delay& delay);
    // The GPIO adapter (adapter=gpio): its pin map and lines checked at start-up, its
    // lines requested at the first operation, or the simulated GPIO chip with
    // gpiochip=simulator.
    void CheckGpio();
    bool GpioReady();
    std::unique_ptr<Port> OpenGpioPort(Delay& delay);
    bool SimulatedGpio() const;
    void FollowDeviceWithSimulatedChip();
    // The simulated chip of the chip file: its own device's (the file's device ID says
    // which), else the selected device's, loaded from the file when it exists.
    std::unique_ptr<Sim::Target> ChipOfChipFile();
    void SaveChipFile();
    void RunCommand(bool (OperationEngine::*command)());

    Messages& messages_;
    SettingsStore& settings_;
    DeviceRecord device_;
    MemoryImage image_;
    ConfigWord16 config16_;
    ConfigWords18 config18_;
    QString iniPath_;
    uint16_t portBase_ = 888;
    std::string adapter_;
    std::string adapterChoice_;
    std::string chipFile_;
    int32_t osccalGiven_ = -1;
    int32_t bandGapGiven_ = -1;
    bool chipFileUsable_ = true;
    GpioKeys gpioKeys_; // [Config] gpio* keys, read with adapter=gpio
    QString lastDir_;   // initial directory of the open and save dialogs
    bool endRequested_ = false;
    bool started_ = false;
    bool commandRunning_ = false;
    // Right edge and widths of the identifier field in the design layout.
    static constexpr int kIdentRight = 737;
    static constexpr int kIdentWidth16 = 58;
    static constexpr int kIdentWidth18 = 138;

    AnchoredLayout layout_;
    QWidget* central_ = nullptr;
    QPushButton* BotonReabre = nullptr;
    QPushButton* BotonEscribir = nullptr;
    QPushButton* BotonLeer = nullptr;
    QPushButton* ButPalConf = nullptr;
    QLabel* PICNameLab = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditIdent = nullptr;
    QtCellTableModel* hexModel_ = nullptr;
    QtCellTableModel* datosModel_ = nullptr;
    QtHexGridView* HexEditG = nullptr;
    QtHexGridView* DatosEditG = nullptr;
    QGroupBox* GBalcance = nullptr;
    QCheckBox* CBmemprog = nullptr;
    QCheckBox* CBmemdatos = nullptr;
    QCheckBox* CBpalconfig = nullptr;
    QCheckBox* CBident = nullptr;
    std::array<QLabel*, 8> panels_{};

    QMenu* File1 = nullptr;
    QMenu* Device1 = nullptr;
    QMenu* Accin1 = nullptr;
    QMenu* Idioma1 = nullptr;
    QMenu* Help1 = nullptr;
    std::array<QAction*, 4> recentEntries_{};

    TAboutForm* AboutForm = nullptr;
    TPalConfForm* PalConfForm = nullptr;
    TPalConfForm18* PalConfForm18 = nullptr;
    TProcesaForm* ProcesaForm = nullptr;

    std::function<PortAccess(uint16_t)> portProbe_;
    std::function<OpenedPort(uint16_t)> portOpener_;
    std::unique_ptr<Port> openedPort_; // opened by AdapterReady, taken by the engine
    SteadyCounter counter_;
    std::unique_ptr<Delay> counterDelay_;
    std::unique_ptr<Delay> delay_;
    std::unique_ptr<Programmer> programmer_;
    std::unique_ptr<MainOperationHost> host_;
    std::unique_ptr<OperationEngine> engine_;
    Sim::SimulatedPort* simPort_ = nullptr; // the programmer's port, when simulated
    std::string simDevice_;
};
