#include "cli/RememberedDevice.h"

#include "common/Language.h"
#include "common/UserConfig.h"

#include <QFileInfo>
#include <QSettings>

namespace {

// The window's store, keys and text, read only: the settings file, or the one of an
// earlier version that the window has not taken over yet.
std::string RememberedSetting(const QString& key) {
    QString path = QString::fromStdString(SettingsFile());
    if (!QFileInfo::exists(path)) {
        path = QString::fromStdString(LegacySettingsFile());
    }
    if (path.isEmpty()) {
        return "";
    }
    const QSettings settings(path, QSettings::IniFormat);
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString().toStdString() : std::string();
}

} // namespace

std::string RememberedDevice() {
    return RememberedSetting("Config/lastpic");
}

std::string RememberedLanguage() {
    return RememberedSetting(QString(LanguageSection) + "/" + LanguageKey);
}
