#pragma once
#include "programmer/Port.h"

// The port when no backend could be opened: writes go nowhere and the status register
// reads as a floating port, so an operation runs to its end and its read-back reports
// the failure instead of the program crashing or hanging.
class DeadPort : public Port {
public:
    static constexpr uint8_t FloatingStatus = 0xFF;

    void WriteData(uint8_t) override {}
    uint8_t ReadStatus() override { return FloatingStatus; }
};
