#pragma once
#include "common/Phrase.h"
#include "common/SettingsStore.h"
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceRecord.h"
#include "image/MemoryImage.h"

#include <string>

// The models a device selection rewrites.
struct SelectionTargets {
    DeviceRecord& record;
    MemoryImage& image;
    ConfigWord16& config16;
    ConfigWords18& config18;
    SettingsStore& settings;
};

struct SelectionResult {
    bool accepted = false;      // false: family not 16 or 18, nothing was changed
    Phrase error;               // "Familia XX no reconocida" when not accepted
    bool dataGridReset = false; // the EEPROM grid was reset (device has EEPROM)
};

// Selects the device named `name` from the device file at iniPath (read afresh, so an
// edit of the file takes effect at the next selection): fills the record, stores the
// name as "lastpic", sets both configuration models to the device's recommended values
// and resets the grids for the new sizes. Every selection discards the image.
SelectionResult SelectDevice(const std::string& name, const std::string& iniPath,
                             SelectionTargets targets);
