#include "ui/qt/QtMessages.h"

#include "ui/qt/QtPhrase.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QString Text(const Phrase& p) {
    return Said(p);
}

QString Title() {
    return QApplication::applicationName();
}

} // namespace

void QtMessages::ShowError(const Phrase& message) {
    QMessageBox::critical(parent_, Title(), Text(message));
}

bool QtMessages::AskAbortIgnore(const Phrase& message) {
    return QMessageBox::warning(parent_, Title(), Text(message),
                                QMessageBox::Abort | QMessageBox::Ignore,
                                QMessageBox::Abort) == QMessageBox::Abort;
}

void QtMessages::ShowInfo(const Phrase& message) {
    QMessageBox::information(parent_, Title(), Text(message));
}

bool QtMessages::AskYesNo(const Phrase& message) {
    return QMessageBox::question(parent_, Title(), Text(message),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMessages::ShowMessage(const Phrase& message) {
    QMessageBox box(QMessageBox::NoIcon, Title(), Text(message), QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<std::string> QtMessages::AskText(const Phrase& question, const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, Title(), Text(question), QLineEdit::Normal,
                                               Text(initial), &ok);
    return ok ? std::optional<std::string>(text.toStdString()) : std::nullopt;
}
