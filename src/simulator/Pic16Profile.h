#pragma once
#include "devices/DeviceRecord.h"

#include <cstdint>

namespace Sim {

// Mid-range parts whose programming documents differ in ways the wire shows.
enum class Pic16Variant {
    F84A,  // DS30262: erase/program 001000, program-only 011000, bulk erase via a begin command
    F62X,  // DS30034: as the F84A, longer cycles
    F62XA, // DS41196: X01000 programs only, self-timed bulk erase, EEPROM addressed by 7/8 bits
    F87X,  // DS39025: erase/program cycles, Setup1/Setup2 erase procedures
    F7X,   // DS30324: externally timed pulse ended by 001110, even/odd pairs, chip erase 001001
    F87XA, // DS39589: 8-word rows, program-only ended by 010111, chip erase
    F8788, // DS39607 (16F87/88): 4-word program-only writes, externally timed row erase
    Eprom, // DS30228: one-time programmable, pulse then 001110, bits only go 1 -> 0
    // The three flash documents below share self-timed bulk erases whose reach depends on
    // the address counter, End Programming 001010 and factory calibration an erase can lose.
    F629, // DS41191: 12F629/675, 16F630/676: one-word writes, OSCCAL at 03FFh, band-gap bits
    F690, // DS41204: 12F635/683, 16F631-690: 4-word latches, row erase, calibration at 2008h
    F88X, // DS41287: 16F882-887: 4/8-word latches, row erase, CONFIG2 2008h, calibration 2009h
};

// The times a chip needs, in ns, each the figure of its programming document: a
// minimum for waits the programmer times itself, the maximum of a self-timed cycle for
// the time before the chip takes the next command. 0: the document sets no such rule.
// The chip is powered at 5 V, as the simulated adapter powers it (the chip erases of the
// 87XA and 7X are specified only at 4.5-5.5 V anyway).
struct Pic16Timing {
    int64_t setupNs;        // Tset1: data set-up before the falling clock edge
    int64_t holdNs;         // Thld1: data hold after the falling clock edge
    int64_t commandDelayNs; // Tdly1/Tdly2: last clock of a command (or data word) to the next
    int64_t dataValidNs;    // Tdly3 (maximum): rising clock edge to valid read data
    int64_t entryHoldNs;    // Thld0: programming voltage to the first clock
    int64_t eraseProgramNs; // 001000 internally timed erase then program
    int64_t programOnlyNs;  // internally timed program-only cycle
    int64_t dataWriteNs;    // data-memory write
    int64_t pulseNs;        // shortest externally timed programming pulse (End Programming ends it)
    int64_t rowEraseNs;     // externally timed row erase (16F87/88 Begin Erase)
    int64_t bulkEraseNs;    // bulk erase of one memory (001001 / 001011)
    int64_t setupEraseNs;   // Setup1/Setup2 erase and code-protect disable
    int64_t chipEraseNs;    // chip erase
    int64_t dischargeNs;    // TDIS: End Programming of an externally timed write to the next
                            // command (DS41191D, DS41204G, DS41287C)
};

struct Pic16Profile {
    Pic16Variant variant = Pic16Variant::F84A;
    uint32_t programWords = 0;
    uint32_t eepromBytes = 0;
    int wordBits = 14;
    uint32_t rowWords = 1;        // program-memory latches written by one cycle
    uint32_t eraseRowWords = 0;   // words a row erase clears (32 on the 16F87/88, 16 on
                                  // DS41204G/DS41287C parts), 0 without row erase
    uint32_t configWords = 1;     // 2 on the 16F87/88 and 16F88X (CONFIG2 at 0x2008)
    uint16_t protectMask = 0;     // configuration bits that protect code when any is 0
    uint16_t dataProtectMask = 0; // the CPD bit of the flash documents' configuration word
    // The configuration half repeats every this many words (the documents' memory maps);
    // 0: addresses past the last location read as unimplemented.
    uint32_t configPeriod = 0;
    bool hasDeviceId = true;
    Pic16Timing timing{};
};

// Chooses the variant from the device name where it names a part of the flash documents
// (whatever the device file says), else from the algorithm name and the device name, and
// takes sizes (and, but for those parts, the word width) from the record.
Pic16Profile MakePic16Profile(const DeviceRecord& device);

// The timing table of one variant.
Pic16Timing TimingOf(Pic16Variant variant);

} // namespace Sim
