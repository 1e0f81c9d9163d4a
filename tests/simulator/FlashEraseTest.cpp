// The bulk and row erases of the DS41191D, DS41204G and DS41287C chips, and the factory
// calibration each erase keeps or loses, driven through the test wire.
#include "Chips.h"

#include <gtest/gtest.h>

using namespace Sim;

namespace {

using Bench16 = Bench<Pic16Target>;

// Load Configuration, then `increments` Increment Address: the address counter at
// 2000h + increments. A negative count leaves it in user memory (at 0005h).
void PointAt(Bench16& b, int increments) {
    if (increments >= 0) {
        b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
    }
    for (int i = 0; i < (increments >= 0 ? increments : 5); ++i) {
        b.wire.Command16(Cmd16::Increment);
    }
}

// CP and CPD bits of each document's configuration word.
uint32_t ProtectionBits(const Pic16Target& chip) {
    return chip.Profile().variant == Pic16Variant::F629 ? 0x0180 : 0x00C0;
}

struct Reach {
    DeviceRecord device;
    int increments; // see PointAt
    bool ids;
    bool calibration[2];
};

// 2007h read back erased: DS41191D bits 11-9 read 0 (and its band-gap bits are erased too).
constexpr uint32_t ErasedConfig629 = 0x31FF;

// DS41191D §2.3.1.9, DS41204G §3.1.4, DS41287C §3.2.5 by address; 2005h and 2008h (on
// DS41287C) are not stated and erase as 2000h; 2048h repeats 2008h on the 40h-period 635.
// Every chip starts code and data protected, which the erase lifts.
TEST(FlashErase, BulkEraseReachFollowsTheAddressCounter) {
    const Reach cases[] = {
        {F675(), -1, false, {}},         {F675(), 0, true, {}},
        {F635(), -1, false, {}},         {F635(), 0, true, {}},
        {F635(), 5, true, {}},           {F635(), 8, true, {true, false}},
        {F635(), 9, true, {true, true}}, {F635(), 0x48, true, {true, false}},
        {F883(), -1, false, {}},         {F883(), 8, true, {}},
        {F883(), 9, true, {true}},
    };
    for (const Reach& c : cases) {
        Bench16 b(c.device);
        const std::string where = c.device.DeviceName + " +" + std::to_string(c.increments);
        const uint32_t calibration[2] = {b.chip.Peek(Space::Calibration, 0),
                                         b.chip.Peek(Space::Calibration, 1)};
        b.chip.Poke(Space::Program, 0x3FF, 0x0123);
        b.chip.Poke(Space::Id, 3, 0x3F85);
        b.chip.Poke(Space::Eeprom, 7, 0x12);
        b.chip.Poke(Space::Config, 0, b.chip.Peek(Space::Config, 0) & ~ProtectionBits(b.chip));
        b.wire.Enter();
        PointAt(b, c.increments);
        b.wire.Command16(Cmd16::BulkEraseProgram);
        b.wire.WaitMs(8);
        b.wire.Exit();
        EXPECT_EQ(b.chip.Peek(Space::Program, 0x3FF), 0x3FFFu) << where << ": OSCCAL too";
        EXPECT_EQ(b.chip.Peek(Space::Eeprom, 7), 0xFFu) << where << ": CPD was on";
        EXPECT_FALSE(b.chip.CodeProtected()) << where;
        const bool f629 = b.chip.Profile().variant == Pic16Variant::F629;
        EXPECT_EQ(b.chip.Peek(Space::Config, 0), f629 ? ErasedConfig629 : 0x3FFFu) << where;
        EXPECT_EQ(b.chip.Peek(Space::Id, 3), c.ids ? 0x3FFFu : 0x3F85u) << where;
        for (uint32_t i = 0; i < b.chip.Size(Space::Calibration); ++i) {
            const bool erased = b.chip.Peek(Space::Calibration, i) != calibration[i];
            EXPECT_EQ(erased, c.calibration[i]) << where << ": calibration " << i;
        }
        EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
    }
}

// With CPD off a program erase leaves the data memory; Bulk Erase Data Memory erases it,
// but does nothing once CPD is on (DS41204G §3.1.4).
TEST(FlashErase, DataMemoryFollowsCpd) {
    Bench16 b(F690());
    b.chip.Poke(Space::Eeprom, 0, 0x12);
    b.wire.Enter();
    b.wire.Command16(Cmd16::BulkEraseProgram);
    b.wire.WaitMs(6);
    EXPECT_EQ(b.chip.Peek(Space::Eeprom, 0), 0x12u);
    b.chip.Poke(Space::Config, 0, 0x3F7F); // CPD on
    b.wire.Command16(Cmd16::BulkEraseData);
    b.wire.WaitMs(6);
    EXPECT_EQ(b.chip.Peek(Space::Eeprom, 0), 0x12u);
    b.chip.Poke(Space::Config, 0, 0x3FFF);
    b.wire.Command16(Cmd16::BulkEraseData);
    b.wire.WaitMs(6);
    EXPECT_EQ(b.chip.Peek(Space::Eeprom, 0), 0xFFu);
    b.wire.Exit();
}

// Row Erase clears the 16 words at PC<11:4>, on the 8K parts too (so 1013h erases the row
// at 0010h); it is ignored under CP and in configuration memory.
TEST(FlashErase, RowEraseTakesSixteenWordsAtPc11To4) {
    Bench16 b(F887());
    for (uint32_t i : {0x00u, 0x0Fu, 0x10u, 0x1Fu, 0x20u, 0x1010u}) {
        b.chip.Poke(Space::Program, i, 0);
    }
    b.chip.Poke(Space::Id, 0, 0);
    b.wire.Enter();
    PointAt(b, -1); // 0005h, then 1013h, then 0021h (the user half wraps at 2000h) under CP
    for (int step = 0; step < 3; ++step) {
        b.wire.Command16(Cmd16::RowErase);
        b.wire.WaitMs(6);
        for (int i = 0; i < 0x100E; ++i) {
            b.wire.Command16(Cmd16::Increment);
        }
        b.chip.SetCodeProtected(step == 1);
    }
    b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
    b.wire.Command16(Cmd16::RowErase);
    b.wire.WaitMs(6);
    b.wire.Exit();
    for (uint32_t i : {0x00u, 0x0Fu, 0x10u, 0x1Fu}) {
        EXPECT_EQ(b.chip.Peek(Space::Program, i), 0x3FFFu) << i;
    }
    EXPECT_EQ(b.chip.Peek(Space::Program, 0x20), 0u);
    EXPECT_EQ(b.chip.Peek(Space::Program, 0x1010), 0u);
    EXPECT_EQ(b.chip.Peek(Space::Id, 0), 0u);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

// Factory values a fresh chip carries, and EraseEverything puts back; calibration words
// read their unimplemented bits as their registers say.
TEST(FlashErase, FreshChipsCarryFactoryCalibration) {
    auto f675 = MakeTarget(F675());
    f675->Poke(Space::Program, 0x3FF, 0x3FFF);
    f675->Poke(Space::Config, 0, 0x3FFF);
    f675->EraseEverything();
    EXPECT_EQ(f675->Peek(Space::Program, 0x3FF) & 0x3C00, 0x3400u) << "OSCCAL is a RETLW";
    EXPECT_NE(f675->Peek(Space::Config, 0) & 0x3000, 0x3000u) << "band-gap bits programmed";
    EXPECT_EQ(f675->Size(Space::Calibration), 0u);

    Pic16Target f635(F635());
    Pic16Target f887(F887());
    EXPECT_EQ(f635.CalibrationAddress(1), 0x2009u);
    f635.Poke(Space::Calibration, 1, 0x3FFF);
    EXPECT_EQ(f635.Peek(Space::Calibration, 1), 0x003Fu) << "CALIB2's other bits read 0";
    EXPECT_EQ(f887.CalibrationAddress(0), 0x2009u);
    f887.Poke(Space::Calibration, 0, 0);
    EXPECT_EQ(f887.Peek(Space::Calibration, 0), 0x2000u) << "bit 13 reads 1";
    EXPECT_EQ(MakeTarget(F877())->Size(Space::Calibration), 0u);
}

} // namespace
