#include "app/QtMessages.h"
#include "app/QtSettingsStore.h"
#include "app/TLumbroForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pravik");
    QApplication::setOrganizationName("Pravik");

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
