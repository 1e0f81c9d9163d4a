#include "Chips.h"

#include <gtest/gtest.h>

using namespace Sim;
using namespace Sim::Lines;

namespace {

using Pic16Bench = Bench<Pic16Target>;

TEST(SimulatedPort, StatusShowsTheProgrammersBitOrTheReleasedLine) {
    Pic16Bench b(F84A());
    b.port.WriteData(LineProg | LineData);
    EXPECT_EQ(b.port.ReadStatus() & StatusData, StatusData);
    b.port.WriteData(LineProg);
    EXPECT_EQ(b.port.ReadStatus() & StatusData, 0);
    b.port.WriteData(LineProg | LineRelease);
    EXPECT_EQ(b.port.ReadStatus() & StatusData, StatusData) << "undriven line floats high";
    EXPECT_EQ(b.port.ReadStatus() & ~StatusData, StatusOtherBits);
}

TEST(SimulatedPort, NoChipLeavesTheReleasedLineHigh) {
    Pic16Bench b(F84A());
    b.chip.Poke(Space::Program, 0, 0);
    b.port.SetChipPresent(false);
    b.wire.Enter();
    EXPECT_FALSE(b.chip.InProgramMode());
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x3FFFu);
    b.port.SetChipPresent(true);
    b.wire.Enter();
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0u);

    VirtualDelay delay;
    SimulatedPort empty(delay, nullptr);
    empty.WriteData(LineProg | LineRelease);
    EXPECT_EQ(empty.ReadStatus() & StatusData, StatusData);
}

TEST(SimulatedPort, ProgrammingModeFollowsProgAndEndsInTheResetState) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    EXPECT_TRUE(b.chip.InProgramMode());
    b.wire.Command16(Cmd16::Increment);
    b.port.WriteData(LineProg | LineIdle); // reset state even with Prog set
    EXPECT_FALSE(b.chip.InProgramMode());
    b.port.WriteData(LineProg);
    EXPECT_TRUE(b.chip.InProgramMode());
    EXPECT_EQ(b.chip.AddressCounter(), 0u);
    b.wire.Command16(Cmd16::Increment);
    b.port.WriteData(LinePrep | LineIdle | LineRelease); // re-entry through the prep state
    b.port.WriteData(LineProg);
    EXPECT_EQ(b.chip.AddressCounter(), 0u);
}

TEST(SimulatedPort, ClockEdgesOutsideProgrammingModeAreIgnored) {
    Pic16Bench b(F84A());
    for (int i = 0; i < 6; ++i) {
        b.port.WriteData(LineIdle | LineRelease | LineClock | LineData);
        b.port.WriteData(LineIdle | LineRelease);
    }
    b.wire.Enter();
    b.wire.Command16(Cmd16::Increment);
    EXPECT_EQ(b.chip.AddressCounter(), 1u);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

TEST(SimulatedPort, ReadingWithoutReleasingTheLineIsContention) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    b.wire.Command16(Cmd16::ReadProgram);
    b.wire.SendBits(0, 16); // clocks the read with the data line still driven
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::BusContention), 28);
}

TEST(MakeTarget, ChoosesTheTargetByFamily) {
    EXPECT_NE(dynamic_cast<Pic16Target*>(MakeTarget(F877()).get()), nullptr);
    EXPECT_NE(dynamic_cast<Pic18Target*>(MakeTarget(F452()).get()), nullptr);
    // The 12F parts of the mid-range flash documents are PIC16 targets; other families none.
    EXPECT_NE(dynamic_cast<Pic16Target*>(MakeTarget(Device("PIC12F675", 12, 1024, 128, "")).get()),
              nullptr);
    EXPECT_EQ(MakeTarget(Device("PIC12F508", 12, 512, 0, "Flash")), nullptr);
    EXPECT_EQ(MakeTarget(Device("PIC16F84A", 16, 1 << 30, 64, "Flash")), nullptr);
    auto chip = MakeTarget(F877());
    EXPECT_EQ(chip->Size(Space::Program), 8192u);
    EXPECT_EQ(chip->Peek(Space::Program, 8191), 0x3FFFu);
    EXPECT_EQ(chip->Size(Space::Eeprom), 256u);
}

} // namespace
