#pragma once
#include "devices/DeviceRecord.h"

#include <cstdint>

namespace Sim {

// Mid-range parts whose programming specifications differ in ways the wire shows.
enum class Pic16Variant {
    F84A,  // DS30262: erase/program 001000, program-only 011000, bulk erase via a begin command
    F62X,  // DS30034: as the F84A, longer cycles
    F62XA, // DS41196: 001000 programs only, self-timed bulk erase, EEPROM addressed by 7/8 bits
    F87X,  // DS39025: erase/program cycles, Setup1/Setup2 erase procedures
    F7X,   // 16F7X flash: externally timed pulse ended by 001110
    F87XA, // DS39589 (and 16F87/88): 8-word rows, program-only ended by 010111, chip erase
    Eprom, // DS30228: one-time programmable, pulse then 001110, bits only go 1 -> 0
};

// Minimum times a chip needs, in ns. Each is named after the parameter of its document.
struct Pic16Timing {
    int64_t clockHighNs;    // Tset1 + Thld1 around the sampling edge
    int64_t clockLowNs;     // command phase
    int64_t dataClockLowNs; // Tdly2, falling edge to next rising edge in a data word
    int64_t setupNs;        // Tset1
    int64_t holdNs;         // Thld1
    int64_t commandDelayNs; // Tdly1: command to data, and command to command
    int64_t entryHoldNs;    // Thld0: programming voltage to first clock
    int64_t programNs;      // 001000 on program memory, internally timed
    int64_t dataWriteNs;    // 001000 on data memory
    int64_t programOnlyNs;  // 011000 when internally timed
    int64_t pulseNs;        // shortest externally timed pulse (ended by End Programming)
    int64_t bulkEraseNs;    // bulk erase of one memory, and the Setup1/Setup2 erases
    int64_t chipEraseNs;    // 011111
};

struct Pic16Profile {
    Pic16Variant variant = Pic16Variant::F84A;
    uint32_t programWords = 0;
    uint32_t eepromBytes = 0;
    int wordBits = 14;
    uint32_t rowWords = 1;    // program-memory latches written by one cycle
    uint32_t configWords = 1; // 2 on the 16F87/88 (CONFIG2 at 0x2008)
    uint16_t protectMask = 0; // configuration bits that protect code when any is 0
    bool hasDeviceId = true;
    bool topCommandBitsIgnored = false; // F84A: top two bits don't care for most commands
    Pic16Timing timing{};
};

// Chooses the variant from the algorithm name and the device name, and takes sizes and
// word width from the record.
Pic16Profile MakePic16Profile(const DeviceRecord& device);

} // namespace Sim
