#include "ui/dialogs/TPalConfForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* AddWordEdit(QWidget* parent, const char* name, QRect rect) {
    auto* edit = new QLineEdit("0000", parent);
    edit->setObjectName(name);
    edit->setMaxLength(4);
    edit->setGeometry(rect);
    return edit;
}

} // namespace

TPalConfForm::TPalConfForm(ConfigWord16& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("PalConfForm");
    setWindowTitle("Palabra de Configuración, familia 16");
    setFixedSize(500, 405);

    auto* box = new QGroupBox("Palabra de Configuración", this);
    box->setObjectName("PalConfBox");
    box->setGeometry(8, 8, 150, 312);
    for (int i = 0; i < ConfigWord16::kBits; ++i) {
        auto* check = new QCheckBox(box);
        check->setObjectName(QString("PC%1").arg(i));
        check->setGeometry(12, 20 + i * 20, 130, 18);
        connect(check, &QCheckBox::clicked, this, &TPalConfForm::PCClick);
        pc_[static_cast<size_t>(i)] = check;
    }
    // The oscillator bits follow the radio buttons, never a click of their own.
    pc_[0]->setEnabled(false);
    pc_[1]->setEnabled(false);

    auto* osc = new QGroupBox("Oscilador", this);
    osc->setObjectName("GroupBox1");
    osc->setGeometry(168, 8, 200, 104);
    static const char* kOscTexts[] = {"Low Power (32-200 KHz)", "Xtal (100 KHz - 4 MHz)",
                                      "Xtal (4-20 MHz)", "RC"};
    for (int k = 0; k < 4; ++k) {
        auto* radio = new QRadioButton(kOscTexts[k], osc);
        radio->setObjectName(QString("Osc%1").arg(k));
        radio->setGeometry(12, 20 + k * 20, 180, 18);
        connect(radio, &QRadioButton::clicked, this, &TPalConfForm::GroupBox1Click);
        osc_[static_cast<size_t>(k)] = radio;
    }
    osc_[2]->setChecked(true);

    BuildLegend();

    AddLabel(this, "Label1", "Palabra de Configuración:", 8, 336);
    PalEdit = AddWordEdit(this, "PalEdit", {160, 332, 50, 21});
    connect(PalEdit, &QLineEdit::textEdited, this, &TPalConfForm::PalEditEdited);
    auto* apply = new QPushButton("Aplicar", this);
    apply->setObjectName("Button2");
    apply->setGeometry(220, 330, 75, 25);
    apply->setAutoDefault(false);
    connect(apply, &QPushButton::clicked, this, &TPalConfForm::Button2Click);

    AddLabel(this, "Label13", "Palabra recomendada", 8, 368);
    PalEdit2 = AddWordEdit(this, "PalEdit2", {160, 364, 50, 21});
    PalEdit2->setEnabled(false);

    auto* back = new QPushButton("Volver", this);
    back->setObjectName("Button1");
    back->setGeometry(410, 366, 75, 25);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    Refresh();
}

void TPalConfForm::BuildLegend() {
    struct Line {
        const char* name;
        const char* text;
    };
    static constexpr Line kLegend[] = {
        {"Label2", "WDTE: Watch Dog Timer Enable"},
        {"Label3", "_PWRTE: Power-On Timer Enable (Nivel Bajo)"},
        {"Label4", "BODEN: Brown-Out Reset Enable"},
        {"Label5", "LVP: Low Voltage In-Circuit Serial Programming Enable"},
        {"Label6", "CP: Code Protection Disable"},
        {"Label7", "CPx: Selective Code Protection Disable"},
        {"Label8", "CPD: Data EE Memory Code Protection Disable"},
        {"Label9", "WRT: Flash Program Memory Write Enable"},
        {"Label10", "DEBUG: In-Circuit Debugger Disable"},
        {"Label12", "MPEEN: Memory Parity Error Enable"},
        {"Label11", "- No  Implementado"},
    };
    int top = 124;
    for (const Line& line : kLegend) {
        AddLabel(this, line.name, line.text, 172, top);
        top += 17;
    }
}

int TPalConfForm::Execute() {
    Refresh();
    pc_[8]->setFocus();
    return exec();
}

void TPalConfForm::Refresh() {
    for (int i = 0; i < ConfigWord16::kBits; ++i) {
        QCheckBox* check = pc_[static_cast<size_t>(i)];
        check->setChecked(model_.Bit(i));
        check->setText(QString::fromStdString(model_.BitName(i)));
    }
    osc_[static_cast<size_t>(model_.Oscillator())]->setChecked(true);
    PalEdit->setText(QString::fromStdString(model_.PalEdit));
    PalEdit2->setText(QString::fromStdString(model_.PalEdit2));
}

void TPalConfForm::PCClick() {
    for (int i = 0; i < ConfigWord16::kBits; ++i) {
        if (pc_[static_cast<size_t>(i)]->isChecked() != model_.Bit(i)) {
            model_.SetBit(i, pc_[static_cast<size_t>(i)]->isChecked());
        }
    }
    Refresh();
}

void TPalConfForm::GroupBox1Click() {
    for (int k = 0; k < 4; ++k) {
        if (osc_[static_cast<size_t>(k)]->isChecked()) {
            model_.SelectOscillator(k);
        }
    }
    Refresh();
}

void TPalConfForm::Button2Click() {
    model_.Apply();
    Refresh();
}

void TPalConfForm::PalEditEdited(const QString& text) {
    // Hex digits turn to upper case as they are typed.
    int cursor = PalEdit->cursorPosition();
    PalEdit->setText(text.toUpper());
    PalEdit->setCursorPosition(cursor);
    model_.PalEdit = PalEdit->text().toStdString();
}
