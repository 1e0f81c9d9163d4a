#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The selected device. All zero or empty until the first selection; written only by
// device selection and read by everything else.
struct DeviceRecord {
    std::string DeviceName;
    int32_t Family = 0;      // 16 or 18, from characters 4 and 5 of the name
    int32_t ProgMem = 0;     // program cells: words (family 16) or bytes (family 18)
    int32_t EEProm = 0;      // data EEPROM bytes, 0 = none
    int32_t ProgBits = 0;    // width of a family 16 program word
    int32_t RAM = 0;         // shown only
    int32_t ConfigStart = 0; // family 16: HEX word address of the ID/configuration area
    int32_t EEPromStart = 0; // family 16: HEX word address of EEPROM byte 0
    std::string Programming; // algorithm name, compared whole and case-sensitively
    // The programming document whose sequences the part gets ("Algoritmo", or the one its
    // Programming kind always chose; see devices/Algorithms.h). Empty for a kind the
    // program does not know.
    std::string Algorithm;
    int32_t WBufSize = 0; // family 18 write buffer length, 8 after every selection
    // The chip's device ID with its revision bits zero, and the bits that identify the
    // part; DeviceId < 0 when the device file gives none ("DeviceID", "DeviceIDMask").
    // Family 16 configuration words: 1, or 2 with "PalConfDef2" (16F87/88, 2008h).
    int32_t ConfigWords = 1;
    int32_t DeviceId = -1;
    int32_t DeviceIdMask = 0;
    // Implemented bits of each configuration word ("PalConfMask"): family 16 one word per
    // configuration word, family 18 seven words with CONFIGnH in the high byte. Empty:
    // every bit is compared.
    std::vector<uint32_t> ConfigMasks;
    // Fast writes: cells one programming cycle takes ("WriteUnit": words on family 16,
    // bytes of one write buffer on family 18) and the time the cycle is given ("WriteTime",
    // microseconds). 0 when the device file gives none: one location per cycle.
    int32_t WriteUnit = 0;
    int32_t WriteTimeUs = 0;
    // "escritura=palabra" in [Config]: one location per cycle whatever the device says.
    bool WordWrites = false;
    // Programming voltage: the most the part takes on MCLR ("VppMax", 0 when not given),
    // and what the adapter gives ("vpp" of [Config], 13 V when not given).
    int32_t VppMaxMillivolts = 0;
    int32_t AdapterVppMillivolts = 13000;
    // Family 16: the bits of the configuration word that protect program memory, those
    // the bit names ("PalConf") call CP, CP0, CP1...; any of them at 0 protects.
    uint32_t ProtectMask16 = 0;
};

// Key defaults of a device section.
namespace DeviceDefaults {
inline constexpr int32_t ProgMem = 1024;
inline constexpr int32_t EEProm = 64;
inline constexpr int32_t ProgBits = 14;
inline constexpr int32_t RAM = 68;
inline constexpr int32_t ConfigStart = 0x2000;
inline constexpr int32_t EEPromStart = 0x2100;
inline constexpr int32_t PalConfDef16 = 0xFFFF;
inline constexpr const char* PalConfDef18 = "FFFF FFFF FFFF FFFF FFFF FFFF FFFF";
inline constexpr const char* PalConf = "- - - - - - - - - - - - - -";
inline constexpr const char* Programming = "Flash";
inline constexpr const char* Similares = "-";
inline constexpr int32_t Port = 888;
inline constexpr int32_t WBufSize = 8;
// The bits of the device ID word that name the part, when the device file gives an ID
// without a mask: revision in bits 4-0.
inline constexpr int32_t DeviceIdMask16 = 0x3FE0;
inline constexpr int32_t DeviceIdMask18 = 0xFFE0;
// The largest address space of either family (PIC18: 21-bit table pointer). Larger
// sizes are not real devices and would only exhaust memory.
inline constexpr int32_t MaxMemory = 2097152;
} // namespace DeviceDefaults
