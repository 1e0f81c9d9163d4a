#include "Chips.h"

#include <gtest/gtest.h>

using namespace Sim;

namespace {

using Pic16Bench = Bench<Pic16Target>;

// Load, a begin command, and a wait before the next command.
void Write(Pic16Bench& b, uint32_t word, int beginCode, uint32_t waitUs) {
    b.wire.Load16(Cmd16::LoadProgram, word);
    b.wire.Command16(beginCode);
    b.wire.WaitUs(static_cast<int32_t>(waitUs));
}

void FillProgram(Pic16Target& chip, uint32_t value) {
    for (uint32_t i = 0; i < chip.Size(Space::Program); ++i) {
        chip.Poke(Space::Program, i, value);
    }
}

TEST(Pic16Cycle, EraseProgramCycleCutShortDoesNotTake) {
    Pic16Bench b(F84A()); // 8 ms erase/program
    b.chip.Poke(Space::Program, 0, 0x1111);
    b.wire.Enter();
    Write(b, 0x0222, Cmd16::BeginEraseProgram, 7000);
    b.wire.Command16(Cmd16::Increment);
    Write(b, 0x0333, Cmd16::BeginEraseProgram, 8000);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x1111u);
    EXPECT_EQ(b.chip.Peek(Space::Program, 1), 0x0333u);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::ProgramTime), 1);
}

TEST(Pic16Cycle, LeavingProgrammingModeCutsACycleShort) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    b.wire.Load16(Cmd16::LoadProgram, 0x0222);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.Put(Lines::LineIdle | Lines::LineRelease, 1);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x3FFFu);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::ProgramTime), 1);
}

TEST(Pic16Cycle, ProgramOnlyOnlyClearsBits) {
    Pic16Bench b(F84A());
    b.chip.Poke(Space::Program, 0, 0x0F0F);
    b.wire.Enter();
    Write(b, 0x00FF, Cmd16::BeginProgramOnly, 4000);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x000Fu);
}

TEST(Pic16Cycle, BeginWithoutALoadIsCounted) {
    Pic16Bench b(F84A());
    b.wire.Enter();
    Write(b, 0x0001, Cmd16::BeginEraseProgram, 8000);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(8);
    b.wire.Exit();
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::BeginWithoutLoad), 1);
}

// 87XA: programming only, externally timed, ended by End Programming after tprog1.
TEST(Pic16Cycle, ProgramOnlyCycleNeedsItsEndCommand) {
    Pic16Bench b(F876A());
    b.wire.Enter();
    Write(b, 0x0AAA, Cmd16::BeginProgramOnly, 1500);
    b.wire.Command16(Cmd16::EndProgramming87XA);
    b.wire.Command16(Cmd16::Increment);
    Write(b, 0x0BBB, Cmd16::BeginProgramOnly, 1500);
    b.wire.Command16(Cmd16::Increment); // no End Programming
    Write(b, 0x0CCC, Cmd16::BeginProgramOnly, 500);
    b.wire.Command16(Cmd16::EndProgramming); // either End command ends it, but too soon
    b.wire.Command16(Cmd16::Increment);
    Write(b, 0x0DDD, Cmd16::BeginProgramOnly, 1500);
    b.wire.Exit(); // leaving instead of ending
    const Violations& v = b.chip.TimingViolations();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x0AAAu);
    EXPECT_EQ(b.chip.Peek(Space::Program, 1), 0x3FFFu);
    EXPECT_EQ(b.chip.Peek(Space::Program, 2), 0x3FFFu);
    EXPECT_EQ(b.chip.Peek(Space::Program, 3), 0x3FFFu);
    EXPECT_EQ(v.Count(Rule::MissingEnd), 2);
    EXPECT_EQ(v.Count(Rule::ProgramTime), 1);
}

// Unloaded latches of the 8-word row stay at 3FFF, so a one-word load changes one word.
TEST(Pic16Cycle, RowProgrammingChangesOnlyTheLoadedWord) {
    Pic16Bench b(F876A());
    b.wire.Enter();
    for (int i = 0; i < 5; ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
    Write(b, 0x1234, Cmd16::BeginProgramOnly, 2000);
    b.wire.Command16(Cmd16::EndProgramming87XA);
    b.wire.Command16(Cmd16::Increment);
    Write(b, 0x0FF0, Cmd16::BeginProgramOnly, 2000);
    b.wire.Command16(Cmd16::EndProgramming87XA);
    b.wire.Exit();
    for (uint32_t i = 0; i < 8; ++i) {
        const uint32_t want = i == 5 ? 0x1234 : (i == 6 ? 0x0FF0 : 0x3FFF);
        EXPECT_EQ(b.chip.Peek(Space::Program, i), want) << "word " << i;
    }
}

TEST(Pic16Erase, F84ABulkEraseRunsOnItsBeginCommand) {
    Pic16Bench b(F84A());
    FillProgram(b.chip, 0);
    b.chip.Poke(Space::Eeprom, 3, 0x12);
    b.wire.Enter();
    b.wire.Load16(Cmd16::LoadProgram, 0x3FFF);
    b.wire.Command16(Cmd16::BulkEraseProgram);
    b.wire.Command16(Cmd16::BeginProgramOnly);
    b.wire.WaitMs(10);
    b.wire.Load16(Cmd16::LoadData, 0xFF);
    b.wire.Command16(Cmd16::BulkEraseData);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(10);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x3FFFu);
    EXPECT_EQ(b.chip.Peek(Space::Program, 1023), 0x3FFFu);
    EXPECT_EQ(b.chip.Peek(Space::Eeprom, 3), 0xFFu);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

TEST(Pic16Erase, BulkEraseCutShortClearsOnlyPartOfTheMemory) {
    Pic16Bench b(F84A()); // 10 ms bulk erase
    FillProgram(b.chip, 0);
    b.wire.Enter();
    b.wire.Load16(Cmd16::LoadProgram, 0x3FFF);
    b.wire.Command16(Cmd16::BulkEraseProgram);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(5);
    b.wire.Command16(Cmd16::Increment);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x3FFFu);
    EXPECT_EQ(b.chip.Peek(Space::Program, 1023), 0u);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::EraseTime), 1);
}

TEST(Pic16Erase, F628ABulkEraseIsSelfTimedAndReachesTheConfigurationHalf) {
    Pic16Bench b(F628A());
    FillProgram(b.chip, 0);
    b.chip.Poke(Space::Id, 2, 0x3F85);
    b.chip.Poke(Space::Config, 0, 0x1F62); // CP on
    b.wire.Enter();
    b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
    b.wire.Command16(Cmd16::BulkEraseProgram);
    b.wire.WaitMs(6);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 100), 0x3FFFu);
    EXPECT_EQ(b.chip.Peek(Space::Id, 2), 0x3FFFu);
    EXPECT_FALSE(b.chip.CodeProtected());
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

// DS39589B 2.5.1.3: Chip Erase clears program memory, data memory and the configuration
// word wherever the address is; the IDs only with the address in configuration memory.
TEST(Pic16Erase, F876AChipEraseTakesTheIdsOnlyFromConfigurationMemory) {
    for (bool fromConfig : {false, true}) {
        Pic16Bench b(F876A());
        FillProgram(b.chip, 0x1000);
        b.chip.Poke(Space::Eeprom, 255, 0);
        b.chip.Poke(Space::Id, 0, 0x3F80);
        b.chip.Poke(Space::Config, 0, 0x1F72);
        b.wire.Enter();
        if (fromConfig) {
            b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
        } else {
            b.wire.Command16(Cmd16::Increment);
        }
        b.wire.Command16(Cmd16::ChipErase);
        b.wire.WaitMs(8);
        b.wire.Exit();
        EXPECT_EQ(b.chip.Peek(Space::Program, 8191), 0x3FFFu);
        EXPECT_EQ(b.chip.Peek(Space::Eeprom, 255), 0xFFu);
        EXPECT_EQ(b.chip.Peek(Space::Id, 0), fromConfig ? 0x3FFFu : 0x3F80u);
        EXPECT_EQ(b.chip.Peek(Space::Config, 0), 0x3FFFu);
        EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
    }
}

// 87X: Setup1, Setup2, begin; the last load picks the memory.
TEST(Pic16Erase, F877SetupSequenceErasesTheMemoryOfTheLastLoad) {
    Pic16Bench b(F877());
    FillProgram(b.chip, 0);
    b.chip.Poke(Space::Eeprom, 0, 0);
    b.wire.Enter();
    b.wire.Load16(Cmd16::LoadData, 0xFF);
    b.wire.Command16(Cmd16::Setup1);
    b.wire.Command16(Cmd16::Setup2);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(8);
    b.wire.Command16(Cmd16::Setup1);
    b.wire.Command16(Cmd16::Setup2);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Eeprom, 0), 0xFFu);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0u);
}

TEST(Pic16Protection, ProtectedProgramMemoryReadsZeroButIdsAndConfigurationDoNot) {
    Pic16Bench b(F84A());
    b.chip.Poke(Space::Program, 0, 0x1234);
    b.chip.Poke(Space::Id, 0, 0x3F81);
    b.chip.SetCodeProtected(true);
    b.wire.Enter();
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0u);
    b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x3F81u);
}

TEST(Pic16Protection, ProgrammingTheCpBitsProtects) {
    Pic16Bench b(F877());
    b.chip.Poke(Space::Config, 0, 0x3F72);
    EXPECT_FALSE(b.chip.CodeProtected());
    b.chip.Poke(Space::Config, 0, 0x0F72); // CP1:CP0 = 00 in bits 13:12
    EXPECT_TRUE(b.chip.CodeProtected());
}

// F84A: bulk erase refuses a protected chip; the disable sequence at 0x2007 clears it all.
TEST(Pic16Protection, F84ADisableSequenceErasesAndUnprotects) {
    Pic16Bench b(F84A());
    FillProgram(b.chip, 0x1234);
    b.chip.Poke(Space::Eeprom, 0, 0x12);
    b.chip.SetCodeProtected(true);
    b.wire.Enter();
    b.wire.Load16(Cmd16::LoadProgram, 0x3FFF);
    b.wire.Command16(Cmd16::BulkEraseProgram);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(10);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x1234u) << "bulk erase must fail while protected";

    b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
    for (int i = 0; i < 7; ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
    b.wire.Command16(Cmd16::Setup1);
    b.wire.Command16(Cmd16::Setup2);
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(10);
    b.wire.Command16(Cmd16::Setup1);
    b.wire.Command16(Cmd16::Setup2);
    b.wire.Exit();
    EXPECT_FALSE(b.chip.CodeProtected());
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x3FFFu);
    EXPECT_EQ(b.chip.Peek(Space::Eeprom, 0), 0xFFu);
}

// EPROM: 1 -> 0 only, the word takes at the k-th pulse, pulses under 100 us do not count.
TEST(Pic16Eprom, WordTakesAfterTheChosenNumberOfPulses) {
    Pic16Bench b(C74B());
    b.chip.SetPulsesToTake(3);
    b.wire.Enter();
    for (int pulse = 1; pulse <= 3; ++pulse) {
        Write(b, 0x1234, Cmd16::BeginEraseProgram, 100);
        b.wire.Command16(Cmd16::EndProgramming);
        const uint32_t read = b.wire.Read16(Cmd16::ReadProgram);
        EXPECT_EQ(read, pulse < 3 ? 0x3FFFu : 0x1234u) << "after pulse " << pulse;
    }
    Write(b, 0x3FFF, Cmd16::BeginEraseProgram, 100);
    b.wire.Command16(Cmd16::EndProgramming);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x1234u) << "bits never go back to 1";
    b.wire.Command16(Cmd16::Increment);
    Write(b, 0x0000, Cmd16::BeginEraseProgram, 50);
    b.wire.Command16(Cmd16::EndProgramming);
    b.wire.Exit();
    EXPECT_EQ(b.chip.PulsesAt(0), 4);
    EXPECT_EQ(b.chip.PulsesAt(1), 0);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::ProgramTime), 1);
}

TEST(Pic16Eprom, EraseCommandsDoNothing) {
    Pic16Bench b(C74B());
    b.chip.Poke(Space::Program, 0, 0);
    b.wire.Enter();
    b.wire.Command16(Cmd16::BulkEraseProgram);
    b.wire.WaitMs(20);
    b.wire.Command16(Cmd16::ChipErase);
    b.wire.WaitMs(20);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0u);
}

TEST(Pic16Knobs, StuckBitAndNeverTakingLocation) {
    Pic16Bench b(F84A());
    b.chip.SetStuckBit(Space::Program, 0, 3, true);
    b.chip.SetNeverTakes(Space::Program, 1);
    b.wire.Enter();
    Write(b, 0x0000, Cmd16::BeginEraseProgram, 8000);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x0008u);
    b.wire.Command16(Cmd16::Increment);
    Write(b, 0x0000, Cmd16::BeginEraseProgram, 8000);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x3FFFu);
    b.wire.Exit();
}

TEST(Pic16Cycle, F74PulseIsEndedByEndProgramming) {
    Pic16Bench b(F74());
    b.wire.Enter();
    Write(b, 0x0555, Cmd16::BeginEraseProgram, 2000);
    b.wire.Command16(Cmd16::EndProgramming);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x0555u);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

} // namespace
