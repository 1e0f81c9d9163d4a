#pragma once
#include "common/SettingsStore.h"

// The per-user settings store: an INI file beside the user's device file,
// <config>/pravik/Pravik.conf (see common/UserConfig.h), read and written through
// QSettings. Made once per run; takes over the settings of earlier versions.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    std::string Read(const std::string& section, const std::string& name,
                     const std::string& defaultValue) const override;
    void Write(const std::string& section, const std::string& name,
               const std::string& value) override;
};
