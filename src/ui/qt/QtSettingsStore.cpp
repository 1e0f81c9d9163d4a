#include "ui/qt/QtSettingsStore.h"

#include "common/UserConfig.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString Key(const std::string& section, const std::string& name) {
    return QString::fromStdString(section + "/" + name);
}

QString Path(const std::string& path) {
    return QString::fromStdString(path);
}

} // namespace

QtSettingsStore::QtSettingsStore() {
    // Earlier versions kept the settings in a folder of their own that differs from the
    // device file's only by case; the first run of this one takes them over, once.
    const QString current = Path(SettingsFile());
    const QString legacy = Path(LegacySettingsFile());
    if (current.isEmpty() || QFileInfo::exists(current) || !QFileInfo::exists(legacy)) {
        return;
    }
    const QSettings old(legacy, QSettings::IniFormat);
    QSettings settings(current, QSettings::IniFormat);
    for (const QString& key : old.allKeys()) {
        settings.setValue(key, old.value(key));
    }
    settings.sync();
}

std::string QtSettingsStore::Read(const std::string& section, const std::string& name,
                                  const std::string& defaultValue) const {
    if (SettingsFile().empty()) {
        return defaultValue; // no home directory: nothing is remembered
    }
    const QSettings settings(Path(SettingsFile()), QSettings::IniFormat);
    QVariant v = settings.value(Key(section, name));
    return v.isValid() ? v.toString().toStdString() : defaultValue;
}

void QtSettingsStore::Write(const std::string& section, const std::string& name,
                            const std::string& value) {
    // An unwritable store (read-only configuration directory) loses the setting but
    // must not stop the program: QSettings reports the failure only through status().
    if (SettingsFile().empty()) {
        return;
    }
    QSettings settings(Path(SettingsFile()), QSettings::IniFormat);
    settings.setValue(Key(section, name), QString::fromStdString(value));
    settings.sync();
}
