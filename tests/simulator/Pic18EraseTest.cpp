#include "Chips.h"

#include <gtest/gtest.h>

using namespace Sim;

namespace {

using Pic18Bench = Bench<Pic18Target>;

constexpr int32_t P11Us = 5000;
constexpr int32_t P10Us = 100;

void Fill(Pic18Target& chip) {
    for (Space s : {Space::Program, Space::Eeprom, Space::Id, Space::Config}) {
        for (uint32_t i = 0; i < chip.Size(s); ++i) {
            chip.Poke(s, i, 0x00);
        }
    }
}

void WriteControl(Pic18Bench& b, uint32_t address, uint8_t value) {
    b.wire.SetTablePointer(address);
    b.wire.Command18(Cmd18::TableWrite, static_cast<uint16_t>(value << 8 | value));
}

// Erase code in place; a NOP; then a NOP whose fourth clock starts the erase.
void BulkErase(Pic18Bench& b, uint16_t code, int32_t holdUs = P11Us + P10Us) {
    if (b.chip.Profile().variant == Pic18Variant::F2xx0) {
        WriteControl(b, Pic18Target::EraseControlHigh, static_cast<uint8_t>(code >> 8));
    }
    WriteControl(b, Pic18Target::EraseControlLow, static_cast<uint8_t>(code));
    b.wire.Core(0x0000);
    b.wire.ErasingNop(holdUs);
}

struct Expected {
    uint32_t erasedFrom;
    uint32_t erasedTo;
    bool eeprom;
    bool ids;
    bool config;
};

void CheckErased(const Pic18Target& chip, const Expected& e, const char* what) {
    for (uint32_t i = 0; i < chip.Size(Space::Program); i += 0x100) {
        const bool in = i >= e.erasedFrom && i < e.erasedTo;
        ASSERT_EQ(chip.Peek(Space::Program, i), in ? 0xFFu : 0x00u) << what << " at " << i;
    }
    EXPECT_EQ(chip.Peek(Space::Eeprom, 0), e.eeprom ? 0xFFu : 0u) << what;
    EXPECT_EQ(chip.Peek(Space::Id, 0), e.ids ? 0xFFu : 0u) << what;
    // CONFIG7H implements bit 6 only on these parts; the others read as 0.
    EXPECT_EQ(chip.Peek(Space::Config, 13), e.config ? 0x40u : 0u) << what;
}

TEST(Pic18Erase, Ds39576Codes) {
    const struct {
        uint16_t code;
        Expected e;
    } cases[] = {
        {0x80, {0, 32768, true, true, true}},        {0x81, {0, 0, true, false, false}},
        {0x83, {0, 512, false, false, false}},       {0x88, {512, 8192, false, false, false}},
        {0x8B, {24576, 32768, false, false, false}},
    };
    for (const auto& c : cases) {
        Pic18Bench b(F452());
        Fill(b.chip);
        b.wire.Enter();
        BulkErase(b, c.code);
        b.wire.Exit();
        CheckErased(b.chip, c.e, std::to_string(c.code).c_str());
        EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
    }
}

TEST(Pic18Erase, Ds39622Codes) {
    const struct {
        uint16_t code;
        Expected e;
    } cases[] = {
        {0x3F8F, {0, 32768, true, true, true}},      {0x0084, {0, 0, true, false, false}},
        {0x0081, {0, 2048, false, false, false}},    {0x0082, {0, 0, false, false, true}},
        {0x0180, {2048, 8192, false, false, false}}, {0x0480, {16384, 24576, false, false, false}},
    };
    for (const auto& c : cases) {
        Pic18Bench b(F2520());
        Fill(b.chip);
        b.wire.Enter();
        BulkErase(b, c.code);
        b.wire.Exit();
        CheckErased(b.chip, c.e, std::to_string(c.code).c_str());
        EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
    }
}

// Codes for blocks a smaller part lacks are defined but find nothing to erase.
TEST(Pic18Erase, BlocksPastTheEndOfASmallPartEraseNothing) {
    Pic18Bench b(Device("PIC18F242", 18, 16384, 256, "18fxx2xx8"));
    Fill(b.chip);
    b.wire.Enter();
    BulkErase(b, 0x8B);
    b.wire.Exit();
    CheckErased(b.chip, {0, 0, false, false, false}, "panel 4 of 16 KiB");
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
}

// 87h is a DS39622 low byte, not a DS39576 code; 82h (configuration) is DS39622's only;
// 0F87h was the chip erase of earlier DS39622 revisions, rev K lists 3F8Fh alone.
TEST(Pic18Erase, UndefinedCodeErasesNothingAndIsRecorded) {
    for (const auto& [device, code] :
         {std::pair{F452(), 0x87}, std::pair{F452(), 0x82}, std::pair{F2520(), 0x0F87}}) {
        Pic18Bench b(device);
        Fill(b.chip);
        b.wire.Enter();
        BulkErase(b, static_cast<uint16_t>(code));
        b.wire.Exit();
        CheckErased(b.chip, {0, 0, false, false, false}, std::to_string(code).c_str());
        ASSERT_EQ(b.chip.UnknownEraseCodes().size(), 1u);
        EXPECT_EQ(b.chip.UnknownEraseCodes()[0], code);
    }
}

TEST(Pic18Erase, HoldShorterThanP11ErasesOnlyPart) {
    Pic18Bench b(F452());
    Fill(b.chip);
    b.wire.Enter();
    BulkErase(b, 0x80, 2500);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 0), 0xFFu);
    EXPECT_EQ(b.chip.Peek(Space::Program, 32767), 0x00u);
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::EraseTime), 1);
}

TEST(Pic18Erase, ChipEraseLiftsProtection) {
    Pic18Bench b(F452());
    b.chip.SetCodeProtected(true);
    b.wire.Enter();
    BulkErase(b, 0x80);
    b.wire.Exit();
    EXPECT_FALSE(b.chip.CodeProtected());
}

// Only the write to 3C0004h starts an erase: the pointer load after a 3C0005h write is
// harmless, but two commands of any kind after 3C0004h begin the erase.
TEST(Pic18Erase, OnlyTheLowControlWriteStartsTheErase) {
    Pic18Bench b(F2520());
    Fill(b.chip);
    b.wire.Enter();
    WriteControl(b, Pic18Target::EraseControlHigh, 0x3F);
    b.wire.SetTablePointer(0);
    EXPECT_EQ(b.chip.TimingViolations().Total(), 0) << b.chip.TimingViolations().Summary();
    WriteControl(b, Pic18Target::EraseControlLow, 0x8F);
    b.wire.SetTablePointer(0);
    b.wire.Exit();
    EXPECT_EQ(b.chip.Peek(Space::Program, 32767), 0x00u) << "erase cut short at once";
    EXPECT_EQ(b.chip.TimingViolations().Count(Rule::EraseTime), 1);
}

} // namespace
