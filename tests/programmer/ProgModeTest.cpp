#include "Wire.h"

#include "programmer/IcspCodes.h"

#include <vector>

using namespace wire;

namespace {
constexpr int64_t Ms = 1'000'000;
constexpr int64_t Access = 100;

struct Step {
    uint8_t value;
    int64_t time;
};

std::vector<Step> Steps(const RecordingPort& port) {
    std::vector<Step> steps;
    for (const auto& w : port.Writes()) {
        steps.push_back({w.value, w.time});
    }
    return steps;
}

bool operator==(const Step& a, const Step& b) {
    return a.value == b.value && a.time == b.time;
}

void PrintTo(const Step& s, std::ostream* os) {
    *os << "{0x" << std::hex << int{s.value} << std::dec << " at " << s.time << "}";
}

struct ModeCase {
    const char* name;
    int family;
    int32_t code;
    std::vector<Step> steps;
    int64_t total;
};

// Each state change comes after its settling sleep (plus the access wait of the write).
const ModeCase Cases[] = {
    {"enter16",
     16,
     Cmd16::EnterProgMode,
     {{StatePrep, 10 * Ms + Access}, {StateProg, 25 * Ms + 2 * Access}},
     37 * Ms + 2 * Access},
    {"exit16", 16, Cmd16::ExitProgMode, {{StateIdle, 10 * Ms + Access}}, 20 * Ms + Access},
    {"powercycle16",
     16,
     Cmd16::PowerCycle,
     {{StatePrep, 10 * Ms + Access}, {StateIdle, 12 * Ms + 2 * Access}},
     12 * Ms + 2 * Access},
    {"enter18",
     18,
     Cmd18::EnterProgMode,
     {{StatePrep, 10 * Ms + Access}, {StateProg, 30 * Ms + 2 * Access}},
     50 * Ms + 2 * Access},
    {"exit18", 18, Cmd18::ExitProgMode, {{StateIdle, 10 * Ms + Access}}, 10 * Ms + Access},
    {"powercycle18",
     18,
     Cmd18::PowerCycle,
     {{StatePrep, 10 * Ms + Access}, {StateIdle, 20 * Ms + 2 * Access}},
     20 * Ms + 2 * Access},
};

class ProgMode : public WireTest {};
} // namespace

TEST_F(ProgMode, SequencesOfBothLayers) {
    SetDevice("PIC16F876A", 16, "Flash");
    for (const ModeCase& c : Cases) {
        VirtualDelay localDelay;
        RecordingPort localPort(localDelay);
        Programmer p(localPort, localDelay, device, messages);
        const int32_t result =
            c.family == 16 ? p.IcspCommand16(c.code, 0x3FFF) : p.IcspCommand18(c.code, 0xFFFF);
        EXPECT_EQ(result, 0) << c.name;
        EXPECT_EQ(Steps(localPort), c.steps) << c.name;
        EXPECT_EQ(localDelay.Now(), c.total) << c.name;
    }
}

TEST_F(ProgMode, BothFamiliesEnterAndLeaveThroughTheFamily16Sequences) {
    SetDevice("PIC18F452", 18, "18f2xx0");
    programmer.EnterProgMode();
    programmer.ExitProgMode();
    const std::vector<Step> expected = {
        {StatePrep, 10 * Ms + Access},
        {StateProg, 25 * Ms + 2 * Access},
        {StateIdle, 47 * Ms + 3 * Access},
    };
    EXPECT_EQ(Steps(port), expected);
    EXPECT_EQ(delay.Now(), 57 * Ms + 3 * Access);
}
