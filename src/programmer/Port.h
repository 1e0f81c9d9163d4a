#pragma once
#include <cstdint>

// The parallel port as the adapter sees it: the data register drives the adapter's lines,
// bit 6 of the status register reads the target's data line back.
class Port {
public:
    virtual ~Port() = default;
    // Writes one byte to the data register.
    virtual void WriteData(uint8_t value) = 0;
    // Reads the status register (callers test 0x40). A port that cannot be reached reads
    // as a floating port: 0xFF.
    virtual uint8_t ReadStatus() = 0;
};
