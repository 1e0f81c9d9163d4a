#include "ui/dialogs/TProcesaForm.h"

#include "ui/qt/QtPhrase.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(left, top, 220 - (left - 32), 17);
    return label;
}

} // namespace

TProcesaForm::TProcesaForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("ProcesaForm");
    setWindowTitle(tr("Procesando Micro"));
    setFixedSize(264, 211);
    setModal(false);

    Accion = AddLabel(this, "Accion", tr("Accion"), 32, 16);
    Accion->setGeometry(16, 16, 240, 17);
    AddLabel(this, "Label3", TProcesaForm::tr("Progreso:"), 32, 40);
    Dir = AddLabel(this, "Dir", "Dir", 152, 40);
    QFont bold = Dir->font();
    bold.setBold(true);
    bold.setPixelSize(17);
    Dir->setFont(bold);
    Dir->setGeometry(152, 38, 100, 21);
    AddLabel(this, "Label1", TProcesaForm::tr("Final Programa:"), 32, 72);
    AddLabel(this, "Label2", TProcesaForm::tr("Final EEPROM:"), 32, 96);
    MaxProg = AddLabel(this, "MaxProg", "0", 152, 72);
    MaxEEProm = AddLabel(this, "MaxEEProm", "0", 152, 96);

    Progreso = new QProgressBar(this);
    Progreso->setObjectName("Progreso");
    Progreso->setGeometry(32, 122, 200, 16);
    Progreso->setRange(0, 1);
    Progreso->setValue(0);
    Progreso->setTextVisible(false);

    Button1 = new QPushButton(tr("Cancelar"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(94, 150, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TProcesaForm::Button1Click);
}

void TProcesaForm::Show(const ProgressText& text, int32_t address, int32_t limit) {
    Accion->setText(Said(text.accion));
    Dir->setText(QString::fromStdString(text.dir));
    MaxProg->setText(QString::fromStdString(text.maxProg));
    MaxEEProm->setText(QString::fromStdString(text.maxEEProm));
    if (address >= 0 && limit > 0) {
        Progreso->setRange(0, limit);
        Progreso->setValue(std::min(address, limit));
    }
}

void TProcesaForm::Button1Click() {
    cancelRequested_ = true;
}

void TProcesaForm::reject() {
    Button1Click();
}
