#pragma once
#include "devices/DeviceRecord.h"

#include <cstdint>

namespace Sim {

enum class Pic18Variant {
    Fxx2xx8, // DS39576 (18FXX2/XX8): 8-byte buffer per panel, 3C0006h panel register
    F2xx0,   // DS39622 (18F2XXX/4XXX): one write buffer, 16-bit erase codes
};

// Minimum times a chip needs, in ns, named after the parameters of its document (DS39576B
// Table 5-1, DS39622K Table 6-1), at the 5 V the simulated adapter powers the chip with.
struct Pic18Timing {
    int64_t clockHighNs;        // P2B
    int64_t clockLowNs;         // P2A
    int64_t clockPeriodNs;      // P2
    int64_t setupNs;            // P3, data in to clock falling
    int64_t holdNs;             // P4, data hold after clock falling
    int64_t commandToOperandNs; // P5 (operand), P6 (read data) after the 4-bit command
    int64_t operandToCommandNs; // P5A, operand to the next 4-bit command
    int64_t dataValidNs;        // P14 (maximum), clock rising to valid read data
    int64_t entryHoldNs;        // P12, VPP to first clock
    int64_t supplyLeadNs;       // P13, VDD up before VPP
    int64_t programHoldNs;      // P9, fourth clock of the programming NOP held high
    int64_t dischargeNs;        // P10, clock low after a programming or erase hold
    int64_t eraseHoldNs;        // P11, clock low after the erase NOP's fourth clock
};

struct Pic18Profile {
    Pic18Variant variant = Pic18Variant::Fxx2xx8;
    uint32_t programBytes = 0;
    uint32_t eepromBytes = 0;
    uint32_t bufferBytes = 8;   // write buffer (holding registers) of one row
    uint32_t bootBytes = 512;   // boot block at the bottom of program memory
    uint32_t blockBytes = 8192; // erase panels (DS39576) or code blocks (DS39622)
    Pic18Timing timing{};
};

// Picks the variant from the algorithm name; sizes from the record. The record's WBufSize
// is the program's own buffer (always 8), not the chip's, so it is not used here.
Pic18Profile MakePic18Profile(const DeviceRecord& device);

} // namespace Sim
