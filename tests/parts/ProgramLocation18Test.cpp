#include "programmer/Wire.h"

#include "programmer/IcspCodes.h"

#include <vector>

using namespace wire;

namespace {
constexpr int64_t Ms = 1'000'000;
constexpr int64_t Us = 1'000;
constexpr int64_t Access = 100;

int32_t ByteAt(int32_t address) {
    return (0x30 + address * 7) & 0xFF;
}

uint32_t Pair(int32_t evenAddress) {
    return static_cast<uint32_t>(ByteAt(evenAddress) | ByteAt(evenAddress + 1) << 8);
}

void AppendCore(std::vector<Frame>& f, uint16_t word) {
    f.push_back(Cmd(Cmd18::CoreInstruction, word));
}

void AppendTablePointer(std::vector<Frame>& f, uint32_t address) {
    AppendCore(f, static_cast<uint16_t>(0x0E00 | ((address >> 16) & 0xFF)));
    AppendCore(f, 0x6EF8);
    AppendCore(f, static_cast<uint16_t>(0x0E00 | ((address >> 8) & 0xFF)));
    AppendCore(f, 0x6EF7);
    AppendCore(f, static_cast<uint16_t>(0x0E00 | (address & 0xFF)));
    AppendCore(f, 0x6EF6);
}

// What starts every block: (multi-panel parts) single-panel mode, then EECON1 for program
// memory, then the table pointer.
// DS39576B Table 3-4 order: EEPGD, CFGS and WREN reach the panel register 3C0006h; then
// EEPGD with CFGS clear for program memory.
void AppendBlockStart(std::vector<Frame>& f, uint32_t address, bool multiPanel) {
    if (multiPanel) {
        AppendCore(f, 0x8EA6);
        AppendCore(f, 0x8CA6);
        AppendCore(f, 0x84A6);
        AppendTablePointer(f, 0x3C0006);
        f.push_back(Cmd(Cmd18::TableWrite, 0x0000));
    }
    AppendCore(f, 0x8EA6);
    AppendCore(f, 0x9CA6);
    AppendTablePointer(f, address);
}

void AppendStartProgramming(std::vector<Frame>& f, uint32_t operand) {
    f.push_back(Cmd(Cmd18::TableWriteStartProg, operand));
    f.push_back(Cmd(Cmd18::CoreInstruction, 0)); // the NOP that carries the pulse
}

class ProgramLocation18 : public WireTest {
protected:
    void WriteAll(int32_t progUsed) {
        for (int32_t a = 0; a < progUsed; ++a) {
            Part().ProgramLocation(programmer, a, ByteAt(a), progUsed);
        }
    }
};
} // namespace

TEST_F(ProgramLocation18, TwentyBytesGoOutAsTwoBlocksAndAShortOne) {
    SetDevice("PIC18F452", 18, "18f2xx0");
    WriteAll(20);

    std::vector<Frame> expected;
    for (int32_t block : {0, 8}) {
        AppendBlockStart(expected, block, false);
        for (int32_t a = block; a < block + 6; a += 2) {
            expected.push_back(Cmd(Cmd18::TableWritePostInc2, Pair(a)));
        }
        AppendStartProgramming(expected, Pair(block + 6));
    }
    AppendBlockStart(expected, 16, false);
    expected.push_back(Cmd(Cmd18::TableWritePostInc2, Pair(16)));
    AppendStartProgramming(expected, Pair(18));

    const auto frames = Decode18(port);
    ASSERT_EQ(frames, expected);
    // Each programming NOP holds its fourth clock high for 1 ms + 10 us, then 110 us low.
    for (const Frame& f : frames) {
        if (f.command == Cmd18::CoreInstruction && f.data == 0) {
            EXPECT_EQ(f.lastCmdHigh, 1 * Ms + 10 * Us + Access);
            EXPECT_EQ(f.gapToData, 110 * Us + Access);
        }
    }
}

TEST_F(ProgramLocation18, MultiPanelPartsSelectSinglePanelWritesPerBlock) {
    SetDevice("PIC18F4520", 18, "18fxx2xx8");
    WriteAll(16);
    std::vector<Frame> expected;
    for (int32_t block : {0, 8}) {
        AppendBlockStart(expected, block, true);
        for (int32_t a = block; a < block + 6; a += 2) {
            expected.push_back(Cmd(Cmd18::TableWritePostInc2, Pair(a)));
        }
        AppendStartProgramming(expected, Pair(block + 6));
    }
    EXPECT_EQ(Decode18(port), expected);
}

TEST_F(ProgramLocation18, WBufHoldsTheLatestBlockAndSurvivesCalls) {
    SetDevice("PIC18F452", 18, "18f2xx0");
    WriteAll(20);
    const std::vector<int32_t> expected = {ByteAt(16), ByteAt(17), ByteAt(18), ByteAt(19),
                                           ByteAt(12), ByteAt(13), ByteAt(14), ByteAt(15)};
    EXPECT_EQ(Part().WBuf(), expected);
}

// An odd number of bytes in use leaves the last byte alone at an even address: it goes out
// as the low half of the start-programming write, the high half erased.
TEST_F(ProgramLocation18, LoneLastByteIsPaddedWithErasedValue) {
    SetDevice("PIC18F452", 18, "18f2xx0");
    Part().ProgramLocation(programmer, 0, 0xAB, 1);
    std::vector<Frame> expected;
    AppendBlockStart(expected, 0, false);
    AppendStartProgramming(expected, 0xFFAB);
    EXPECT_EQ(Decode18(port), expected);

    port.Clear();
    WriteAll(19);
    expected.clear();
    AppendBlockStart(expected, 0, false);
    for (int32_t a = 0; a < 6; a += 2) {
        expected.push_back(Cmd(Cmd18::TableWritePostInc2, Pair(a)));
    }
    AppendStartProgramming(expected, Pair(6));
    AppendBlockStart(expected, 8, false);
    for (int32_t a = 8; a < 14; a += 2) {
        expected.push_back(Cmd(Cmd18::TableWritePostInc2, Pair(a)));
    }
    AppendStartProgramming(expected, Pair(14));
    AppendBlockStart(expected, 16, false);
    expected.push_back(Cmd(Cmd18::TableWritePostInc2, Pair(16)));
    AppendStartProgramming(expected, 0xFF00u | static_cast<uint32_t>(ByteAt(18)));
    EXPECT_EQ(Decode18(port), expected);
    EXPECT_EQ(Part().WBuf().size(), 8u);
}

TEST_F(ProgramLocation18, NothingIsSentWithoutAWriteBufferOrForNegativeAddresses) {
    SetDevice("PIC18F452", 18, "18f2xx0");
    Part().ProgramLocation(programmer, -1, 0x12, 4);
    device.WBufSize = 0;
    Part().ProgramLocation(programmer, 0, 0x12, 4);
    Part().ProgramLocation(programmer, 1, 0x34, 4);
    EXPECT_TRUE(port.Writes().empty());
}

TEST_F(ProgramLocation18, DeviceOfNeitherFamilyGetsNothing) {
    SetDevice("PIC12F675", 12, "Flash");
    Part().ProgramLocation(programmer, 0, 0x3FFF, 1);
    EXPECT_TRUE(port.Writes().empty());
    EXPECT_TRUE(messages.log.empty());
}
