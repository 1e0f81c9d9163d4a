#include "ui/qt/QtLanguage.h"

#include "ui/qt/QtSpanish.h"

#include <QCoreApplication>

bool LoadProgramTranslation(QTranslator& translator, Language language) {
    return language == Language::English && translator.load(":/i18n/pravik_en.qm");
}

bool QtLanguage::Install(Language language) {
    if (language == Language::Spanish) {
        return InstallQtSpanish(qt_);
    }
    return LoadProgramTranslation(program_, language) &&
           QCoreApplication::installTranslator(&program_);
}
