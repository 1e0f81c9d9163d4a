#include "ui/dialogs/TPalConfForm18.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TPalConfForm18::TPalConfForm18(ConfigWords18& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("PalConfForm18");
    setWindowTitle(tr("Palabra de Configuración, familia 18"));
    setFixedSize(313, 288);

    auto* heading = new QLabel(tr("Recomendado"), this);
    heading->setObjectName("Label8");
    heading->move(170, 12);
    for (int n = 0; n < ConfigWords18::kWords; ++n) {
        const size_t i = static_cast<size_t>(n);
        const int top = 34 + n * 30;
        auto* label = new QLabel(QString("Config%1").arg(n + 1), this);
        label->setObjectName(QString("Label%1").arg(n + 1));
        label->move(24, top + 3);

        QLineEdit* word = new QLineEdit("0000", this);
        word->setObjectName(QString("EditConf%1").arg(n + 1));
        word->setMaxLength(4);
        word->setGeometry(90, top, 60, 21);
        word->installEventFilter(this);
        connect(word, &QLineEdit::textEdited, this, [this, n, word](const QString& text) {
            int cursor = word->cursorPosition();
            word->setText(text.toUpper());
            word->setCursorPosition(cursor);
            model_.EditConf[static_cast<size_t>(n)] = word->text().toStdString();
        });
        editConf_[i] = word;

        QLineEdit* recommended = new QLineEdit("0000", this);
        recommended->setObjectName(QString("Edit%1").arg(n + 1));
        recommended->setMaxLength(4);
        recommended->setEnabled(false);
        recommended->setGeometry(170, top, 60, 21);
        edit_[i] = recommended;
    }
    // The words come first in the keyboard order.
    for (int n = 0; n + 1 < ConfigWords18::kWords; ++n) {
        setTabOrder(editConf_[static_cast<size_t>(n)], editConf_[static_cast<size_t>(n + 1)]);
    }

    auto* defaults = new QPushButton(tr("Recomendados"), this);
    defaults->setObjectName("Button2");
    defaults->setGeometry(24, 248, 100, 25);
    defaults->setAutoDefault(false);
    connect(defaults, &QPushButton::clicked, this, &TPalConfForm18::Button2Click);
    auto* back = new QPushButton(tr("Volver"), this);
    back->setObjectName("Button1");
    back->setGeometry(214, 248, 75, 25);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
}

int TPalConfForm18::Execute() {
    Refresh();
    editConf_[0]->setFocus();
    return exec();
}

void TPalConfForm18::Refresh() {
    for (size_t i = 0; i < editConf_.size(); ++i) {
        editConf_[i]->setText(QString::fromStdString(model_.EditConf[i]));
        edit_[i]->setText(QString::fromStdString(model_.Edit[i]));
    }
}

bool TPalConfForm18::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (int n = 0; n < ConfigWords18::kWords; ++n) {
            if (watched == editConf_[static_cast<size_t>(n)]) {
                EditConfExit(n);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPalConfForm18::EditConfExit(int n) {
    model_.EditConf[static_cast<size_t>(n)] =
        editConf_[static_cast<size_t>(n)]->text().toStdString();
    model_.EditConfExit(n);
    editConf_[static_cast<size_t>(n)]->setText(
        QString::fromStdString(model_.EditConf[static_cast<size_t>(n)]));
}

void TPalConfForm18::Button2Click() {
    model_.Recomendados();
    Refresh();
}
