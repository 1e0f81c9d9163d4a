// Writes, protection, entry and reads of the DS41191D, DS41204G and DS41287C chips, driven
// through the test wire.
#include "Chips.h"
#include "simulator/PartFacts.h"

#include <gtest/gtest.h>

using namespace Sim;

namespace {

using Bench16 = Bench<Pic16Target>;

// A load and a begin command, then the wait; an externally timed one ended by 001010 and
// followed by TDIS (beyond the wire's own 2 us before each command).
void Write(Bench16& b, int load, uint32_t word, int begin, int32_t waitUs, int32_t tdisUs = 100) {
    b.wire.Load16(load, word);
    b.wire.Command16(begin);
    b.wire.WaitUs(waitUs);
    if (begin == Cmd16::BeginProgramOnly) {
        b.wire.Command16(Cmd16::EndProgrammingFlash);
        b.wire.WaitUs(tdisUs);
    }
}

void Increments(Bench16& b, int count) {
    for (int i = 0; i < count; ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
}

// Loads `count` words from `first` on, one per address, then one begin: the latch group.
void GroupWrite(Bench16& b, uint32_t first, int count, uint32_t word) {
    Increments(b, static_cast<int>(first - b.chip.AddressCounter()));
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            b.wire.Command16(Cmd16::Increment);
        }
        b.wire.Load16(Cmd16::LoadProgram, word + static_cast<uint32_t>(i));
    }
    b.wire.Command16(Cmd16::BeginEraseProgram);
    b.wire.WaitMs(3);
}

// One begin writes the aligned group the address selects: a misaligned 4-word load at
// 2-5 lands on 4-7 as latches 0-3 hold it (DS41204G §3.1.1); the 887 also takes 4 words.
TEST(FlashWrite, OneCycleWritesTheAlignedLatchGroup) {
    Bench16 b(F690());
    b.wire.Enter();
    GroupWrite(b, 2, 4, 0x0100); // words 0100-0103 at 2, 3, 4, 5
    b.wire.Exit();
    const uint32_t want[] = {0x3FFF, 0x3FFF, 0x3FFF, 0x3FFF, 0x0102, 0x0103, 0x0100, 0x0101};
    for (uint32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(b.chip.Peek(Space::Program, i), want[i]) << i;
    }

    Bench16 e(F887());
    e.wire.Enter();
    GroupWrite(e, 8, 8, 0x0200);
    GroupWrite(e, 20, 4, 0x0300);
    e.wire.Exit();
    for (uint32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(e.chip.Peek(Space::Program, 8 + i), 0x0200 + i) << i;
        EXPECT_EQ(e.chip.Peek(Space::Program, 16 + i), i < 4 ? 0x3FFF : 0x0300 + i - 4) << i;
    }
    EXPECT_EQ(e.chip.TimingViolations().Total(), 0) << e.chip.TimingViolations().Summary();
}

// Program words only lose bits on every document (DS41191D taken so); a data byte is
// erased first by the internally timed cycle of DS41191D and DS41287C only. DS41191D's
// TDIS, 0.5 us, needs no wait beyond the wire's.
TEST(FlashWrite, WhatEachCycleErasesFirst) {
    struct Case {
        DeviceRecord device;
        int begin;
        uint32_t data; // 0x0F written over 0xF5
        int32_t tdisUs;
    };
    const Case cases[] = {
        {F675(), Cmd16::BeginEraseProgram, 0x0F, 0},   {F675(), Cmd16::BeginProgramOnly, 0x05, 0},
        {F690(), Cmd16::BeginEraseProgram, 0x05, 100}, {F690(), Cmd16::BeginProgramOnly, 0x05, 100},
        {F883(), Cmd16::BeginEraseProgram, 0x0F, 100}, {F883(), Cmd16::BeginProgramOnly, 0x05, 100},
    };
    for (const Case& c : cases) {
        Bench16 b(c.device);
        b.chip.Poke(Space::Program, 0, 0x0F0F);
        b.chip.Poke(Space::Eeprom, 0, 0xF5);
        b.wire.Enter();
        Write(b, Cmd16::LoadProgram, 0x00FF, c.begin, 3000, c.tdisUs);
        Write(b, Cmd16::LoadData, 0x0F, c.begin, 6000, c.tdisUs);
        b.wire.Exit();
        const std::string name = c.device.DeviceName + " " + std::to_string(c.begin);
        EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x000Fu) << name;
        EXPECT_EQ(b.chip.Peek(Space::Eeprom, 0), c.data) << name;
        EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
    }
}

// DS41204G: 2007h leaves its latch loaded. Written next, an ID row carries it to 2003h;
// Load 3FFFh and Increment four times first, or re-entry, and the ID row is clean.
TEST(FlashWrite, LatchesLeftByConfigurationWritesReachTheIdRowUnlessReset) {
    for (int reset : {0, 1, 2}) {
        Bench16 b(F690());
        b.wire.Enter();
        b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
        Increments(b, 7);
        Write(b, Cmd16::LoadProgram, 0x3FE7, Cmd16::BeginEraseProgram, 3000);
        if (reset == 1) {
            for (int i = 0; i < 4; ++i) {
                Increments(b, 1);
                b.wire.Load16(Cmd16::LoadProgram, 0x3FFF);
            }
        } else if (reset == 2) {
            b.wire.Exit();
            b.wire.Enter();
        }
        Write(b, Cmd16::LoadConfiguration, 0x3F81, Cmd16::BeginEraseProgram, 3000);
        b.wire.Exit();
        EXPECT_EQ(b.chip.Peek(Space::Config, 0), 0x3FE7u);
        EXPECT_EQ(b.chip.Peek(Space::Id, 0), 0x3F81u);
        EXPECT_EQ(b.chip.Peek(Space::Id, 3), reset == 0 ? 0x3FE7u : 0x3FFFu) << reset;
        EXPECT_EQ(b.chip.TimingViolations().Count(Rule::StaleLatch), reset == 0 ? 1 : 0);
    }
}

// DS41287C, the documented order: IDs one by one, CONFIG1, CONFIG2, calibration; each
// leaves the latches loaded, none lands anywhere but on its own word.
TEST(FlashWrite, Ds41287IdsAndConfigurationWordsInTheirOrder) {
    Bench16 b(F887());
    const uint32_t calibration = b.chip.Peek(Space::Calibration, 0);
    b.wire.Enter();
    Write(b, Cmd16::LoadConfiguration, 0x3F81, Cmd16::BeginEraseProgram, 3000);
    for (uint32_t id = 2; id <= 4; ++id) {
        Increments(b, 1);
        Write(b, Cmd16::LoadProgram, 0x3F80 + id, Cmd16::BeginProgramOnly, 2000);
    }
    Increments(b, 4);
    Write(b, Cmd16::LoadProgram, 0x2FF4, Cmd16::BeginEraseProgram, 3000);
    Increments(b, 1);
    Write(b, Cmd16::LoadProgram, 0x3EFF, Cmd16::BeginEraseProgram, 3000);
    Increments(b, 1);
    Write(b, Cmd16::LoadProgram, calibration & 0x1FC0, Cmd16::BeginEraseProgram, 3000);
    b.wire.Exit();
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(b.chip.Peek(Space::Id, i), 0x3F81 + i);
    }
    EXPECT_EQ(b.chip.Peek(Space::Config, 0), 0x2FF4u);
    EXPECT_EQ(b.chip.Peek(Space::Config, 1), 0x3EFFu) << "CONFIG2: bits 10-8 only";
    EXPECT_EQ(b.chip.Peek(Space::Calibration, 0), 0x2000 | (calibration & 0x1FC0));
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

// CP: program memory reads 0 but DS41191D's OSCCAL, and takes no write; IDs and the
// configuration word read and write. CPD: data reads 0. DS41204G calibration words read 0
// under CP (not stated; the stricter reading).
TEST(FlashProtection, ProtectedReadsAndWrites) {
    Bench16 b(F675());
    const uint32_t osccal = b.chip.Peek(Space::Program, 0x3FF);
    b.chip.Poke(Space::Program, 0, 0x2AAA);
    b.chip.Poke(Space::Eeprom, 0, 0x5A);
    b.chip.Poke(Space::Config, 0, 0x107F); // CP and CPD on
    b.wire.Enter();
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0u);
    Write(b, Cmd16::LoadProgram, 0x0000, Cmd16::BeginEraseProgram, 2500);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadData), 0u);
    Increments(b, 0x3FF);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), osccal);
    Write(b, Cmd16::LoadConfiguration, 0x3F8A, Cmd16::BeginEraseProgram, 2500);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x3F8Au);
    Increments(b, 7);
    EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x107Fu);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0x2AAAu);

    Bench16 c(F690());
    c.chip.SetCodeProtected(true);
    c.wire.Enter();
    c.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
    Increments(c, 8);
    EXPECT_EQ(c.wire.Read16(Cmd16::ReadProgram), 0u);
}

// INTOSC with MCLR disabled (FOSC 100, MCLRE 0): powered before VPP the chip runs its code,
// its data line floats and it takes no command; VDD rising with VPP enters.
TEST(FlashEntry, IntoscWithMclrDisabledEntersOnlyWithVddAndVppTogether) {
    for (const DeviceRecord& device : {F675(), F690(), F887()}) {
        Bench16 b(device);
        b.chip.Poke(Space::Config, 0, b.chip.Peek(Space::Config, 0) & ~0x0023u);
        b.wire.Enter();
        EXPECT_FALSE(b.chip.InProgramMode()) << device.DeviceName;
        b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
        EXPECT_EQ(b.chip.AddressCounter(), 0u);
        EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), 0x3FFFu);
        b.wire.Exit();
        b.wire.Put(Lines::LineProg, 1); // from rest: VDD and VPP at once
        b.wire.WaitUs(5);
        b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
        Increments(b, 6);
        EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), b.chip.Peek(Space::DeviceId, 0));
        EXPECT_EQ(b.chip.TimingViolations().Summary(), "SupplyOrder=1");
    }
}

// Device IDs and unimplemented configuration bits as read, and the configuration half's
// repeat: 2000h + period + 6 is the device ID again.
TEST(FlashRead, DeviceIdConfigurationAndRepeat) {
    struct Case {
        DeviceRecord device;
        uint32_t id;
        uint32_t configWritten, configRead;
        int period;
    };
    const Case cases[] = {
        {F675(), 0x0FC0, 0x0000, 0x0000, 0x20}, // DS41191D: bits 11-9 read 0
        {F635(), 0x0FA0, 0x0000, 0x2000, 0x40}, // DS41204G: bit 13 reads 1
        {F690(), 0x1400, 0x0000, 0x3000, 0x80},
        {F887(), 0x2080, 0x0000, 0x0000, 0x40},
    };
    for (const Case& c : cases) {
        Bench16 b(c.device);
        b.chip.Poke(Space::Config, 0, c.configWritten);
        b.wire.Enter();
        b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
        Increments(b, c.period + 6);
        EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), c.id | SimulatedRevision)
            << c.device.DeviceName;
        b.wire.Command16(Cmd16::Increment);
        EXPECT_EQ(b.wire.Read16(Cmd16::ReadProgram), c.configRead) << c.device.DeviceName;
    }
}

} // namespace
