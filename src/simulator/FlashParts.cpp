#include "simulator/FlashParts.h"

#include <array>

namespace Sim {

namespace {

constexpr uint32_t Cal2008 = 0x2008;
constexpr uint32_t Cal2009 = 0x2009;
constexpr CalibrationFacts NoWord{0, 0, 0, 0};

// DS41191D (PIC12F629/675, PIC16F630/676): device IDs Tbl 3-1; configuration word Reg. 3-1,
// implemented mask 0x31FF with bits 11-9 reading 0 (register text and legend agree); the
// configuration half repeats every 20h (Fig. 2-1); one word per cycle (§2.3.1.7-8).
// Factory values chosen for the simulated chips: OSCCAL a RETLW near the middle of the
// CAL5:0 range, BG1:BG0 neither erased (11b) nor zero, alternating 10b and 01b.
constexpr FlashPart F629Part(const char* name, uint32_t id, uint32_t osccal, uint32_t bandGap) {
    return {.name = name,
            .variant = Pic16Variant::F629,
            .deviceId = id,
            .latches = 1,
            .configPeriod = 0x20,
            .configMask = 0x31FF,
            .configFill = 0x0000,
            .osccal = osccal,
            .bandGap = bandGap};
}

// DS41204G: device IDs Tbl 4-1; configuration word Reg. 4-1 (635/636/639, WURE in bit 12:
// mask 0x1FFF) and Reg. 4-2 (the others: 0x0FFF). Its unimplemented bits: the register text
// says "read as '1'", the legend "read as '0'"; the register text is taken, as for the
// older parts' same contradiction. Calibration 2008h: Reg. 4-3 (683/684/688, bit 5
// unimplemented: 0x1FDF) or Reg. 4-4/4-5 (0x1FFF); 2009h CALIB2 Reg. 4-6 (0x003F). Their
// unimplemented bits: the register headers print U-1 but the bit text and legend say
// "read as '0'"; the two agreeing texts are taken. The configuration half repeats every
// 40h on the 635/636/639/683/684/688 and every 80h on the others (Fig. 2-1 to 2-7). Four
// write latches (§3.1.1). Factory words: FCAL near its middle, POR and BOR bits mixed.
constexpr FlashPart F690Part(const char* name, uint32_t id, uint32_t period, uint32_t config,
                             uint32_t mask2008, uint32_t cal2008) {
    return {.name = name,
            .variant = Pic16Variant::F690,
            .deviceId = id,
            .latches = 4,
            .configPeriod = period,
            .configMask = config,
            .configFill = 0x3FFF,
            .calibration = {{Cal2008, mask2008, 0, cal2008}, NoWord},
            .calibrationWords = 1};
}
constexpr FlashPart F635Part(const char* name, uint32_t id, uint32_t calib1, uint32_t calib2) {
    return {.name = name,
            .variant = Pic16Variant::F690,
            .deviceId = id,
            .latches = 4,
            .configPeriod = 0x40,
            .configMask = 0x1FFF,
            .configFill = 0x3FFF,
            .calibration = {{Cal2008, 0x1FFF, 0, calib1}, {Cal2009, 0x003F, 0, calib2}},
            .calibrationWords = 2};
}

// DS41287C: device IDs Tbl 4-1; CONFIG1 Reg. 4-1 (0x3FFF); CONFIG2 Reg. 4-2 (0x0700,
// other bits read as 1, text and legend agree); calibration word 2009h Reg. 4-3 (0x1FFF,
// bit 13 read as 1 per its legend). Four latches, eight on the 886/887 (§3.2). Fig. 2-1 to
// 2-3 draw 2000h-207Fh but label the repeat "Maps to 2000-203F": the 40h repeat of the label
// is taken, the shorter period putting more addresses onto live locations (2049h reaches the
// calibration word as 2009h does).
constexpr FlashPart F88XPart(const char* name, uint32_t id, uint32_t latches, uint32_t cal) {
    return {.name = name,
            .variant = Pic16Variant::F88X,
            .deviceId = id,
            .latches = latches,
            .configPeriod = 0x40,
            .configMask = 0x3FFF,
            .configFill = 0x3FFF,
            .configMask2 = 0x0700,
            .calibration = {{Cal2009, 0x1FFF, 0x3FFF, cal}, NoWord},
            .calibrationWords = 1};
}

constexpr std::array<FlashPart, 21> kParts{{
    F629Part("PIC12F629", 0x0F80, 0x3474, 0x2000),
    F629Part("PIC12F675", 0x0FC0, 0x3488, 0x1000),
    F629Part("PIC16F630", 0x10C0, 0x347C, 0x2000),
    F629Part("PIC16F676", 0x10E0, 0x3490, 0x1000),
    F635Part("PIC12F635", 0x0FA0, 0x1052, 0x001D),
    F690Part("PIC12F683", 0x0460, 0x40, 0x0FFF, 0x1FDF, 0x0E8D),
    F690Part("PIC16F631", 0x1420, 0x80, 0x0FFF, 0x1FFF, 0x0F1A),
    F635Part("PIC16F636", 0x10A0, 0x1046, 0x002B),
    F635Part("PIC16F639", 0x10A0, 0x1066, 0x0015), // same ID as the 636 (Tbl 4-1)
    F690Part("PIC16F677", 0x1440, 0x80, 0x0FFF, 0x1FFF, 0x0F9C),
    F690Part("PIC16F684", 0x1080, 0x40, 0x0FFF, 0x1FDF, 0x0E49),
    F690Part("PIC16F685", 0x04A0, 0x80, 0x0FFF, 0x1FFF, 0x0FD3),
    F690Part("PIC16F687", 0x1320, 0x80, 0x0FFF, 0x1FFF, 0x1011),
    F690Part("PIC16F688", 0x1180, 0x40, 0x0FFF, 0x1FDF, 0x0E8A),
    F690Part("PIC16F689", 0x1340, 0x80, 0x0FFF, 0x1FFF, 0x0FE5),
    F690Part("PIC16F690", 0x1400, 0x80, 0x0FFF, 0x1FFF, 0x0F6B),
    F88XPart("PIC16F882", 0x2000, 4, 0x0F4C),
    F88XPart("PIC16F883", 0x2020, 4, 0x0F58),
    F88XPart("PIC16F884", 0x2040, 4, 0x0F85),
    F88XPart("PIC16F886", 0x2060, 8, 0x0FA2),
    F88XPart("PIC16F887", 0x2080, 8, 0x0F93),
}};

} // namespace

const FlashPart* FindFlashPart(const std::string& deviceName) {
    for (const FlashPart& part : kParts) {
        if (deviceName == part.name) {
            return &part;
        }
    }
    return nullptr;
}

} // namespace Sim
