#pragma once
#include "common/Language.h"

#include <QTranslator>

// The translators of the language chosen for the run, installed in the application.
// Spanish: the program's texts as written, and Qt's own Spanish for its standard dialogs
// and buttons. English: the program's English translation; Qt's dialogs speak English by
// themselves.
class QtLanguage {
public:
    // False when a translation is not there (the texts then stay as written).
    bool Install(Language language);

private:
    QTranslator qt_;
    QTranslator program_;
};

// Loads the program's translation into `translator` (built into the program); false for
// Spanish, which needs none, or when it is missing.
bool LoadProgramTranslation(QTranslator& translator, Language language);
