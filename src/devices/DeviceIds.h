#pragma once
#include "devices/DeviceFile.h"
#include "devices/IniFile.h"

#include <cstdint>
#include <string>
#include <vector>

// The devices of the device file of one family whose device ID a word read from a chip
// names (the revision bits aside), in file order, with the revision the word carries.
struct DeviceMatch {
    std::string name;
    int32_t revision = 0;
};
std::vector<DeviceMatch> DevicesWithId(const DeviceList& list, const IniFile& ini, int32_t family,
                                       int32_t id);
