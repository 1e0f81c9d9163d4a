#include "common/Version.h"
#include "ui/app/WindowOptions.h"
#include "ui/main/TLumbroForm.h"
#include "ui/qt/QtLanguage.h"
#include "ui/qt/QtMessages.h"
#include "ui/qt/QtPhrase.h"
#include "ui/qt/QtSettingsStore.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pravik");
    QApplication::setOrganizationName("Pravik");
    // Qt has taken its own options (-platform...); the rest are the program's.
    QStringList qtArgs = QApplication::arguments();
    std::vector<std::string> args;
    for (qsizetype i = 1; i < qtArgs.size(); ++i) {
        args.push_back(qtArgs[i].toStdString());
    }
    const WindowOptions options = ParseWindowOptions(args);
    // Spanish unless --lang, PRAVIK_LANG or the language chosen in the window says English;
    // from here on every text, Qt's dialogs included, is in it.
    QtSettingsStore settings;
    const char* environment = std::getenv("PRAVIK_LANG");
    const Language language =
        ChooseLanguage(options.lang, environment != nullptr ? environment : "",
                       settings.Read(LanguageSection, LanguageKey, ""));
    QtLanguage translations;
    translations.Install(language);
    if (!options.error.empty()) {
        std::fprintf(stderr, "pravik: %s\n%s", Said(options.error).toUtf8().constData(),
                     Said(WindowUsageText()).toUtf8().constData());
        return 2;
    }
    if (options.help || options.version) {
        std::fputs(options.help ? Said(WindowUsageText()).toUtf8().constData()
                                : (std::string("pravik ") + PravikVersion + "\n").c_str(),
                   stdout);
        return 0;
    }
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(PravikAppId);
    // The windows are laid out in pixels for an 11-pixel interface font.
    QFont interfaceFont = QApplication::font();
    interfaceFont.setPixelSize(11);
    QApplication::setFont(interfaceFont);

    QtMessages messages;
    TLumbroForm form(messages, settings);
    messages.SetParent(&form);
    form.SetAdapterChoice(options.adapter);
    form.SetChipFile(options.chipFile);
    form.Principal();
    if (form.EndRequested()) {
        return 1;
    }
    form.show();
    return app.exec();
}
