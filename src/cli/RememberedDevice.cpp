#include "cli/RememberedDevice.h"

#include "common/UserConfig.h"

#include <QFileInfo>
#include <QSettings>

std::string RememberedDevice() {
    // The window's store, keys and text, read only: the settings file, or the one of an
    // earlier version that the window has not taken over yet.
    QString path = QString::fromStdString(SettingsFile());
    if (!QFileInfo::exists(path)) {
        path = QString::fromStdString(LegacySettingsFile());
    }
    if (path.isEmpty()) {
        return "";
    }
    const QSettings settings(path, QSettings::IniFormat);
    const QVariant value = settings.value("Config/lastpic");
    return value.isValid() ? value.toString().toStdString() : std::string();
}
