#pragma once
#include "common/Phrase.h"
#include "devices/DeviceRecord.h"
#include "devices/IniFile.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One entry of the "Dispositivo" menu.
struct DeviceEntry {
    std::string name;      // section name, exactly as written
    std::string similares; // hint text
};

// What start-up takes from the device file.
struct DeviceList {
    uint16_t portBase = DeviceDefaults::Port;
    std::string adapter; // "[Config] adapter", empty when absent
    // The [Config] keys whose names start with "gpio" (the GPIO adapter's chip and pin
    // map), names in lower case, with their values, in file order.
    std::vector<std::pair<std::string, std::string>> gpioKeys;
    std::vector<DeviceEntry> devices;
};

// Everything selection reads from a device section.
struct DeviceSection {
    // 16 or 18 from characters 4 and 5 of the name; a part named otherwise (PIC12F675)
    // takes the family of the programming document its "Algoritmo" names.
    int32_t family = 0;
    DeviceRecord record; // Family, WBufSize and DeviceName are filled by the caller
    int32_t palConfDef16 = DeviceDefaults::PalConfDef16;
    std::string palConfDef18 = DeviceDefaults::PalConfDef18;
    std::string palConf = DeviceDefaults::PalConf;
    // Family 16 parts with a second configuration word at 2008h: its recommended value
    // ("PalConfDef2", -1 when absent) and bit names ("PalConf2").
    int32_t palConfDef2 = -1;
    std::string palConf2 = DeviceDefaults::PalConf;
    // Why the section cannot be selected ("Algoritmo" names no document the program
    // knows, or one of the other family); empty when it can.
    Phrase error;
};

// The device list: "port" of [Config] and every section whose name starts with "PIC".
DeviceList ReadDeviceList(const IniFile& ini);

// The keys of one device section, with their defaults. Sizes that make no sense (a
// memory below 0 or above the largest address space, a word width outside 1..16) take
// the key's default like a value that does not convert.
DeviceSection ReadDeviceSection(const IniFile& ini, const std::string& name);

// Characters 4 and 5 of the name (counted from 1), and their integer value (0 when they
// do not convert).
std::string FamilyText(const std::string& deviceName);
int32_t FamilyOf(const std::string& deviceName);
