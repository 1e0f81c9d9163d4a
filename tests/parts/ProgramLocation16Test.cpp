#include "programmer/Wire.h"

#include "programmer/IcspCodes.h"

#include <vector>

using namespace wire;

namespace {
constexpr int64_t Ms = 1'000'000;
constexpr int64_t Us = 1'000;
constexpr int64_t Access = 100;

class ProgramLocation16 : public WireTest {
protected:
    std::vector<Frame> Frames() const { return Decode16(port, 14); }
};
} // namespace

// Each part waits its document's longest cycle: DS30034D Tera + Tprog, DS41196G TPROG;
// the F84A and 87X (8 ms) and names no document matches keep the 10 ms they always had.
TEST_F(ProgramLocation16, FlashWaitsTheLongestCycleOfEachPart) {
    struct Case {
        const char* name;
        int64_t wait;
    };
    for (const Case& c :
         {Case{"PIC16F628", 13 * Ms}, Case{"PIC16F627A", 4 * Ms}, Case{"PIC16F648A", 4 * Ms},
          Case{"PIC16F84A", 10 * Ms}, Case{"PIC16F877", 10 * Ms}, Case{"PIC16f628", 10 * Ms}}) {
        port.Clear();
        SetDevice(c.name, 16, "Flash");
        Part().ProgramLocation(programmer, 123, 0x2ABC, 0);
        const std::vector<Frame> expected = {Cmd(Cmd16::LoadDataProgram, 0x2ABC),
                                             Cmd(Cmd16::BeginEraseProgram)};
        EXPECT_EQ(Frames(), expected) << c.name;
        // After the command's own microsecond, the programming time.
        EXPECT_EQ(delay.Now() - port.Writes().back().time, Us + c.wait) << c.name;
    }
}

// DS30324B: the 7X pulse is 1 ms, its minimum and its maximum; the 87XA and 87/88 pulse
// keeps the 2 ms it always had (tprog1 1 ms; 2 ms on the 87/88 below 4.5 V).
TEST_F(ProgramLocation16, Flash1AndFlash2EndTheirExternallyTimedPulse) {
    SetDevice("PIC16F77", 16, "Flash1");
    Part().ProgramLocation(programmer, 0, 0x1234, 0);
    auto frames = Frames();
    std::vector<Frame> expected = {Cmd(Cmd16::LoadDataProgram, 0x1234),
                                   Cmd(Cmd16::BeginEraseProgram), Cmd(Cmd16::EndProgramming)};
    ASSERT_EQ(frames, expected);
    EXPECT_EQ(frames[2].start - frames[1].end, Us + 1 * Ms + Access);

    port.Clear();
    SetDevice("PIC16F88", 16, "Flash2");
    Part().ProgramLocation(programmer, 0, 0x0FF0, 0);
    frames = Frames();
    expected = {Cmd(Cmd16::LoadDataProgram, 0x0FF0), Cmd(Cmd16::BeginProgramOnly),
                Cmd(Cmd16::EndProgramming2)};
    ASSERT_EQ(frames, expected);
    EXPECT_EQ(frames[2].start - frames[1].end, Us + 2 * Ms + Access);
}

TEST_F(ProgramLocation16, UnknownKindShowsOneMessageAndSendsNothing) {
    for (const char* kind : {"", "flash", "Flash3", "18f2xx0", "OTP "}) {
        messages.log.clear();
        SetDevice("PIC16F876A", 16, kind);
        Part().ProgramLocation(programmer, 0, 0x3FFF, 0);
        const std::vector<std::string> expected = {"message:No se especifica el tipo de Flash!!"};
        EXPECT_EQ(messages.log, expected) << kind;
    }
    EXPECT_TRUE(port.Writes().empty());
    EXPECT_EQ(delay.Now(), 0);
}

namespace {
// An OTP pulse: load, begin, 1 ms, end.
void ExpectPulse(const std::vector<Frame>& f, size_t at, uint32_t value) {
    ASSERT_GE(f.size(), at + 3);
    EXPECT_EQ(f[at], Cmd(Cmd16::LoadDataProgram, value)) << at;
    EXPECT_EQ(f[at + 1], Cmd(Cmd16::BeginEraseProgram)) << at;
    EXPECT_EQ(f[at + 2], Cmd(Cmd16::EndProgramming)) << at;
    EXPECT_EQ(f[at + 2].start - f[at + 1].end, Us + 1 * Ms + Access) << at;
}
} // namespace

TEST_F(ProgramLocation16, OtpTakingAtThirdPulseGetsTenMore) {
    SetDevice("PIC16C74", 16, "OTP");
    port.QueueStatus(StatusBits(0x0000, 14));
    port.QueueStatus(StatusBits(0x1200, 14)); // partly programmed
    port.QueueStatus(StatusBits(0x1234, 14));
    port.SetIdleStatus(0xFF); // a further read would not match

    Part().ProgramLocation(programmer, 0, 0x1234, 0);

    const auto f = Frames();
    ASSERT_EQ(f.size(), 3 * 4 + 10 * 3u);
    size_t at = 0;
    for (int pulse = 0; pulse < 3; ++pulse, at += 4) {
        ExpectPulse(f, at, 0x1234);
        EXPECT_EQ(f[at + 3], Cmd(Cmd16::ReadDataProgram, 0, 16)) << pulse;
    }
    for (int pulse = 0; pulse < 10; ++pulse, at += 3) {
        ExpectPulse(f, at, 0x1234);
    }
    EXPECT_EQ(port.Reads().size(), 3 * 14u);
}

TEST_F(ProgramLocation16, OtpTakingAtFirstPulseGetsFourMore) {
    SetDevice("PIC16C74", 16, "OTP");
    port.QueueStatus(StatusBits(0x0001, 14));
    Part().ProgramLocation(programmer, 0, 0x0001, 0);
    EXPECT_EQ(Frames().size(), 4 + 4 * 3u);
}

TEST_F(ProgramLocation16, OtpNeverTakingStopsAfterExactly25Pulses) {
    SetDevice("PIC16C74", 16, "OTP");
    port.SetIdleStatus(0x00);
    Part().ProgramLocation(programmer, 0, 0x1234, 0);
    const auto f = Frames();
    ASSERT_EQ(f.size(), 25 * 4u);
    for (size_t at = 0; at < f.size(); at += 4) {
        ExpectPulse(f, at, 0x1234);
        EXPECT_EQ(f[at + 3].command, Cmd16::ReadDataProgram);
    }
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(ProgramLocation16, OtpValueWiderThanWordNeverMatches) {
    SetDevice("PIC16C74", 16, "OTP");
    port.SetIdleStatus(0xFF); // the location reads 3FFF
    Part().ProgramLocation(programmer, 0, 0x7FFF, 0);
    EXPECT_EQ(Frames().size(), 25 * 4u);
}
