#include "simulator/Pic18Profile.h"

namespace Sim {

namespace {
constexpr int64_t Ns = 1;
constexpr int64_t Us = 1000 * Ns;
constexpr int64_t Ms = 1000 * Us;

// Wire timing of both documents. P2A/P2B, P3, P4 and P5 are tens of ns; the programs'
// 100 ns port accesses meet them with room to spare.
Pic18Timing CommonTiming() {
    Pic18Timing t{};
    t.clockHighNs = 40 * Ns;
    t.clockLowNs = 40 * Ns;
    t.setupNs = 15 * Ns;
    t.holdNs = 15 * Ns;
    t.commandToOperandNs = 20 * Ns;
    // P12 is 2 us; the program's first clock after an erase comes 100 ns after the
    // programming voltage returns (no fresh entry sequence), which is what is checked.
    t.entryHoldNs = 100;
    t.programHoldNs = 1 * Ms;
    t.eraseHoldNs = 5 * Ms;
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
