#include "devices/DeviceFile.h"

#include "common/Text.h"
#include "devices/Algorithms.h"
#include "devices/IntConv.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

int32_t ReadBounded(const IniFile& ini, const std::string& section, const std::string& key,
                    int32_t defaultValue, int32_t low, int32_t high) {
    int32_t v = ini.ReadInteger(section, key, defaultValue);
    return (v < low || v > high) ? defaultValue : v;
}

// A list of integers separated by blanks; empty when any of them does not convert or
// is negative, so that a broken key compares every bit instead of the wrong ones.
std::vector<uint32_t> ReadIntegerList(const IniFile& ini, const std::string& section,
                                      const std::string& key) {
    std::vector<uint32_t> values;
    const std::string text = ini.ReadString(section, key, "");
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = text.find_first_not_of(" \t", pos);
        if (start == std::string::npos) {
            break;
        }
        const size_t end = std::min(text.find_first_of(" \t", start), text.size());
        const int32_t v = DeviceFileInt(text.substr(start, end - start), -1);
        if (v < 0) {
            return {};
        }
        values.push_back(static_cast<uint32_t>(v));
        pos = end;
    }
    return values;
}

// Volts written "12", "13.5" or "13,5", in millivolts; the default when the text is no
// such number or lies outside 1 to 30 V.
int32_t ReadMillivolts(const IniFile& ini, const std::string& section, const std::string& key,
                       int32_t defaultValue) {
    const std::string text = ini.ReadString(section, key, "");
    int32_t whole = 0;
    int32_t tenths = 0;
    size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && whole < 100; ++i) {
        whole = whole * 10 + (text[i] - '0');
    }
    if (i == 0) {
        return defaultValue;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',') && i + 1 < text.size() &&
        text[i + 1] >= '0' && text[i + 1] <= '9') {
        tenths = text[i + 1] - '0';
        i += 2;
    }
    const int32_t millivolts = whole * 1000 + tenths * 100;
    return i == text.size() && millivolts >= 1000 && millivolts <= 30000 ? millivolts
                                                                         : defaultValue;
}

// The code-protect bits among the names of bits 13 down to 0: "CP" alone or followed by
// digits ("CPD" protects data memory, not the program).
uint32_t CodeProtectBits(const std::string& names) {
    constexpr int kTopBit = 13;
    uint32_t mask = 0;
    int bit = kTopBit;
    size_t pos = 0;
    while (bit >= 0 && pos < names.size()) {
        const size_t start = names.find_first_not_of(" \t", pos);
        if (start == std::string::npos) {
            break;
        }
        const size_t end = std::min(names.find_first_of(" \t", start), names.size());
        const std::string name = names.substr(start, end - start);
        const bool cp = name.size() >= 2 && name.compare(0, 2, "CP") == 0 &&
                        std::all_of(name.begin() + 2, name.end(),
                                    [](unsigned char c) { return c >= '0' && c <= '9'; });
        if (cp) {
            mask |= 1U << bit;
        }
        --bit;
        pos = end;
    }
    return mask;
}

} // namespace

DeviceList ReadDeviceList(const IniFile& ini) {
    DeviceList list;
    list.portBase = static_cast<uint16_t>(ini.ReadInteger("Config", "port", DeviceDefaults::Port));
    list.adapter = ini.ReadString("Config", "adapter", "");
    for (const std::string& key : ini.KeyNames("Config")) {
        std::string lower = key;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lower.compare(0, 4, "gpio") == 0) {
            list.gpioKeys.emplace_back(lower, ini.ReadString("Config", key, ""));
        }
    }
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
    // A size of 0 or less means the device has no EEPROM.
    r.EEProm = std::max(0, ReadBounded(ini, name, "EEProm", EEProm, INT32_MIN, MaxMemory));
    r.ProgBits = ReadBounded(ini, name, "ProgBits", ProgBits, 1, 16);
    r.RAM = ini.ReadInteger(name, "RAM", RAM);
    r.ConfigStart = ini.ReadInteger(name, "ConfigStart", ConfigStart);
    r.EEPromStart = ini.ReadInteger(name, "EEPromStart", EEPromStart);
    s.palConfDef16 = ini.ReadInteger(name, "PalConfDef", PalConfDef16);
    s.palConfDef18 = ini.ReadString(name, "PalConfDef", PalConfDef18);
    s.palConf = ini.ReadString(name, "PalConf", PalConf);
    r.ProtectMask16 = CodeProtectBits(s.palConf);
    s.palConfDef2 = ReadBounded(ini, name, "PalConfDef2", -1, 0, 0x3FFF);
    s.palConf2 = ini.ReadString(name, "PalConf2", PalConf);
    r.Programming = ini.ReadString(name, "Programming", Programming);
    s.family = FamilyOf(name);
    const std::string algorithm = ini.ReadString(name, "Algoritmo", "");
    if (algorithm.empty()) {
        r.Algorithm = FallbackAlgorithm(r.Programming, name, s.family);
    } else {
        const AlgorithmChoice choice = ChooseAlgorithm(algorithm, name, s.family);
        r.Algorithm = choice.name;
        s.error = choice.error;
        if (s.family != 16 && s.family != 18 && !choice.name.empty()) {
            s.family = AlgorithmFamily(choice.name);
        }
    }
    r.DeviceId = ReadBounded(ini, name, "DeviceID", -1, 0, 0xFFFF);
    // Without a mask the ID names the part in all but its five revision bits.
    const int32_t defaultMask = s.family == 18 ? DeviceIdMask18 : DeviceIdMask16;
    r.DeviceIdMask = ReadBounded(ini, name, "DeviceIDMask", defaultMask, 1, 0xFFFF);
    r.ConfigMasks = ReadIntegerList(ini, name, "PalConfMask");
    // A unit that is no power of two up to 64, or a time outside 1 us to 1 s, gives one
    // location per cycle, as a device without the keys.
    const int32_t unit = ReadBounded(ini, name, "WriteUnit", 0, 1, 64);
    r.WriteUnit = (unit & (unit - 1)) == 0 ? unit : 0;
    r.WriteTimeUs = ReadBounded(ini, name, "WriteTime", 0, 1, 1000000);
    r.WordWrites = EqualsIgnoringCase(ini.ReadString("Config", "escritura", ""), "palabra");
    r.VppMaxMillivolts = ReadMillivolts(ini, name, "VppMax", 0);
    r.AdapterVppMillivolts = ReadMillivolts(ini, "Config", "vpp", r.AdapterVppMillivolts);
    return s;
}

std::string FamilyText(const std::string& deviceName) {
    return deviceName.size() > 3 ? deviceName.substr(3, 2) : std::string();
}

int32_t FamilyOf(const std::string& deviceName) {
    return ConvertIntDef(FamilyText(deviceName), 0);
}
