#include "ui/main/TLumbroForm.h"

#include "operations/OperationEngine.h"
#include "programmer/Programmer.h"
#include "ui/dialogs/TAboutForm.h"
#include "ui/dialogs/TPalConfForm.h"
#include "ui/dialogs/TPalConfForm18.h"
#include "ui/dialogs/TProcesaForm.h"
#include "ui/grid/QtCellTableModel.h"
#include "ui/grid/QtHexGridView.h"
#include "ui/main/MainOperationHost.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>

namespace {
// Client area of the main window without menu bar and status bar.
constexpr QSize kDesignClient(742, 451);
constexpr int kInterfaceFontPixels = 11;
} // namespace

TLumbroForm::TLumbroForm(Messages& messages, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), messages_(messages), settings_(settings), layout_(kDesignClient) {
    setObjectName("LumbroForm");
    setWindowTitle("Pravik");
    QFont interfaceFont = font();
    interfaceFont.setPixelSize(kInterfaceFontPixels);
    setFont(interfaceFont);
    BuildControls();
    BuildMenus();
    BuildStatusBar();
    resize(742, 473 + menuBar()->sizeHint().height());
    AboutForm = new TAboutForm(this);
    PalConfForm = new TPalConfForm(config16_, this);
    PalConfForm18 = new TPalConfForm18(config18_, this);
    // The progress window stays usable while the main window is disabled, so it is a
    // window of its own rather than a child of this one.
    ProcesaForm = new TProcesaForm(nullptr);
    ConnectCommands();
    BotonLeer->setFocus();
}

TLumbroForm::~TLumbroForm() {
    engine_.reset();
    host_.reset();
    delete ProcesaForm;
}

void TLumbroForm::BuildControls() {
    central_ = new QWidget(this);
    setCentralWidget(central_);
    using A = AnchoredLayout;

    auto button = [&](QPushButton*& target, const char* name, const QString& text, QRect rect) {
        target = new QPushButton(text, central_);
        target->setObjectName(name);
        layout_.Place(target, rect);
    };
    button(BotonReabre, "BotonReabre", tr("Reabre Hex"), {8, 0, 81, 25});
    button(BotonEscribir, "BotonEscribir", tr("Escribir"), {96, 0, 65, 25});
    button(BotonLeer, "BotonLeer", tr("Leer"), {168, 0, 57, 25});
    button(ButPalConf, "ButPalConf", tr("Configuración"), {232, 0, 89, 25});
    connect(ButPalConf, &QPushButton::clicked, this, &TLumbroForm::ButPalConfClick);
    connect(BotonReabre, &QPushButton::clicked, this, &TLumbroForm::BotonReabreClick);

    PICNameLab = new QLabel(tr("PIC"), central_);
    PICNameLab->setObjectName("PICNameLab");
    QFont bold = PICNameLab->font();
    bold.setBold(true);
    bold.setPixelSize(21);
    PICNameLab->setFont(bold);
    PICNameLab->move(336, 0);
    PICNameLab->adjustSize();

    Label1 = new QLabel(tr("Identificador"), central_);
    Label1->setObjectName("Label1");
    QFont labelFont = Label1->font();
    labelFont.setPixelSize(13);
    Label1->setFont(labelFont);
    // The caption keeps its right edge beside the field; a wider font grows it leftwards.
    const int labelWidth = qMax(73, Label1->sizeHint().width());
    layout_.Place(Label1, {673 - labelWidth, 2, labelWidth, 16}, A::Top | A::Right);

    EditIdent = new QLineEdit(QString::fromStdString(image_.EditIdent), central_);
    EditIdent->setObjectName("EditIdent");
    EditIdent->setMaxLength(4);
    layout_.Place(EditIdent, {679, 0, 58, 21}, A::Top | A::Right);
    connect(EditIdent, &QLineEdit::textEdited, this, &TLumbroForm::EditIdentChanged);

    hexModel_ = new QtCellTableModel(
        image_.HexEditG,
        [this](int column, int row, const std::string& text) {
            bool stored = image_.EditProgramCell(column, row, text);
            RefreshStatus();
            return stored;
        },
        this);
    HexEditG = new QtHexGridView(hexModel_, 40, 40, central_);
    HexEditG->setObjectName("HexEditG");
    HexEditG->setShowGrid(false);
    layout_.Place(HexEditG, {8, 32, 737, 273}, A::Left | A::Top | A::Right | A::Bottom);

    GBalcance = new QGroupBox(tr("Alcance de las operaciones"), central_);
    GBalcance->setObjectName("GBalcance");
    layout_.Place(GBalcance, {8, 312, 209, 137}, A::Left | A::Bottom);
    auto check = [&](QCheckBox*& target, const char* name, const QString& text, QRect rect) {
        target = new QCheckBox(text, GBalcance);
        target->setObjectName(name);
        target->setGeometry(rect);
    };
    check(CBmemprog, "CBmemprog", tr("Memoria de Programa"), {16, 24, 161, 17});
    check(CBmemdatos, "CBmemdatos", tr("Memoria (EEPROM)"), {16, 48, 161, 17});
    check(CBpalconfig, "CBpalconfig", tr("Palabra de Configuración"), {16, 72, 185, 17});
    check(CBident, "CBident", tr("Identificador"), {16, 96, 169, 17});
    CBmemprog->setChecked(true);

    datosModel_ = new QtCellTableModel(
        image_.DatosEditG,
        [this](int column, int row, const std::string& text) {
            bool stored = image_.EditDataCell(column, row, text);
            RefreshStatus();
            return stored;
        },
        this);
    DatosEditG = new QtHexGridView(datosModel_, 28, 36, central_);
    DatosEditG->setObjectName("DatosEditG");
    layout_.Place(DatosEditG, {224, 312, 521, 137}, A::Left | A::Right | A::Bottom);

    // Keyboard order: the scope box first, then the command buttons and the grids.
    setTabOrder(CBmemprog, CBmemdatos);
    setTabOrder(CBmemdatos, CBident);
    setTabOrder(CBident, CBpalconfig);
    setTabOrder(CBpalconfig, BotonEscribir);
    setTabOrder(BotonEscribir, BotonLeer);
    setTabOrder(BotonLeer, EditIdent);
    setTabOrder(EditIdent, HexEditG);
    setTabOrder(HexEditG, DatosEditG);
    setTabOrder(DatosEditG, BotonReabre);
    setTabOrder(BotonReabre, ButPalConf);
}

void TLumbroForm::BuildStatusBar() {
    static constexpr std::array<int, 8> kWidths{120, 120, 120, 120, 120, 80, 80, 50};
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);
    statusBar()->setFixedHeight(22);
    for (size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(statusBar());
        panel->setObjectName(QString("Panel%1").arg(i));
        panel->setFixedWidth(kWidths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(panel);
        panels_[i] = panel;
    }
}

void TLumbroForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layout_.Apply(central_->size());
}

void TLumbroForm::closeEvent(QCloseEvent* event) {
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TLumbroForm::RefreshStatus() {
    panels_[0]->setText(QString::fromStdString(device_.DeviceName));
    panels_[1]->setText(QString("PR=%1(%2)").arg(image_.ProgUsed).arg(device_.ProgMem));
    panels_[2]->setText(QString("EE=%1(%2)").arg(image_.EEPromUsed).arg(device_.EEProm));
    panels_[3]->setText(QString("RA=%1").arg(device_.RAM));
    panels_[4]->setText(
        device_.Family == 16
            ? QString("CONF=%1").arg(config16_.GetConfigWord(), 4, 16, QChar('0')).toUpper()
            : QString());
    // The device ID the last operation read from the chip, when it read one.
    const std::optional<int32_t> id = engine_ ? engine_->LastDeviceId() : std::nullopt;
    panels_[5]->setText(id ? QString("ID=%1").arg(*id, 4, 16, QChar('0')).toUpper() : QString());
    // The factory calibration of a part that keeps it in program memory, as last read:
    // "OSC=3474", the band-gap bits in the hint.
    const QString calibration =
        engine_ ? QString::fromStdString(engine_->CalibrationText()) : QString();
    panels_[6]->setText(calibration.section(' ', 0, 0).replace("OSCCAL=", "OSC="));
    panels_[6]->setToolTip(calibration);
}

QString TLumbroForm::StatusPanel(int index) const {
    return panels_.at(static_cast<size_t>(index))->text();
}

void TLumbroForm::ReloadGrids() {
    hexModel_->Reload();
    datosModel_->Reload();
    HexEditG->ApplySizes();
    DatosEditG->ApplySizes();
}

void TLumbroForm::SyncIdentField() {
    EditIdent->setText(QString::fromStdString(image_.EditIdent));
}

void TLumbroForm::EditIdentChanged(const QString& text) {
    image_.EditIdent = text.toStdString();
}

void TLumbroForm::Exit1Click() {
    close();
}

void TLumbroForm::SobreProgramaPIC1Click() {
    AboutForm->exec();
}

void TLumbroForm::ButPalConfClick() {
    if (device_.Family == 16) {
        PalConfForm->Execute();
    } else if (device_.Family == 18) {
        PalConfForm18->Execute();
    }
    RefreshStatus();
}

void TLumbroForm::RequestEnd() {
    endRequested_ = true;
    if (started_) {
        close();
    }
}
