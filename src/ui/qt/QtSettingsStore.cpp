#include "ui/qt/QtSettingsStore.h"

#include <QSettings>

namespace {

QString Key(const std::string& section, const std::string& name) {
    return QString::fromStdString(section + "/" + name);
}

} // namespace

std::string QtSettingsStore::Read(const std::string& section, const std::string& name,
                                  const std::string& defaultValue) const {
    QSettings settings("Pravik", "Pravik");
    QVariant v = settings.value(Key(section, name));
    return v.isValid() ? v.toString().toStdString() : defaultValue;
}

void QtSettingsStore::Write(const std::string& section, const std::string& name,
                            const std::string& value) {
    // An unwritable store (read-only configuration directory) loses the setting but
    // must not stop the program: QSettings reports the failure only through status().
    QSettings settings("Pravik", "Pravik");
    settings.setValue(Key(section, name), QString::fromStdString(value));
    settings.sync();
}
