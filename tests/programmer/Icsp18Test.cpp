#include "Wire.h"

#include "programmer/IcspCodes.h"

#include <vector>

using namespace wire;

namespace {
class Icsp18 : public WireTest {
protected:
    void SetUp() override { SetDevice("PIC18F452", 18, "18f2xx0"); }
};

constexpr int64_t Ms = 1'000'000;
constexpr int64_t Us = 1'000;
constexpr int64_t Access = 100; // the tenth of a microsecond before every port access
} // namespace

TEST_F(Icsp18, CoreInstructionSendsCommandThenOperandLsbFirst) {
    EXPECT_EQ(programmer.IcspCommand18(Cmd18::CoreInstruction, 0x0E3C), 0);
    const std::vector<uint8_t> expected = {
        0x08,                                           // StateProg
        0x0A, 0x08, 0x0A, 0x08, 0x0A, 0x08, 0x0A, 0x08, // 0 0 0 0
        0x0A, 0x08, 0x0A, 0x08, 0x0B, 0x09, 0x0B, 0x09, // 0 0 1 1
        0x0B, 0x09, 0x0B, 0x09, 0x0A, 0x08, 0x0A, 0x08, // 1 1 0 0
        0x0A, 0x08, 0x0B, 0x09, 0x0B, 0x09, 0x0B, 0x09, // 0 1 1 1
        0x0A, 0x08, 0x0A, 0x08, 0x0A, 0x08, 0x0A, 0x08, // 0 0 0 0
    };
    EXPECT_EQ(port.Bytes(), expected);
    // One microsecond between command and operand, one after the operand.
    EXPECT_EQ(port.Writes()[9].time - port.Writes()[8].time, Us + Access);
    EXPECT_EQ(delay.Now(), 41 * Access + 2 * Us);
}

TEST_F(Icsp18, OnlyTheLow16BitsOfDataAreSent) {
    programmer.IcspCommand18(Cmd18::TableWrite, 0x12345);
    const auto frames = Decode18(port);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], Cmd(Cmd18::TableWrite, 0x2345));
    EXPECT_EQ(port.Writes().size(), 41u);
}

TEST_F(Icsp18, TableReadKeepsOnlyClocksNineToSixteen) {
    // Clocks 1 to 8 show noise on the released line; the byte follows, LSB first.
    port.QueueStatus({0x40, 0xFF, 0x40, 0x40, 0x00, 0xFF, 0x40, 0x40});
    port.QueueStatus(StatusBits(0xA5, 8));
    port.SetIdleStatus(0xFF);

    EXPECT_EQ(programmer.IcspCommand18(Cmd18::TableReadPostInc), 0xA5);

    const auto frames = Decode18(port);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], Cmd(Cmd18::TableReadPostInc, 0, 16));
    ASSERT_EQ(port.Writes().size(), 1 + 8 + 1 + 32u);
    EXPECT_EQ(port.Writes()[9].value, StateRead);
    EXPECT_EQ(port.Reads().size(), 16u);
    EXPECT_EQ(port.Reads().back().writesBefore, port.Writes().size());
    EXPECT_EQ(delay.Now() - port.Reads().back().time, Us);
}

TEST_F(Icsp18, EveryReadCodeReturnsAByte) {
    port.SetIdleStatus(0xFF);
    for (int32_t code = 1; code <= 11; ++code) {
        EXPECT_EQ(programmer.IcspCommand18(code), 0xFF) << code;
    }
    port.SetIdleStatus(0x00);
    EXPECT_EQ(programmer.IcspCommand18(Cmd18::ShiftOutTablat), 0x00);
}

TEST_F(Icsp18, NopProgramHoldKeepsFourthClockHighThroughProgramming) {
    EXPECT_EQ(programmer.IcspCommand18(Cmd18::NopProgramHold, 0), 0);
    const auto& w = port.Writes();
    ASSERT_EQ(w.size(), 1 + 7 + 1 + 32u);
    const std::vector<uint8_t> head = {0x08, 0x0A, 0x08, 0x0A, 0x08, 0x0A, 0x08, 0x0A, 0x08};
    const auto bytes = port.Bytes();
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 9), head);
    EXPECT_EQ(w[8].time - w[7].time, 1 * Ms + 10 * Us + Access); // clock high 1 ms + 10 us
    EXPECT_EQ(w[9].time - w[8].time, 110 * Us + Access);         // clock low 110 us
    for (size_t i = 9; i < w.size(); ++i) {
        EXPECT_EQ(w[i].value, i % 2 ? 0x0A : 0x08) << i;
    }
}

TEST_F(Icsp18, NopEraseHoldPausesSixMillisecondsBeforeOperand) {
    programmer.IcspCommand18(Cmd18::NopEraseHold, 0);
    const auto frames = Decode18(port);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], Cmd(Cmd18::CoreInstruction, 0));
    EXPECT_EQ(frames[0].lastCmdHigh, Access); // the fourth clock is not held
    EXPECT_EQ(frames[0].gapToData, 6 * Ms + Access);
    const auto& w = port.Writes();
    ASSERT_EQ(w.size(), 41u);
    EXPECT_EQ(w[8].value, StateProg); // data line low during the hold
}

TEST_F(Icsp18, CodesOutsideTheLayerSendNothing) {
    for (int32_t code : {67, 70, -3}) {
        EXPECT_EQ(programmer.IcspCommand18(code, 0xFFFF), -2) << code;
    }
    EXPECT_TRUE(port.Writes().empty());
}

TEST_F(Icsp18, LoadTablePointerSendsSixCoreInstructions) {
    programmer.LoadTablePointer(0x12345);
    const std::vector<Frame> expected = {
        Cmd(Cmd18::CoreInstruction, 0x0E01), Cmd(Cmd18::CoreInstruction, 0x6EF8),
        Cmd(Cmd18::CoreInstruction, 0x0E23), Cmd(Cmd18::CoreInstruction, 0x6EF7),
        Cmd(Cmd18::CoreInstruction, 0x0E45), Cmd(Cmd18::CoreInstruction, 0x6EF6),
    };
    EXPECT_EQ(Decode18(port), expected);

    port.Clear();
    programmer.LoadTablePointer(0x3C0006);
    const auto frames = Decode18(port);
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames[0].data, 0x0E3Cu);
    EXPECT_EQ(frames[2].data, 0x0E00u);
    EXPECT_EQ(frames[4].data, 0x0E06u);
}
