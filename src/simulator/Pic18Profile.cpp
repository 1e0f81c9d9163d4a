#include "simulator/Pic18Profile.h"

namespace Sim {

namespace {
constexpr int64_t Ns = 1;
constexpr int64_t Us = 1000 * Ns;
constexpr int64_t Ms = 1000 * Us;

// Wire timing of both documents at VDD 5 V (at 2 V the clock needs 400 ns high and low
// and a 1 us period).
Pic18Timing CommonTiming() {
    Pic18Timing t{};
    t.clockPeriodNs = 100 * Ns;     // P2
    t.clockLowNs = 40 * Ns;         // P2A
    t.clockHighNs = 40 * Ns;        // P2B
    t.setupNs = 15 * Ns;            // P3
    t.holdNs = 15 * Ns;             // P4
    t.commandToOperandNs = 20 * Ns; // P5, P6
    t.operandToCommandNs = 40 * Ns; // P5A
    t.dataValidNs = 10 * Ns;        // P14
    t.entryHoldNs = 2 * Us;         // P12
    t.supplyLeadNs = 100 * Ns;      // P13
    t.programHoldNs = 1 * Ms;       // P9
    t.eraseHoldNs = 5 * Ms;         // P11
    return t;
}
} // namespace

Pic18Profile MakePic18Profile(const DeviceRecord& device) {
    Pic18Profile p;
    p.variant = device.Programming == "18f2xx0" ? Pic18Variant::F2xx0 : Pic18Variant::Fxx2xx8;
    p.programBytes = device.ProgMem > 0 ? static_cast<uint32_t>(device.ProgMem) : 0;
    p.eepromBytes = device.EEProm > 0 ? static_cast<uint32_t>(device.EEProm) : 0;
    p.timing = CommonTiming();
    if (p.variant == Pic18Variant::F2xx0) {
        // DS39622: 32-byte buffer on the 2420/2520/4420/4520 and 2455/2550/4455/4550 (every
        // device of this kind in our device file); 2 KiB boot block; P10 100 us.
        p.bufferBytes = 32;
        p.bootBytes = 2048;
        p.timing.dischargeNs = 100 * Us;
    } else {
        // DS39576: 8 bytes per 8 KiB panel; 512-byte boot block; P10 5 us.
        p.bufferBytes = 8;
        p.bootBytes = 512;
        p.timing.dischargeNs = 5 * Us;
    }
    return p;
}

} // namespace Sim
