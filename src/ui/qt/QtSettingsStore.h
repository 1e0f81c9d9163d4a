#pragma once
#include "common/SettingsStore.h"

// The per-user settings store: QSettings of organisation and application "Pravik"
// (on Linux an INI file under the user's configuration directory).
class QtSettingsStore : public SettingsStore {
public:
    std::string Read(const std::string& section, const std::string& name,
                     const std::string& defaultValue) const override;
    void Write(const std::string& section, const std::string& name,
               const std::string& value) override;
};
