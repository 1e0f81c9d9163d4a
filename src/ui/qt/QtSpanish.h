#pragma once

class QTranslator;

// Loads Qt's own Spanish translation of its standard dialogs and buttons (file dialogs,
// message box buttons) into `translator` and installs it in the application, so that they
// read like the rest of the program. The program's own texts are written in Spanish and
// are not translated. False when the translation is not installed; the dialogs then stay
// in Qt's English.
bool InstallQtSpanish(QTranslator& translator);
