#include "cli/RememberedDevice.h"

#include <QSettings>

std::string RememberedDevice() {
    // The same store, keys and text as the window's settings, read only.
    const QSettings settings("Pravik", "Pravik");
    const QVariant value = settings.value("Config/lastpic");
    return value.isValid() ? value.toString().toStdString() : std::string();
}
