#include "common/Version.h"
#include "ui/main/TLumbroForm.h"
#include "ui/qt/QtMessages.h"
#include "ui/qt/QtSettingsStore.h"
#include "ui/qt/QtSpanish.h"

#include <QApplication>
#include <QFont>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pravik");
    QApplication::setOrganizationName("Pravik");
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
    form.Principal();
    if (form.EndRequested()) {
        return 1;
    }
    form.show();
    return app.exec();
}
