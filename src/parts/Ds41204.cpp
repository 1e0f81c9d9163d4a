#include "parts/Documents.h"
#include "parts/SelfTimed16.h"
#include "programmer/Programmer.h"

namespace {

// DS41204G, PIC12F635/683, PIC16F631/636/639/677/684/685/687/688/689/690 (Tbl 6-1): 4-word
// aligned program writes and one-word writes elsewhere (§3.1.1-3.1.2), externally timed
// (TPROG2 3 ms min, End Programming 001010, then TDIS 100 us; §3.1.5.8), neither erasing
// first; data bytes internally timed (TPROG1 6 ms min); bulk erases self-timed (TERA 6 ms
// max). The calibration words at 2008h/2009h are cleared only by a program bulk erase with
// the address on them (§2.4): no flow here puts it there, so they are never touched. Code
// protect off: Fig. 3-20 (Bulk Erase PM, Load Configuration, Bulk Erase PM, Bulk Erase DM).
constexpr SelfTimed16::Timing kTiming = {
    6000,   // TERA
    3000,   // TPROG2
    true,   // externally timed words
    100,    // TDIS
    6000,   // TPROG1, data memory
    0x00C0, // CPD (bit 7), CP (bit 6)
};

class Ds41204 : public SelfTimed16 {
public:
    explicit Ds41204(const DeviceRecord& device) : SelfTimed16(device, kTiming) {}
    std::string Document() const override { return "DS41204G"; }
};

} // namespace

std::unique_ptr<PartModule> MakeDs41204(const DeviceRecord& device) {
    return std::make_unique<Ds41204>(device);
}
