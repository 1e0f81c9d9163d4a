#pragma once
#include <cstdint>

// The processor's I/O port space: permission to use a range of ports, and single-byte
// input and output. Behind an interface so that the direct-I/O backend and the start-up
// probe can be tested without touching real hardware.
class IoSpace {
public:
    virtual ~IoSpace() = default;
    // Grants (or gives back) access to count ports from `from`; false when refused.
    virtual bool SetPermission(uint16_t from, uint32_t count, bool enable) = 0;
    virtual void Out(uint16_t address, uint8_t value) = 0;
    virtual uint8_t In(uint16_t address) = 0;
};

// The real I/O space (ioperm, outb, inb). On processors without port I/O it refuses every
// permission, and Out/In do nothing (In returns 0xFF).
IoSpace& HostIoSpace();
