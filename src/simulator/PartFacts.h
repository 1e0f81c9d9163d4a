#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace Sim {

// What a part's programming document says a read shows beyond the memories we
// write: its device ID word and which configuration bits exist. Taken from the
// Microchip documents (DS30262E, DS30034D, DS41196G, DS39025F, DS30324B, DS39589B,
// DS39607B, DS30228K, DS41191D, DS41204G, DS41287C, DS39576B, DS39622K), not from our
// device file.
struct PartFacts {
    bool hasDeviceId = false;
    // Family 16: the 14-bit word at 2006h; family 18: DEVID2 << 8 | DEVID1. Revision
    // bits are zero here.
    uint32_t deviceId = 0;
    // Implemented configuration bits. Family 16: one mask per configuration word
    // (2007h, and 2008h on the 16F87/88); family 18: one mask per byte, 300000h first.
    std::vector<uint32_t> configImplemented;
    // Family 16: what the unimplemented bits of each configuration word read as (all ones
    // but on the 12F629/675 and 16F630/676, whose bits 11-9 read 0).
    std::vector<uint32_t> configFill;
};

// The revision the simulated chips report in their device ID.
inline constexpr uint32_t SimulatedRevision = 3;

// The facts of the named part; a part the table does not know gets a device ID that
// is neither all ones nor all zeros and every configuration bit implemented.
PartFacts FactsOf(const std::string& deviceName, int family);

} // namespace Sim
