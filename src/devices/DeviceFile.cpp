#include "devices/DeviceFile.h"

#include "devices/IntConv.h"

namespace {

int32_t ReadBounded(const IniFile& ini, const std::string& section, const std::string& key,
                    int32_t defaultValue, int32_t low, int32_t high) {
    int32_t v = ini.ReadInteger(section, key, defaultValue);
    return (v < low || v > high) ? defaultValue : v;
}

} // namespace

DeviceList ReadDeviceList(const IniFile& ini) {
    DeviceList list;
    list.portBase = static_cast<uint16_t>(ini.ReadInteger("Config", "port", DeviceDefaults::Port));
    list.adapter = ini.ReadString("Config", "adapter", "");
    for (const std::string& name : ini.SectionNames()) {
        if (name.compare(0, 3, "PIC") == 0) {
            list.devices.push_back(
                DeviceEntry{name, ini.ReadString(name, "Similares", DeviceDefaults::Similares)});
        }
    }
    return list;
}

DeviceSection ReadDeviceSection(const IniFile& ini, const std::string& name) {
    using namespace DeviceDefaults;
    DeviceSection s;
    DeviceRecord& r = s.record;
    r.ProgMem = ReadBounded(ini, name, "ProgMem", ProgMem, 0, MaxMemory);
    r.EEProm = ReadBounded(ini, name, "EEProm", EEProm, 0, MaxMemory);
    r.ProgBits = ReadBounded(ini, name, "ProgBits", ProgBits, 1, 16);
    r.RAM = ini.ReadInteger(name, "RAM", RAM);
    r.ConfigStart = ini.ReadInteger(name, "ConfigStart", ConfigStart);
    r.EEPromStart = ini.ReadInteger(name, "EEPromStart", EEPromStart);
    s.palConfDef16 = ini.ReadInteger(name, "PalConfDef", PalConfDef16);
    s.palConfDef18 = ini.ReadString(name, "PalConfDef", PalConfDef18);
    s.palConf = ini.ReadString(name, "PalConf", PalConf);
    r.Programming = ini.ReadString(name, "Programming", Programming);
    return s;
}

std::string FamilyText(const std::string& deviceName) {
    return deviceName.size() > 3 ? deviceName.substr(3, 2) : std::string();
}

int32_t FamilyOf(const std::string& deviceName) {
    return ConvertIntDef(FamilyText(deviceName), 0);
}
