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
    setWindowTitle(tr("Palabra de Configuración, familia 16"));
    setFixedSize(500, 405);

    auto* box = new QGroupBox(tr("Palabra de Configuración"), this);
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

    auto* osc = new QGroupBox(tr("Oscilador"), this);
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
    BuildWord2();

    AddLabel(this, "Label1", tr("Palabra de Configuración:"), 8, 336);
    PalEdit = AddWordEdit(this, "PalEdit", {160, 332, 50, 21});
    connect(PalEdit, &QLineEdit::textEdited, this, &TPalConfForm::PalEditEdited);
    auto* apply = new QPushButton(tr("Aplicar"), this);
    apply->setObjectName("Button2");
    apply->setGeometry(220, 330, 75, 25);
    apply->setAutoDefault(false);
    connect(apply, &QPushButton::clicked, this, &TPalConfForm::Button2Click);

    AddLabel(this, "Label13", tr("Palabra recomendada"), 8, 368);
    PalEdit2 = AddWordEdit(this, "PalEdit2", {160, 364, 50, 21});
    PalEdit2->setEnabled(false);
    PalEditW2Def = AddWordEdit(this, "PalEditW2Def", {216, 364, 50, 21});
    PalEditW2Def->setEnabled(false);

    auto* back = new QPushButton(tr("Volver"), this);
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
        {"Label3", QT_TR_NOOP("_PWRTE: Power-On Timer Enable (Nivel Bajo)")},
        {"Label4", "BODEN: Brown-Out Reset Enable"},
        {"Label5", "LVP: Low Voltage In-Circuit Serial Programming Enable"},
        {"Label6", "CP: Code Protection Disable"},
        {"Label7", "CPx: Selective Code Protection Disable"},
        {"Label8", "CPD: Data EE Memory Code Protection Disable"},
        {"Label9", "WRT: Flash Program Memory Write Enable"},
        {"Label10", "DEBUG: In-Circuit Debugger Disable"},
        {"Label12", "MPEEN: Memory Parity Error Enable"},
        {"Label11", QT_TR_NOOP("- No  Implementado")},
    };
    int top = 124;
    for (const Line& line : kLegend) {
        AddLabel(this, line.name, tr(line.text), 172, top);
        top += 17;
    }
}

// The 16F87/88 second word: its hex value and a box for each bit that has a name.
void TPalConfForm::BuildWord2() {
    word2Box_ = new QGroupBox(tr("Palabra 2 (2008h)"), this);
    word2Box_->setObjectName("Word2Box");
    word2Box_->setGeometry(376, 8, 116, 104);
    PalEditW2 = AddWordEdit(word2Box_, "PalEditW2", {12, 20, 50, 21});
    connect(PalEditW2, &QLineEdit::textEdited, this, &TPalConfForm::Word2Edited);
    for (int k = 0; k < kWord2Boxes; ++k) {
        auto* check = new QCheckBox(word2Box_);
        check->setObjectName(QString("PW2_%1").arg(k));
        check->setGeometry(12, 46 + k * 18, 100, 18);
        connect(check, &QCheckBox::clicked, this, &TPalConfForm::Word2Clicked);
        word2Checks_[static_cast<size_t>(k)] = check;
    }
}

void TPalConfForm::RefreshWord2() {
    word2Box_->setVisible(model_.HasWord2);
    PalEditW2Def->setVisible(model_.HasWord2);
    PalEditW2->setText(QString("%1").arg(model_.Word2, 4, 16, QChar('0')).toUpper());
    PalEditW2Def->setText(QString::fromStdString(model_.Word2Default));
    int k = 0;
    for (int bit = ConfigWord16::kBits - 1; bit >= 0 && k < kWord2Boxes; --bit) {
        const QString name = QString::fromStdString(model_.BitName2(bit)).trimmed();
        if (name.isEmpty() || name == "-") {
            continue;
        }
        QCheckBox* check = word2Checks_[static_cast<size_t>(k)];
        check->setText(name);
        check->setChecked(((model_.Word2 >> bit) & 1) != 0);
        check->setVisible(true);
        word2Bits_[static_cast<size_t>(k++)] = bit;
    }
    for (; k < kWord2Boxes; ++k) {
        word2Checks_[static_cast<size_t>(k)]->setVisible(false);
    }
}

void TPalConfForm::Word2Clicked() {
    for (int k = 0; k < kWord2Boxes; ++k) {
        QCheckBox* check = word2Checks_[static_cast<size_t>(k)];
        if (check->isVisible()) {
            model_.SetBit2(word2Bits_[static_cast<size_t>(k)], check->isChecked());
        }
    }
    RefreshWord2();
}

// A complete word (four digits, at most 3FFF) takes effect once typed; anything else
// waits, in upper case.
void TPalConfForm::Word2Edited(const QString& text) {
    const int cursor = PalEditW2->cursorPosition();
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    if (ok && text.size() == 4 && value >= 0 && value <= 0x3FFF) {
        model_.Word2 = value;
        RefreshWord2();
    } else {
        PalEditW2->setText(text.toUpper());
    }
    PalEditW2->setCursorPosition(cursor);
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
    RefreshWord2();
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
