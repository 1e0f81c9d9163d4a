#pragma once
#include "simulator/Pic16Profile.h"

#include <cstdint>
#include <string>

namespace Sim {

// A factory calibration word of the configuration half (DS41204G 2008h/2009h, DS41287C
// 2009h): its address, the bits its register defines, what the other bits read as, and the
// value the simulated chip leaves the factory with.
struct CalibrationFacts {
    uint32_t address;
    uint32_t implemented;
    uint32_t fill;
    uint32_t factory;
};

// One part of DS41191D, DS41204G or DS41287C, as its document describes it. Sizes are
// not here: they come from the device record like every other part's.
struct FlashPart {
    const char* name;
    Pic16Variant variant;
    uint32_t deviceId;        // 2006h with the revision bits 4-0 zero
    uint32_t latches;         // program-memory write latches one cycle writes
    uint32_t configPeriod;    // the configuration half repeats every this many words
    uint32_t configMask;      // implemented bits of 2007h
    uint32_t configFill;      // what its unimplemented bits read as
    uint32_t configMask2 = 0; // implemented bits of 2008h when it is CONFIG2, else 0
    CalibrationFacts calibration[2] = {};
    uint32_t calibrationWords = 0;
    uint32_t osccal = 0;  // factory RETLW at program word 03FFh; 0: none
    uint32_t bandGap = 0; // factory BG1:BG0 in 2007h bits 13-12 (set bits only)
};

// The part of that name, or null for any other device.
const FlashPart* FindFlashPart(const std::string& deviceName);

// DS41191D §2.3.1.9: OSCCAL is the last program word, 03FFh, a RETLW (11 01xx xxxx xxxx).
inline constexpr uint32_t OsccalAddress = 0x03FF;
// DS41191D Reg. 3-1: BG1:BG0, configuration word bits 13-12.
inline constexpr uint32_t BandGapBits = 0x3000;

} // namespace Sim
