#include "common/Version.h"
#include "ui/app/WindowOptions.h"
#include "ui/main/TLumbroForm.h"
#include "ui/qt/QtMessages.h"
#include "ui/qt/QtSettingsStore.h"
#include "ui/qt/QtSpanish.h"

#include <QApplication>
#include <QFont>
#include <QTranslator>

#include <cstdio>

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
    if (!options.error.empty()) {
        std::fprintf(stderr, "pravik: %s\n%s", options.error.c_str(), WindowUsageText().c_str());
        return 2;
    }
    if (options.help || options.version) {
        std::fputs(options.help ? WindowUsageText().c_str()
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
    // Qt's standard dialogs and buttons in Spanish, like everything else the program says.
    QTranslator qtSpanish;
    InstallQtSpanish(qtSpanish);

    QtMessages messages;
    QtSettingsStore settings;
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
