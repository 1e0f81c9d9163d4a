#include "simulator/PartFacts.h"

#include "simulator/FlashParts.h"

#include <array>
#include <cstddef>

namespace Sim {

namespace {

struct Pic16Row {
    const char* name;
    uint32_t deviceId; // 0: the part has no device ID (EPROM parts, DS30228K "Reserved")
    uint32_t config1;
    uint32_t config2; // 0: no second configuration word
};

// Device IDs from each document's device ID table; implemented bits from its
// configuration word register (unimplemented bits read as 1).
constexpr std::array<Pic16Row, 31> kPic16{{
    {"PIC16F84A", 0x0560, 0x3FFF, 0},     {"PIC16F627", 0x07A0, 0x3DFF, 0},
    {"PIC16F628", 0x07C0, 0x3DFF, 0},     {"PIC16F627A", 0x1040, 0x21FF, 0},
    {"PIC16F628A", 0x1060, 0x21FF, 0},    {"PIC16F648A", 0x1100, 0x21FF, 0},
    {"PIC16F870", 0x0D00, 0x3BFF, 0},     {"PIC16F871", 0x0D20, 0x3BFF, 0},
    {"PIC16F872", 0x08E0, 0x3BFF, 0},     {"PIC16F873", 0x0960, 0x3BFF, 0},
    {"PIC16F874", 0x0920, 0x3BFF, 0},     {"PIC16F876", 0x09E0, 0x3BFF, 0},
    {"PIC16F877", 0x09A0, 0x3BFF, 0},     {"PIC16F73", 0x0600, 0x005F, 0},
    {"PIC16F74", 0x0620, 0x005F, 0},      {"PIC16F76", 0x0640, 0x005F, 0},
    {"PIC16F77", 0x0660, 0x005F, 0},      {"PIC16F873A", 0x0E40, 0x2FCF, 0},
    {"PIC16F874A", 0x0E60, 0x2FCF, 0},    {"PIC16F876A", 0x0E00, 0x2FCF, 0},
    {"PIC16F877A", 0x0E20, 0x2FCF, 0},    {"PIC16F88", 0x0760, 0x3FFF, 0x0003},
    {"PIC16F87", 0x0720, 0x3FFF, 0x0003}, {"PIC16C71", 0, 0x001F, 0},
    {"PIC16C73B", 0, 0x3F7F, 0},          {"PIC16C74B", 0, 0x3F7F, 0},
    {"PIC16C76", 0, 0x3F7F, 0},           {"PIC16C77", 0, 0x3F7F, 0},
    {"PIC16C620A", 0, 0x3F7F, 0},         {"PIC16C621A", 0, 0x3F7F, 0},
    {"PIC16C622A", 0, 0x3F7F, 0},
}};

struct Pic18Row {
    const char* name;
    uint32_t deviceId;
    std::array<uint16_t, 7> config; // CONFIGnH:CONFIGnL, unimplemented bits read as 0
};

constexpr std::array<uint16_t, 7> kXx2Small = {0x2700, 0x0F0F, 0x0100, 0x0085,
                                               0xC003, 0xE003, 0x4003};
constexpr std::array<uint16_t, 7> kXx2Large = {0x2700, 0x0F0F, 0x0100, 0x0085,
                                               0xC00F, 0xE00F, 0x400F};
constexpr std::array<uint16_t, 7> kXx8Small = {0x2700, 0x0F0F, 0x0000, 0x0085,
                                               0xC003, 0xE003, 0x4003};
constexpr std::array<uint16_t, 7> kXx8Large = {0x2700, 0x0F0F, 0x0000, 0x0085,
                                               0xC00F, 0xE00F, 0x400F};
constexpr std::array<uint16_t, 7> kX20Small = {0xCF00, 0x1F1F, 0x8700, 0x00C5,
                                               0xC003, 0xE003, 0x4003};
constexpr std::array<uint16_t, 7> kX20Large = {0xCF00, 0x1F1F, 0x8700, 0x00C5,
                                               0xC00F, 0xE00F, 0x400F};
constexpr std::array<uint16_t, 7> kUsbSmall = {0xCF3F, 0x1F3F, 0x8700, 0x00E5,
                                               0xC007, 0xE007, 0x4007};
constexpr std::array<uint16_t, 7> kUsbLarge = {0xCF3F, 0x1F3F, 0x8700, 0x00E5,
                                               0xC00F, 0xE00F, 0x400F};

constexpr std::array<Pic18Row, 16> kPic18{{
    {"PIC18F242", 0x0480, kXx2Small},
    {"PIC18F252", 0x0400, kXx2Large},
    {"PIC18F442", 0x04A0, kXx2Small},
    {"PIC18F452", 0x0420, kXx2Large},
    {"PIC18F248", 0x0800, kXx8Small},
    {"PIC18F258", 0x0840, kXx8Large},
    {"PIC18F448", 0x0820, kXx8Small},
    {"PIC18F458", 0x0860, kXx8Large},
    {"PIC18F2420", 0x1140, kX20Small},
    {"PIC18F2520", 0x1100, kX20Large},
    {"PIC18F4420", 0x10C0, kX20Small},
    {"PIC18F4520", 0x1080, kX20Large},
    {"PIC18F2455", 0x1260, kUsbSmall},
    {"PIC18F2550", 0x1240, kUsbLarge},
    {"PIC18F4455", 0x1220, kUsbSmall},
    {"PIC18F4550", 0x1200, kUsbLarge},
}};

// An ID no shipped part has, for devices of a test's own device file.
constexpr uint32_t kUnknownPartId = 0x0FE0;

} // namespace

PartFacts FactsOf(const std::string& deviceName, int family) {
    PartFacts facts;
    if (family == 18) {
        facts.hasDeviceId = true;
        facts.deviceId = kUnknownPartId;
        facts.configImplemented.assign(14, 0xFF);
        for (const Pic18Row& row : kPic18) {
            if (deviceName == row.name) {
                facts.deviceId = row.deviceId;
                for (size_t w = 0; w < row.config.size(); ++w) {
                    facts.configImplemented[2 * w] = row.config[w] & 0xFF;
                    facts.configImplemented[2 * w + 1] = row.config[w] >> 8;
                }
            }
        }
        return facts;
    }
    facts.hasDeviceId = true;
    facts.deviceId = kUnknownPartId;
    facts.configImplemented = {0x3FFF, 0x3FFF};
    facts.configFill = {0x3FFF, 0x3FFF};
    if (const FlashPart* part = FindFlashPart(deviceName)) {
        facts.deviceId = part->deviceId;
        facts.configImplemented = {part->configMask,
                                   part->configMask2 != 0 ? part->configMask2 : 0x3FFF};
        facts.configFill = {part->configFill, 0x3FFF};
        return facts;
    }
    for (const Pic16Row& row : kPic16) {
        if (deviceName == row.name) {
            facts.hasDeviceId = row.deviceId != 0;
            facts.deviceId = row.deviceId;
            facts.configImplemented = {row.config1, row.config2 != 0 ? row.config2 : 0x3FFF};
        }
    }
    return facts;
}

} // namespace Sim
