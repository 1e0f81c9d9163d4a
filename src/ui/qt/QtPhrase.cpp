#include "ui/qt/QtPhrase.h"

#include <QCoreApplication>

QString Said(const Phrase& phrase) {
    return QString::fromStdString(phrase.Render([](const char* context, const std::string& source) {
        return QCoreApplication::translate(context, source.c_str()).toStdString();
    }));
}
