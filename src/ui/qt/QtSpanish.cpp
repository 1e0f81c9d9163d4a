#include "ui/qt/QtSpanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallQtSpanish(QTranslator& translator) {
    // qtbase_es holds the texts of QtWidgets and QtGui (Debian: qt6-translations-l10n).
    if (!translator.load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}
