#include "parts/Documents.h"
#include "parts/SelfTimed16.h"
#include "programmer/Programmer.h"

namespace {

// DS41287C, PIC16F882/883/884/886/887 (Tbl 6-1): 8-word (886/887) or 4-word aligned program
// writes, one-word writes elsewhere (§3.2.1-3.2.3), externally timed (TPROG2 2 ms min,
// 2.5 ms max, End Programming 001010, then TDIS 100 us); data bytes internally timed
// (TPROG1 6 ms min); bulk erases self-timed (TERA 6 ms max); CONFIG2 at 2008h. The
// calibration word at 2009h is cleared only by a program bulk erase with the address on it
// (§3.4): no flow here puts it there.
constexpr SelfTimed16::Timing kTiming = {
    6000,   // TERA
    2000,   // TPROG2
    true,   // externally timed words
    100,    // TDIS
    6000,   // TPROG1, data memory
    0x00C0, // CPD (bit 7), CP (bit 6)
};

class Ds41287 : public SelfTimed16 {
public:
    explicit Ds41287(const DeviceRecord& device) : SelfTimed16(device, kTiming) {}
    std::string Document() const override { return "DS41287C"; }
};

} // namespace

std::unique_ptr<PartModule> MakeDs41287(const DeviceRecord& device) {
    return std::make_unique<Ds41287>(device);
}
