#include "operations/OperationEngine.h"

namespace {
constexpr int32_t kErasedWord = 0x3FFF;
constexpr uint32_t kBulkEraseMs = 11;
constexpr uint32_t kIdConfigSettleMs = 100;
constexpr uint32_t kFlash2RowWriteMs = 10;
constexpr int kIdWords = 4;
constexpr int kStepsToConfigWord = 7;

// Program-memory erase steps (3C0005h, 3C0004h) of each family 18 kind.
struct EraseCode {
    int high;
    int low;
};
constexpr EraseCode kProgram2xx0[] = {
    {0x00, 0x81}, {0x01, 0x80}, {0x02, 0x80}, {0x04, 0x80}, {0x08, 0x80}};
constexpr int kNone = -1; // no control byte at 3C0005h
constexpr EraseCode kProgramXx2xx8[] = {
    {kNone, 0x83}, {kNone, 0x88}, {kNone, 0x89}, {kNone, 0x8A}, {kNone, 0x8B}};
constexpr EraseCode kConfig18 = {0x00, 0x82};
} // namespace

void OperationEngine::EraseStep18(int high, int low) {
    if (high != kNoHighByte) {
        p_.LoadTablePointer(Pic18::EraseControlHigh);
        Cmd18(Cmd18::TableWrite, Pic18::BothHalves(static_cast<uint8_t>(high)));
    }
    p_.LoadTablePointer(Pic18::EraseControlLow);
    Cmd18(Cmd18::TableWrite, Pic18::BothHalves(static_cast<uint8_t>(low)));
    Cmd18(Cmd18::CoreInstruction, Pic18::Nop);
    Cmd18(Cmd18::NopEraseHold, 0);
}

void OperationEngine::BulkErase16(int32_t setupLoad, int32_t bulkCommand) {
    // Both erase styles: parts with the setup commands and parts with a bulk-erase
    // command each ignore the half that is not theirs. The second half always loads
    // program data, as the bulk-erase parts expect.
    p_.EnterProgMode();
    Cmd16(setupLoad, kErasedWord);
    Cmd16(Cmd16::BulkEraseSetup1);
    Cmd16(Cmd16::BulkEraseSetup2);
    Cmd16(Cmd16::BeginEraseProgram);
    SleepMs(kBulkEraseMs);
    Cmd16(Cmd16::BulkEraseSetup1);
    Cmd16(Cmd16::BulkEraseSetup2);
    p_.ExitProgMode();
    p_.EnterProgMode();
    Cmd16(Cmd16::LoadDataProgram, kErasedWord);
    Cmd16(bulkCommand);
    Cmd16(Cmd16::BeginEraseProgram);
}

bool OperationEngine::EraseAreas(bool program, bool eeprom, bool ident, bool config) {
    if (Kind("OTP")) {
        host_.Msg().ShowInfo("Esta función solo funciona con dispositivos FLASH");
        return false;
    }
    const bool family16 = device_.Family == 16;
    if (program) {
        if (family16) {
            BulkErase16(Cmd16::LoadDataProgram, Cmd16::BulkEraseProgram);
        } else if (Kind("18f2xx0") || Kind("18fxx2xx8")) {
            p_.EnterProgMode();
            for (const EraseCode& c : Kind("18f2xx0") ? kProgram2xx0 : kProgramXx2xx8) {
                EraseStep18(c.high, c.low);
            }
        }
        SleepMs(kBulkEraseMs);
    }
    if (eeprom) {
        if (family16) {
            BulkErase16(Cmd16::LoadDataData, Cmd16::BulkEraseData);
        }
        SleepMs(kBulkEraseMs);
    }
    if (ident) {
        if (family16) {
            p_.EnterProgMode();
            Cmd16(Cmd16::LoadConfiguration, 0);
            if (Kind("Flash2")) {
                // The four ID words are one row: load all four, program them together.
                for (int i = 0; i < kIdWords; ++i) {
                    Cmd16(Cmd16::LoadDataProgram, kErasedWord);
                    Cmd16(Cmd16::IncrementAddress);
                }
                Cmd16(Cmd16::BeginEraseProgram);
                SleepMs(kFlash2RowWriteMs);
            } else {
                for (int i = 0; i < kIdWords; ++i) {
                    p_.ProgramLocation(i, kErasedWord, image_.ProgUsed);
                    Cmd16(Cmd16::IncrementAddress);
                }
            }
        }
        SleepMs(kIdConfigSettleMs);
    }
    if (config) {
        if (family16) {
            p_.EnterProgMode();
            Cmd16(Cmd16::LoadConfiguration, 0);
            for (int i = 0; i < kStepsToConfigWord; ++i) {
                Cmd16(Cmd16::IncrementAddress);
            }
            for (int32_t w = 0; w < device_.ConfigWords; ++w) {
                if (w > 0) {
                    Cmd16(Cmd16::IncrementAddress); // the second word, 2008h
                }
                WriteConfigWord16(kErasedWord);
            }
        } else {
            p_.EnterProgMode();
            EraseStep18(kConfig18.high, kConfig18.low);
        }
        SleepMs(kIdConfigSettleMs);
    }
    p_.ExitProgMode();
    return true;
}
