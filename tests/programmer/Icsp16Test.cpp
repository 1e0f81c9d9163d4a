#include "Wire.h"

#include "programmer/IcspCodes.h"

#include <vector>

using namespace wire;

namespace {
// Clock-high / clock-low pairs for each bit, least significant first.
std::vector<uint8_t> Bits(uint32_t value, int count) {
    std::vector<uint8_t> out;
    for (int i = 0; i < count; ++i) {
        const uint8_t b = (value >> i) & 1U;
        out.push_back(0x0A | b);
        out.push_back(0x08 | b);
    }
    return out;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

class Icsp16 : public WireTest {
protected:
    void SetUp() override { SetDevice("PIC16F876A", 16, "Flash"); }
};
} // namespace

TEST_F(Icsp16, LoadDataSendsFramedWordAfterTwoMicroseconds) {
    EXPECT_EQ(programmer.IcspCommand16(Cmd16::LoadDataProgram, 0x3FFF), 0);

    const std::vector<uint8_t> expected = Concat({
        {0x08},                               // StateProg
        {0x0A, 0x08, 0x0B, 0x09, 0x0A, 0x08}, // command 2: 0 1 0 ...
        {0x0A, 0x08, 0x0A, 0x08, 0x0A, 0x08}, // ... 0 0 0
        {0x0A, 0x08},                         // start bit
        Bits(0x3FFF, 14),                     // fourteen 1 bits
        {0x0A, 0x08},                         // stop bit
    });
    ASSERT_EQ(port.Bytes(), expected);
    EXPECT_EQ(port.Writes().size(), 45u);
    // Two microseconds (plus the access wait) between the last command clock and the
    // first data clock, one after the word.
    EXPECT_EQ(port.Writes()[13].time - port.Writes()[12].time, 2100);
    EXPECT_EQ(delay.Now() - port.Writes().back().time, 1000);
    EXPECT_EQ(delay.Now(), 45 * 100 + 3 * 1000);
}

TEST_F(Icsp16, DataBitsAboveProgBitsAreNotSent) {
    programmer.IcspCommand16(Cmd16::LoadDataProgram, 0x7FFF);
    const auto wide = port.Bytes();
    port.Clear();
    programmer.IcspCommand16(Cmd16::LoadDataProgram, 0x3FFF);
    EXPECT_EQ(wide, port.Bytes());

    port.Clear();
    device.ProgBits = 12;
    programmer.IcspCommand16(Cmd16::LoadConfiguration, 0xFFFF);
    const auto frames = Decode16(port, 12);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], Cmd(Cmd16::LoadConfiguration, 0x0FFF));
    EXPECT_EQ(port.Writes().size(), 1 + 12 + 2 + 24 + 2u);
}

TEST_F(Icsp16, ReadReturnsWordSampledAfterEachFallingEdge) {
    device.ProgBits = 12;
    port.QueueStatus(StatusBits(0xABC, 12));
    port.SetIdleStatus(0xFF); // anything sampled past the data bits would show

    EXPECT_EQ(programmer.IcspCommand16(Cmd16::ReadDataProgram), 0xABC);

    // State, 12 command writes, StateRead, start, 12 data clocks, stop.
    ASSERT_EQ(port.Writes().size(), 1 + 12 + 1 + 2 + 24 + 2u);
    EXPECT_EQ(port.Writes()[13].value, StateRead);
    ASSERT_EQ(port.Reads().size(), 12u);
    for (size_t i = 0; i < port.Reads().size(); ++i) {
        // Each sample follows a falling clock of a data bit (after the start bit's clock).
        const size_t after = port.Reads()[i].writesBefore;
        EXPECT_EQ(after, 16 + 2 * (i + 1));
        EXPECT_EQ(port.Writes()[after - 1].value, StateRead);
        EXPECT_EQ(port.Writes()[after - 2].value, StateRead | LineClock);
        // Sampled a tenth of a microsecond after the clock fell.
        EXPECT_EQ(port.Reads()[i].time - port.Writes()[after - 1].time, 100);
    }
    EXPECT_EQ(port.Writes().back().value, StateRead);
    // The line is released one microsecond before the start bit.
    EXPECT_EQ(port.Writes()[14].time - port.Writes()[13].time, 1100);
}

TEST_F(Icsp16, ReadOfStuckLineGivesAllOnesOrZeros) {
    port.SetIdleStatus(0xFF);
    EXPECT_EQ(programmer.IcspCommand16(Cmd16::ReadDataData), 0x3FFF);
    port.SetIdleStatus(StatusDataIn);
    EXPECT_EQ(programmer.IcspCommand16(Cmd16::ReadDataProgram), 0x3FFF);
    port.SetIdleStatus(static_cast<uint8_t>(~StatusDataIn));
    EXPECT_EQ(programmer.IcspCommand16(Cmd16::ReadDataProgram), 0);
}

TEST_F(Icsp16, CommandsWithoutDataSendOnlyTheirSixBits) {
    for (int32_t code : {Cmd16::BulkEraseSetup1, Cmd16::IncrementAddress, Cmd16::BulkEraseSetup2,
                         Cmd16::BeginEraseProgram, Cmd16::BulkEraseProgram, Cmd16::EndProgramming3,
                         Cmd16::BulkEraseData, Cmd16::EndProgramming, Cmd16::EndProgramming2,
                         Cmd16::BeginProgramOnly, Cmd16::ChipErase}) {
        port.Clear();
        const int64_t before = delay.Now();
        EXPECT_EQ(programmer.IcspCommand16(code, 0x1234), 0) << code;
        const auto frames = Decode16(port, 14);
        ASSERT_EQ(frames.size(), 1u) << code;
        EXPECT_EQ(frames[0], Cmd(code)) << code;
        EXPECT_EQ(port.Writes().size(), 13u) << code;
        EXPECT_EQ(delay.Now() - before, 13 * 100 + 1000) << code;
        EXPECT_EQ(port.Writes().back().value, StateProg) << code;
    }
}

TEST_F(Icsp16, UndefinedCodeBelow64IsSentAndGivesMinusOne) {
    EXPECT_EQ(programmer.IcspCommand16(12, 0x3FFF), -1);
    const std::vector<uint8_t> expected = {0x08, 0x0A, 0x08, 0x0A, 0x08, 0x0B, 0x09,
                                           0x0B, 0x09, 0x0A, 0x08, 0x0A, 0x08};
    EXPECT_EQ(port.Bytes(), expected);
    EXPECT_TRUE(port.Reads().empty());
}

TEST_F(Icsp16, CodesOutsideTheLayerSendNothing) {
    for (int32_t code : {67, 70, 1000, -1}) {
        EXPECT_EQ(programmer.IcspCommand16(code, 0x3FFF), -2) << code;
    }
    EXPECT_TRUE(port.Writes().empty());
    EXPECT_EQ(delay.Now(), 0);
}

TEST_F(Icsp16, ProgBitsChangeTakesEffectAtNextCall) {
    // The programmer reads the device record by reference: a new selection applies at once.
    device.ProgBits = 12;
    port.SetIdleStatus(0xFF);
    EXPECT_EQ(programmer.IcspCommand16(Cmd16::ReadDataProgram), 0x0FFF);
    device.ProgBits = 14;
    EXPECT_EQ(programmer.IcspCommand16(Cmd16::ReadDataProgram), 0x3FFF);
}
