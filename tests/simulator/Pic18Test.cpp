#include "Chips.h"

#include <gtest/gtest.h>

using namespace Sim;

namespace {

using Pic18Bench = Bench<Pic18Target>;

constexpr int32_t P9Us = 1000;
constexpr int32_t P10Us = 100;

// DS39576 parts: the panel register 3C0006h, reached with EEPGD, CFGS and WREN set
// (DS39576B Table 3-4): 00h single-panel, 40h multi-panel writes.
void SelectPanels(Pic18Bench& b, uint8_t mode) {
    b.wire.Core(Cmd18::BsfEepgd);
    b.wire.Core(Cmd18::BsfCfgs);
    b.wire.Core(Cmd18::BsfWren);
    b.wire.SetTablePointer(Pic18Target::PanelControl);
    b.wire.Command18(Cmd18::TableWrite, static_cast<uint16_t>(mode << 8 | mode));
}

// Program memory rows: EEPGD set, CFGS clear, then the row's bytes, then the pulse.
void WriteRow(Pic18Bench& b, uint32_t address, const std::vector<uint8_t>& bytes) {
    if (b.chip.Profile().variant == Pic18Variant::Fxx2xx8) {
        SelectPanels(b, 0x00);
    }
    b.wire.Core(Cmd18::BsfEepgd);
    b.wire.Core(Cmd18::BcfCfgs);
    b.wire.SetTablePointer(address);
    for (size_t i = 0; i + 2 < bytes.size(); i += 2) {
        b.wire.Command18(Cmd18::TableWritePostInc2,
                         static_cast<uint16_t>(bytes[i] | bytes[i + 1] << 8));
    }
    const size_t last = bytes.size() - 2;
    b.wire.Command18(Cmd18::TableWriteStart,
                     static_cast<uint16_t>(bytes[last] | bytes[last + 1] << 8));
    b.wire.ProgrammingNop(P9Us, P10Us);
}

void WriteConfig(Pic18Bench& b, uint32_t address, uint8_t value) {
    b.wire.Core(Cmd18::BsfEepgd);
    b.wire.Core(Cmd18::BsfCfgs);
    b.wire.SetTablePointer(address);
    b.wire.Command18(Cmd18::TableWriteStart, static_cast<uint16_t>(value << 8 | value));
    b.wire.ProgrammingNop(P9Us, P10Us);
}

TEST(Pic18Core, InstructionsLoadTheTablePointerAndEecon1) {
    Pic18Bench b(F452());
    b.wire.Enter();
    b.wire.SetTablePointer(0x123456);
    b.wire.Core(Cmd18::BsfEepgd);
    b.wire.Core(Cmd18::BsfCfgs);
    b.wire.Core(0xEF00);
    b.wire.Core(0xF800);
    EXPECT_EQ(b.chip.TablePointer(), 0x123456u);
    EXPECT_EQ(b.chip.W(), 0x56);
    EXPECT_TRUE(b.chip.Eepgd());
    EXPECT_TRUE(b.chip.Cfgs());
    EXPECT_EQ(b.chip.LastGoto(), 0x100000);
    b.wire.Core(0x9CA6);
    EXPECT_FALSE(b.chip.Cfgs());
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

TEST(Pic18Core, InstructionsOutsideTheSubsetAreRecorded) {
    Pic18Bench b(F452());
    b.wire.Enter();
    b.wire.Core(0x2AF6); // INCF TBLPTRL
    b.wire.Core(0x0000);
    b.wire.Core(0x6E81); // MOVWF PORTB
    ASSERT_EQ(b.chip.UnsupportedInstructions().size(), 2u);
    EXPECT_EQ(b.chip.UnsupportedInstructions()[0], 0x2AF6);
    EXPECT_EQ(b.chip.UnsupportedInstructions()[1], 0x6E81);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::UnsupportedInstruction), 2);
}

// Clocks 1-8 leave the line to float; clocks 9-16 carry the byte, LSB first.
TEST(Pic18Read, TableReadShiftsTheByteOutInClocks9To16) {
    Pic18Bench b(F452());
    b.chip.Poke(Space::Program, 0x10, 0xA5);
    b.wire.Enter();
    b.wire.SetTablePointer(0x10);
    b.wire.Put(Lines::LineProg, 20);
    b.wire.SendBits(Cmd18::TableReadPostInc, 4);
    b.wire.Put(Lines::LineProg | Lines::LineRelease, 20);
    uint32_t sampled = 0;
    for (int clock = 0; clock < 16; ++clock) {
        sampled |= static_cast<uint32_t>(b.wire.ClockIn()) << clock;
    }
    EXPECT_EQ(sampled & 0xFF, 0xFFu) << "first 8 clocks: nothing driven";
    EXPECT_EQ(sampled >> 8, 0xA5u);
    EXPECT_EQ(b.chip.TablePointer(), 0x11u);
}

TEST(Pic18Read, ReadCommandsMoveThePointerAsNamed) {
    Pic18Bench b(F452());
    for (uint32_t i = 0; i < 4; ++i) {
        b.chip.Poke(Space::Program, i, 0x10 + i);
    }
    b.wire.Enter();
    b.wire.SetTablePointer(1);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableRead), 0x11);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableReadPreInc), 0x12);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableReadPostDec), 0x12);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableReadPostInc), 0x11);
    EXPECT_EQ(b.chip.TablePointer(), 2u);
    EXPECT_EQ(b.wire.Read18(Cmd18::ShiftOutTablat), 0x11);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

TEST(Pic18Read, IdsConfigurationAndDeviceIdAreInTheTableSpace) {
    Pic18Bench b(F452());
    b.chip.Poke(Space::DeviceId, 0, 0x24);
    b.chip.Poke(Space::DeviceId, 1, 0x04);
    b.chip.Poke(Space::Id, 7, 0x77);
    b.chip.Poke(Space::Config, 13, 0x40);
    b.wire.Enter();
    b.wire.SetTablePointer(0x3FFFFE);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableReadPostInc), 0x24);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableReadPostInc), 0x04);
    b.wire.SetTablePointer(0x200007);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableRead), 0x77);
    b.wire.SetTablePointer(0x30000D);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableRead), 0x40);
}

TEST(Pic18Write, RowIsProgrammedByTheFourthClockOfTheNextNop) {
    Pic18Bench b(F452());
    b.chip.Poke(Space::Program, 9, 0x0F);
    b.wire.Enter();
    WriteRow(b, 8, {1, 2, 3, 4, 5, 6, 7, 8});
    b.wire.Exit();
    const std::vector<uint32_t> want{1, 2 & 0x0F, 3, 4, 5, 6, 7, 8};
    for (uint32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(b.chip.Peek(Space::Program, 8 + i), want[i]) << "byte " << i;
    }
    EXPECT_EQ(b.chip.Peek(Space::Program, 16), 0xFFu);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

TEST(Pic18Write, ShortHoldOrMissingEepgdLeavesTheRowUnprogrammed) {
    Pic18Bench b(F452());
    b.wire.Enter();
    SelectPanels(b, 0x00);
    b.wire.Core(Cmd18::BcfCfgs);
    b.wire.SetTablePointer(0);
    b.wire.Command18(Cmd18::TableWriteStart, 0x0000);
    b.wire.ProgrammingNop(900, P10Us);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0xFFu);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::ProgramHold), 1);

    b.wire.Command18(Cmd18::TableWriteStart, 0x0000);
    b.wire.ProgrammingNop(P9Us, 2); // P10 is 5 us on DS39576 parts
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x00u);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::DischargeTime), 1);

    b.wire.Core(0x9EA6); // BCF EEPGD: table writes no longer reach program memory
    b.wire.SetTablePointer(2);
    b.wire.Command18(Cmd18::TableWriteStart, 0x0000);
    b.wire.ProgrammingNop(P9Us, P10Us);
    EXPECT_EQ(b.chip.Peek(Space::Program, 2), 0xFFu);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::WrongSpace), 1);
}

TEST(Pic18Write, CommandOtherThanNopAfterStartProgrammingDoesNotProgram) {
    Pic18Bench b(F452());
    b.wire.Enter();
    b.wire.Core(Cmd18::BsfEepgd);
    b.wire.SetTablePointer(0);
    b.wire.Command18(Cmd18::TableWriteStart, 0x0000);
    b.wire.Command18(Cmd18::TableWrite, 0x0000);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0xFFu);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::BadProgramStart), 1);
}

// DS39622 parts hold 32 bytes; rows written 8 bytes at a time still land, because
// untouched holding registers read 0xFF and flash only clears bits.
TEST(Pic18Write, ThirtyTwoByteBufferTakesShorterWrites) {
    Pic18Bench b(F2520());
    EXPECT_EQ(b.chip.Profile().bufferBytes, 32u);
    b.wire.Enter();
    WriteRow(b, 0, {0, 1, 2, 3, 4, 5, 6, 7});
    WriteRow(b, 8, {8, 9, 10, 11, 12, 13, 14, 15});
    b.wire.Exit();
    for (uint32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(b.chip.Peek(Space::Program, i), i);
    }
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

// DS39576B: in multi-panel mode one pulse programs every panel's buffer at one offset;
// offsets inside the boot block (the first 512 bytes of panel 1) need single-panel
// writes, and the panel register has to be chosen before any write.
TEST(Pic18Write, MultiPanelWritesProgramEveryPanelWithOnePulse) {
    Pic18Bench b(F452());
    b.wire.Enter();
    b.wire.Core(Cmd18::BsfEepgd);
    b.wire.SetTablePointer(0x0200);
    b.wire.Command18(Cmd18::TableWriteStart, 0x0000);
    b.wire.ProgrammingNop(P9Us, P10Us);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0x0200), 0xFFu) << "no panel mode chosen yet";
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::PanelMode), 1);

    SelectPanels(b, 0x40);
    b.wire.Core(Cmd18::BcfCfgs);
    b.wire.SetTablePointer(0x2200);
    b.wire.Command18(Cmd18::TableWrite, 0x2211);
    b.wire.SetTablePointer(0x4200);
    b.wire.Command18(Cmd18::TableWriteStart, 0x4433);
    b.wire.ProgrammingNop(P9Us, P10Us);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0x2201), 0x22u);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0x4200), 0x33u);

    b.wire.SetTablePointer(0x2000); // panel 2, but at an offset of the boot block
    b.wire.Command18(Cmd18::TableWriteStart, 0x0000);
    b.wire.ProgrammingNop(P9Us, P10Us);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0x2000), 0xFFu);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::PanelMode), 2);
}

TEST(Pic18Config, ByteWriteTakesTheLaneOfItsAddressAndReplacesTheByte) {
    Pic18Bench b(F452());
    b.chip.Poke(Space::Config, 1, 0x20);
    b.wire.Enter();
    b.wire.Core(0xEF00);
    b.wire.Core(0xF800);
    WriteConfig(b, 0x300001, 0x27);
    // CONFIG2L and CONFIG2H implement bits 3-0 on this part; the lane not taken would
    // leave another value in them.
    b.wire.SetTablePointer(0x300002);
    b.wire.Command18(Cmd18::TableWriteStart, 0xCD0A); // even address: low lane
    b.wire.ProgrammingNop(P9Us, P10Us);
    b.wire.SetTablePointer(0x300003);
    b.wire.Command18(Cmd18::TableWriteStart, 0x05EF); // odd address: high lane
    b.wire.ProgrammingNop(P9Us, P10Us);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Config, 1), 0x27u) << "a configuration write replaces";
    EXPECT_EQ(b.chip.Peek(Space::Config, 2), 0x0Au);
    EXPECT_EQ(b.chip.Peek(Space::Config, 3), 0x05u);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

TEST(Pic18Config, WriteWithoutCfgsGoesNowhere) {
    Pic18Bench b(F2520());
    b.wire.Enter();
    b.wire.Core(Cmd18::BsfEepgd);
    b.wire.SetTablePointer(0x300002);
    b.wire.Command18(Cmd18::TableWriteStart, 0x1E1E);
    b.wire.ProgrammingNop(P9Us, P10Us);
    EXPECT_EQ(b.chip.Peek(Space::Config, 2), 0x1Fu); // still erased: its implemented bits
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::WrongSpace), 1);
}

TEST(Pic18Config, IdLocationsAreWrittenThroughTheBuffer) {
    Pic18Bench b(F452());
    b.wire.Enter();
    WriteRow(b, 0x200000, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Id, 0), 0x11u);
    EXPECT_EQ(b.chip.Peek(Space::Id, 7), 0x88u);
}

TEST(Pic18Knobs, ProtectedProgramMemoryReadsZero) {
    Pic18Bench b(F452());
    b.chip.Poke(Space::Program, 0, 0x5A);
    b.chip.SetCodeProtected(true);
    b.wire.Enter();
    EXPECT_EQ(b.wire.Read18(Cmd18::TableRead), 0x00);
    b.chip.SetCodeProtected(false);
    EXPECT_EQ(b.wire.Read18(Cmd18::TableRead), 0x5A);
}

} // namespace
