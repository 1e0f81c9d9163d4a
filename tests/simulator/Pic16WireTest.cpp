#include "Chips.h"

#include <gtest/gtest.h>

using namespace Sim;

namespace {

using Pic16Bench = Bench<Pic16Target>;

TEST(Pic16Wire, LoadedWordIsProgrammedAndReadsBack) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    b.wire.Load16(Cmd16::LoadProgram, 0x2A5C);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(10);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x2A5Cu);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x2A5Cu);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

// The chip drives nothing during the start bit, bit k from the rising edge of clock k+2,
// and lets go at the stop bit; the released line floats high when undriven.
TEST(Pic16Wire, ReadDrivesEachBitFromTheRisingEdgeOfItsClock) {
    Pic16Bench b(F84A());
    b.chip.Poke(Space::Program, 0, 0x0001);
    b.wire.Enter();
    b.wire.Command16(Cmd16::ReadProgram);
    b.wire.Put(Lines::LineProg | Lines::LineRelease, 20);
    EXPECT_EQ(b.chip.DataOut(), Drive::None);
    b.wire.Put(Lines::LineProg | Lines::LineRelease | Lines::LineClock, 5); // clock 1 high
    EXPECT_EQ(b.chip.DataOut(), Drive::None);
    EXPECT_TRUE(b.wire.Sample());
    b.wire.Put(Lines::LineProg | Lines::LineRelease, 5);
    b.wire.Put(Lines::LineProg | Lines::LineRelease | Lines::LineClock, 5); // clock 2 high
    EXPECT_EQ(b.chip.DataOut(), Drive::High);
    b.wire.Put(Lines::LineProg | Lines::LineRelease, 5);
    for (int bit = 1; bit < 14; ++bit) {
        EXPECT_FALSE(b.wire.ClockIn()) << "bit " << bit;
    }
    b.wire.Put(Lines::LineProg | Lines::LineRelease | Lines::LineClock, 5); // stop bit
    EXPECT_EQ(b.chip.DataOut(), Drive::None);
}

TEST(Pic16Wire, DataMemoryKeepsTheLowByteAndIsAddressedModuloItsSize) {
    Pic16Bench b(F84A()); // 64 bytes of EEPROM
    b.wire.Enter();
    for (int i = 0; i < 65; ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
    b.wire.Load16(Cmd16::LoadData, 0x3F5A);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(10);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadData), 0x005Au);
    EXPECT_EQ(b.chip.Peek(Space::Eeprom, 1), 0x5Au);
    EXPECT_EQ(b.chip.Peek(Space::Program, 65 % 1024), 0x3FFFu) << "data went to program memory";
}

TEST(Pic16Wire, AddressCounterWrapsWithinEachHalf) {
    Pic16Bench b(F877());
    b.wire.Enter();
    for (int i = 0; i < 0x1FFF; ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
    EXPECT_EQ(b.chip.AddressCounter(), 0x1FFFu);
    b.wire.Command16(Cmd16::Increment);
    EXPECT_EQ(b.chip.AddressCounter(), 0x0000u) << "user half must not run into 0x2000";

    b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
    EXPECT_EQ(b.chip.AddressCounter(), 0x2000u);
    for (int i = 0; i < 0x1FFF; ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
    EXPECT_EQ(b.chip.AddressCounter(), 0x3FFFu);
    b.wire.Command16(Cmd16::Increment);
    EXPECT_EQ(b.chip.AddressCounter(), 0x2000u) << "configuration half wraps within itself";

    b.wire.Exit();
    b.wire.Enter();
    EXPECT_EQ(b.chip.AddressCounter(), 0u) << "re-entry returns to user memory";
}

TEST(Pic16Wire, F628AWrapsAtTheEndOfImplementedMemory) {
    Pic16Bench b(F628A());
    b.wire.Enter();
    for (int i = 0; i < 2048; ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
    EXPECT_EQ(b.chip.AddressCounter(), 0u);
}

TEST(Pic16Wire, IdsAndConfigurationWordSitInTheConfigurationHalf) {
    Pic16Bench b(F877());
    b.chip.Poke(Space::DeviceId, 0, 0x0D00);
    b.wire.Enter();
    b.wire.Load16(Cmd16::LoadConfiguration, 0x3F81);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(10);
    for (int i = 0; i < 6; ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x0D00u);
    b.wire.Command16(Cmd16::Increment);
    b.wire.Load16(Cmd16::LoadProgram, 0x3F72);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(10);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Id, 0), 0x3F81u);
    EXPECT_EQ(b.chip.Peek(Space::Config, 0), 0x3F72u);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x3FFFu);
    EXPECT_EQ(b.chip.Peek(Space::DeviceId, 0), 0x0D00u) << "device ID is read-only";
}

TEST(Pic16Wire, F84AIgnoresTheTopCommandBitsExceptForItsBeginCommands) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    b.wire.Command16(Cmd16::Increment | 0x30);
    EXPECT_EQ(b.chip.AddressCounter(), 1u);
    Pic16Bench other(F877());
    other.wire.Enter();
    other.wire.Command16(Cmd16::Increment | 0x30);
    EXPECT_EQ(other.chip.AddressCounter(), 0u);
    EXPECT_EQ(other.chip.TimingViolations().Count(Rule::UnknownCommand), 1);
}

// --- wire timing ---

// No mid-range document sets clock high or low times; what a bit needs is Tset1 and Thld1
// (100 ns) around its falling edge. Phases of 0.1 us meet them; with no time between
// edges, every falling edge after the first data change (bits 1-5 of 011000, sent LSB
// first) breaks the set-up, and both changes the hold.
TEST(Pic16Timing, MidRangeChipsJudgeEachBitNotTheClockPhases) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    b.wire.halfClockTenths = 1;
    b.wire.Command16(Cmd16::Increment);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
    b.wire.halfClockTenths = 0;
    b.wire.Command16(Cmd16::Increment);
    const Violations& v = b.chip.TimingViolations();
    EXPECT_EQ(v.Count(Rule::ClockHigh) + v.Count(Rule::ClockLow), 0);
    EXPECT_EQ(v.Count(Rule::DataSetup), 5);
    EXPECT_EQ(v.Count(Rule::DataHold), 2);
}

TEST(Pic16Timing, DataTooSoonAfterItsCommandIsCounted) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    b.wire.gapTenths = 1; // 0.1 us where Tdly1 asks 1 us
    b.wire.Load16(Cmd16::LoadProgram, 0x0123);
    b.wire.Command16(Cmd16::Increment);
    const Violations& v = b.chip.TimingViolations();
    EXPECT_EQ(v.Count(Rule::CommandToData), 1);
    EXPECT_EQ(v.Count(Rule::CommandToCommand), 1);
}

TEST(Pic16Timing, EntryWithClockHighOrTooEarlyAClockIsCounted) {
    Pic16Bench b(F84A());
    b.wire.Put(Lines::LineIdle | Lines::LineRelease, 1);
    b.wire.Put(Lines::LineProg | Lines::LineClock, 0);
    b.wire.Put(Lines::LineProg, 0);
    const Violations& v = b.chip.TimingViolations();
    EXPECT_EQ(v.Count(Rule::EntryLevels), 1);
    EXPECT_EQ(v.Count(Rule::EntryHold), 0) << "no rising edge yet";
    b.wire.Put(Lines::LineProg | Lines::LineClock, 0);
    EXPECT_EQ(v.Count(Rule::EntryHold), 1);
}

TEST(Pic16Timing, DataChangedWithTheFallingEdgeBreaksSetup) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    b.wire.Put(Lines::LineProg | Lines::LineClock, 5);
    b.wire.Put(Lines::LineProg | Lines::LineData, 5); // clock falls as data rises
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::DataSetup), 1);
}

} // namespace
