#include "operations/OperationEngine.h"
#include "programmer/Pic16Part.h"

// The erase sequences of each part, from its programming document. Each area starts
// with its own entry into programming mode (which restarts the address counter at 0) and
// sends only the commands the part's document defines: the 62XA's bulk erase runs by
// itself and is cut short by a begin command, the 87X has no bulk-erase commands, the 7X
// and the row parts no Setup1/Setup2. The waits are those of programmer/Pic16Part.h.

namespace {
constexpr int32_t kErasedWord = 0x3FFF;
// DS39607B 3.4.2.6: after entry a Load Data of 01h precedes the first Begin Erase.
constexpr int32_t kBeforeBeginErase8788 = 0x0001;
// Not a chip time: the ID and configuration areas get 100 ms to settle, as they always had.
constexpr uint32_t kIdConfigSettleMs = 100;
// Family 18: each erase step holds its own P11 (Icsp18); the program-memory and EEPROM
// areas keep the 11 ms they always had after them.
constexpr uint32_t kErase18SettleMs = 11;
constexpr int kIdWords = 4;
constexpr int kStepsToConfigWord = 7;

// Program-memory erase steps (3C0005h, 3C0004h) of each family 18 kind.
struct EraseCode {
    int high;
    int low;
};
// DS39622K Table 3-2: the boot block, then code blocks 0-3, each byte in both halves.
constexpr EraseCode kProgram2xx0[] = {
    {0x00, 0x81}, {0x01, 0x80}, {0x02, 0x80}, {0x04, 0x80}, {0x08, 0x80}};
constexpr int kNone = -1; // no control byte at 3C0005h
// DS39576B Table 3-2: the boot block, then panels 1-4; one byte at 3C0004h.
constexpr EraseCode kProgramXx2xx8[] = {
    {kNone, 0x83}, {kNone, 0x88}, {kNone, 0x89}, {kNone, 0x8A}, {kNone, 0x8B}};
// DS39622K: configuration bits. DS39576B defines no configuration erase: those parts'
// configuration bytes are replaced by each write, so nothing is sent for them.
constexpr EraseCode kConfig2xx0 = {0x00, 0x82};
// Whole chip: DS39622K rev K lists 3F8Fh only (earlier revisions 0F87h); DS39576B 80h.
constexpr EraseCode kChip2xx0 = {0x3F, 0x8F};
constexpr EraseCode kChipXx2xx8 = {kNone, 0x80};
// A whole-chip erase keeps the 40 ms it always had after it (P11 is 5 ms).
constexpr uint32_t kWholeChipErase18Ms = 40;
} // namespace

// DS39622K repeats the byte in both halves of the operand; DS39576B writes it in the low
// half (3C0004h is even) with 00h above it.
void OperationEngine::EraseStep18(int high, int low) {
    const bool bothHalves = Kind("18f2xx0");
    auto operand = [bothHalves](int byte) {
        const auto b = static_cast<uint8_t>(byte);
        return bothHalves ? Pic18::BothHalves(b) : uint32_t{b};
    };
    if (high != kNoHighByte) {
        p_.LoadTablePointer(Pic18::EraseControlHigh);
        Cmd18(Cmd18::TableWrite, operand(high));
    }
    p_.LoadTablePointer(Pic18::EraseControlLow);
    Cmd18(Cmd18::TableWrite, operand(low));
    Cmd18(Cmd18::CoreInstruction, Pic18::Nop);
    Cmd18(Cmd18::NopEraseHold, 0);
}

// The whole-chip erase of either family 18 kind, with the wait it always had after it.
void OperationEngine::ChipErase18() {
    const EraseCode& chip = Kind("18f2xx0") ? kChip2xx0 : kChipXx2xx8;
    EraseStep18(chip.high, chip.low);
    SleepMs(kWholeChipErase18Ms);
}

// Load Configuration moves the address counter to 2000h with the loaded word in the
// latches; steps increments follow (6 to the device ID, 7 to the configuration word).
void OperationEngine::ConfigurationStep16(int32_t loaded, int steps) {
    Cmd16(Cmd16::LoadConfiguration, loaded);
    for (int i = 0; i < steps; ++i) {
        Cmd16(Cmd16::IncrementAddress);
    }
}

// One memory's bulk erase. withIds: run it with the address in configuration memory,
// which takes the IDs with program memory (DS30262E, DS30034D, DS41196G Table 3-1,
// DS39589B, DS39607B).
void OperationEngine::BulkErase16(bool programMemory, bool withIds) {
    const Pic16Part part = Pic16PartOf(device_);
    const Pic16Waits waits = WaitsOf(part);
    const int32_t load = programMemory ? Cmd16::LoadDataProgram : Cmd16::LoadDataData;
    const int32_t bulk = programMemory ? Cmd16::BulkEraseProgram : Cmd16::BulkEraseData;
    const uint32_t waitMs = programMemory ? waits.programEraseMs : waits.dataEraseMs;
    p_.EnterProgMode();
    const bool idsDocumented = part != Pic16Part::F87X && part != Pic16Part::F7X;
    if (withIds && programMemory && idsDocumented) {
        Cmd16(Cmd16::LoadConfiguration, kErasedWord);
    }
    switch (part) {
    case Pic16Part::F87X:
        // DS39025F 2.5.1: Setup1, Setup2 and a begin command erase the memory of the load.
        Cmd16(load, kErasedWord);
        SetupErase16(waitMs);
        break;
    case Pic16Part::F7X:
        // DS30324B: Chip Erase 001001, self-timed; it also clears the configuration memory.
        Cmd16(Cmd16::BulkEraseProgram);
        SleepMs(waitMs);
        break;
    case Pic16Part::F62XA:
        // DS41196G: self-timed from the bulk erase command; no begin command.
        if (programMemory) {
            Cmd16(load, kErasedWord);
        }
        Cmd16(bulk);
        SleepMs(waitMs);
        break;
    case Pic16Part::F87XA:
        // DS39589B: the bulk erase command runs on the 001000 that follows it.
        Cmd16(bulk);
        Cmd16(Cmd16::BeginEraseProgram);
        SleepMs(waitMs);
        break;
    case Pic16Part::F8788:
        // DS39607B: Begin Erase after the bulk erase command, ended by End Programming.
        Cmd16(load, kBeforeBeginErase8788);
        Cmd16(bulk);
        Cmd16(Cmd16::BeginEraseProgram);
        SleepMs(waitMs);
        Cmd16(Cmd16::EndProgramming2);
        break;
    default:
        // DS30262E, DS30034D: load, bulk erase, a begin command that runs it.
        Cmd16(load, kErasedWord);
        Cmd16(bulk);
        Cmd16(Cmd16::BeginEraseProgram);
        SleepMs(waitMs);
        break;
    }
}

void OperationEngine::EraseIds16() {
    const Pic16Part part = Pic16PartOf(device_);
    p_.EnterProgMode();
    Cmd16(Cmd16::LoadConfiguration, 0);
    if (part == Pic16Part::F87XA) {
        // The four ID words are one row: load all four, program them together. The
        // address is then 2004h, inside the row 2000h-2007h; the configuration word is
        // written only with the address exactly at 2007h (DS39589B 2.4.2.7-8).
        for (int i = 0; i < kIdWords; ++i) {
            Cmd16(Cmd16::LoadDataProgram, kErasedWord);
            Cmd16(Cmd16::IncrementAddress);
        }
        Cmd16(Cmd16::BeginEraseProgram);
        SleepMs(WaitsOf(part).idEraseMs);
    } else if (part == Pic16Part::F8788) {
        // DS39607B: Begin Erase with the address on the IDs, ended by End Programming.
        Cmd16(Cmd16::LoadDataProgram, kBeforeBeginErase8788);
        Cmd16(Cmd16::BeginEraseProgram);
        SleepMs(WaitsOf(part).idEraseMs);
        Cmd16(Cmd16::EndProgramming2);
    } else {
        // Parts whose 001000 erases before it programs write the erased value. The 62XA
        // and 7X only program: their IDs go with a program-memory erase.
        for (int i = 0; i < kIdWords; ++i) {
            p_.ProgramLocation(i, kErasedWord, image_.ProgUsed);
            Cmd16(Cmd16::IncrementAddress);
        }
    }
}

// The Setup1/Setup2 erase of the older parts (DS30262E, DS30034D, DS39025F): Setup1,
// Setup2 and a begin command start it; after the wait Setup1 and Setup2 end it.
void OperationEngine::SetupErase16(uint32_t waitMs) {
    Cmd16(Cmd16::BulkEraseSetup1);
    Cmd16(Cmd16::BulkEraseSetup2);
    Cmd16(Cmd16::BeginEraseProgram);
    SleepMs(waitMs);
    Cmd16(Cmd16::BulkEraseSetup1);
    Cmd16(Cmd16::BulkEraseSetup2);
}

bool OperationEngine::EraseAreas(bool program, bool eeprom, bool ident, bool config) {
    if (Kind("OTP")) {
        host_.Msg().ShowInfo("Esta función solo funciona con dispositivos FLASH");
        return false;
    }
    const bool family16 = device_.Family == 16;
    if (!family16 && program && eeprom && ident && config) {
        // Family 18 ID locations have no erase of their own (DS39576B and DS39622K Table
        // 3-2): only the chip erase clears them. With every memory in scope nothing the
        // user keeps is lost, so one chip erase prepares them all.
        p_.EnterProgMode();
        ChipErase18();
        p_.ExitProgMode();
        return true;
    }
    const bool hasEeprom = device_.EEProm > 0 && Pic16PartOf(device_) != Pic16Part::F7X;
    if (program) {
        if (family16) {
            BulkErase16(true, ident);
        } else if (Kind("18f2xx0") || Kind("18fxx2xx8")) {
            p_.EnterProgMode();
            for (const EraseCode& c : Kind("18f2xx0") ? kProgram2xx0 : kProgramXx2xx8) {
                EraseStep18(c.high, c.low);
            }
            SleepMs(kErase18SettleMs);
        }
    }
    if (eeprom) {
        if (family16 && hasEeprom) {
            BulkErase16(false, false);
        } else if (!family16) {
            SleepMs(kErase18SettleMs); // family 18 sends nothing for this area
        }
    }
    if (ident) {
        if (family16) {
            EraseIds16();
        }
        SleepMs(kIdConfigSettleMs);
    }
    if (config) {
        if (family16) {
            p_.EnterProgMode();
            ConfigurationStep16(0, kStepsToConfigWord);
            for (int32_t w = 0; w < device_.ConfigWords; ++w) {
                if (w > 0) {
                    Cmd16(Cmd16::IncrementAddress); // the second word, 2008h
                }
                p_.ProgramConfigWord(kErasedWord);
            }
        } else if (Kind("18f2xx0")) {
            p_.EnterProgMode();
            EraseStep18(kConfig2xx0.high, kConfig2xx0.low);
        }
        SleepMs(kIdConfigSettleMs);
    }
    p_.ExitProgMode();
    return true;
}

// The whole chip, protection included, by each part's document.
void OperationEngine::Unprotect() {
    const Pic16Part part = Pic16PartOf(device_);
    const uint32_t waitMs = WaitsOf(part).unprotectMs;
    p_.EnterProgMode();
    if (Kind("18f2xx0") || Kind("18fxx2xx8")) {
        ChipErase18();
    } else if (part == Pic16Part::F7X) {
        Cmd16(Cmd16::BulkEraseProgram); // Chip Erase, DS30324B
        SleepMs(waitMs);
    } else if (part == Pic16Part::F87XA || part == Pic16Part::F8788) {
        // Chip Erase takes the IDs too only with the address in configuration memory
        // (DS39589B 2.5.1.3, DS39607B 3.5.1.3).
        Cmd16(Cmd16::LoadConfiguration, kErasedWord);
        Cmd16(Cmd16::ChipErase);
        SleepMs(waitMs);
    } else if (part == Pic16Part::F62XA) {
        // DS41196G Table 3-1: a program-memory bulk erase with the address in
        // configuration memory clears program memory, the configuration word (protection
        // included) and the IDs; data memory has its own.
        Cmd16(Cmd16::LoadConfiguration, kErasedWord);
        Cmd16(Cmd16::LoadDataProgram, kErasedWord);
        Cmd16(Cmd16::BulkEraseProgram);
        SleepMs(waitMs);
        Cmd16(Cmd16::BulkEraseData);
        SleepMs(waitMs);
    } else {
        // Code-protect disable with the address on the configuration word (DS30262E 4.1,
        // DS30034D 3.3, DS39025F 2.5.2). The 62X loads 0000 with Load Configuration, the
        // F84A ones in bits 4-13, the 87X 3FFF.
        ConfigurationStep16(part == Pic16Part::F62X ? 0 : kErasedWord, kStepsToConfigWord);
        SetupErase16(waitMs);
    }
    p_.ExitProgMode();
}
