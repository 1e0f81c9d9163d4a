#include "ui/dialogs/TAboutForm.h"

#include "common/Version.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName("AboutForm");
    setWindowTitle(tr("Sobre Pravik"));
    setFixedSize(220, 142);

    // The bold 18-pixel title stands a little higher than its nominal 8 so that it does not
    // touch the first credit line below it.
    QLabel* title = PlaceLabel(this, "Pravik", 88, 2);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPixelSize(18);
    title->setFont(bold);
    title->adjustSize();
    PlaceLabel(this, tr("Programador de PIC"), 64, 24);
    PlaceLabel(this, tr("ICSP en puerto paralelo"), 56, 40);
    PlaceLabel(this, tr("versión %1").arg(PravikVersion), 88, 56);
    PlaceLabel(this, tr("PIC16 y PIC18"), 64, 80);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("okbut");
    ok->setGeometry(72, 104, 81, 25);
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &TAboutForm::okbutClick);
}

void TAboutForm::okbutClick() {
    accept();
}
