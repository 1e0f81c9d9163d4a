#pragma once
#include <cstdint>

// Command codes of the family 16 layer (mid-range PIC16 serial programming). Codes below
// 64 are the 6-bit commands sent on the line; 64 to 66 run the programming-mode line
// sequences and never reach the line.
namespace Cmd16 {
inline constexpr int32_t LoadConfiguration = 0; // data out
inline constexpr int32_t BulkEraseSetup1 = 1;
inline constexpr int32_t LoadDataProgram = 2; // data out
inline constexpr int32_t LoadDataData = 3;    // data out
inline constexpr int32_t ReadDataProgram = 4; // data in
inline constexpr int32_t ReadDataData = 5;    // data in
inline constexpr int32_t IncrementAddress = 6;
inline constexpr int32_t BulkEraseSetup2 = 7;
inline constexpr int32_t BeginEraseProgram = 8;
inline constexpr int32_t BulkEraseProgram = 9;
inline constexpr int32_t EndProgramming3 = 10; // command 001010 (DS41191D, DS41204G, DS41287C)
inline constexpr int32_t BulkEraseData = 11;
inline constexpr int32_t EndProgramming = 14;  // command 001110
inline constexpr int32_t EndProgramming2 = 23; // command 010111
inline constexpr int32_t BeginProgramOnly = 24;
inline constexpr int32_t ChipErase = 31;
inline constexpr int32_t PowerCycle = 64;
inline constexpr int32_t EnterProgMode = 65;
inline constexpr int32_t ExitProgMode = 66;
} // namespace Cmd16

// Command codes of the family 18 layer (PIC18 serial programming): a 4-bit command and a
// 16-bit operand. 50 and 51 are core instructions (NOP) with the erase and programming
// holds; 64 to 66 run the programming-mode line sequences.
namespace Cmd18 {
inline constexpr int32_t CoreInstruction = 0;
inline constexpr int32_t ShiftOutTablat = 2;
inline constexpr int32_t TableRead = 8;
inline constexpr int32_t TableReadPostInc = 9;
inline constexpr int32_t TableWrite = 12;
inline constexpr int32_t TableWritePostInc2 = 13;
inline constexpr int32_t TableWriteStartProg = 15;
inline constexpr int32_t NopEraseHold = 50;
inline constexpr int32_t NopProgramHold = 51;
inline constexpr int32_t PowerCycle = 64;
inline constexpr int32_t EnterProgMode = 65;
inline constexpr int32_t ExitProgMode = 66;
} // namespace Cmd18

// PIC18 instruction words fed to the core with Cmd18::CoreInstruction.
namespace Pic18 {
inline constexpr uint16_t Nop = 0x0000;
inline constexpr uint16_t MovlwBase = 0x0E00; // MOVLW k is MovlwBase + k
inline constexpr uint16_t MovwfTblptrl = 0x6EF6;
inline constexpr uint16_t MovwfTblptrh = 0x6EF7;
inline constexpr uint16_t MovwfTblptru = 0x6EF8;
inline constexpr uint16_t BsfEecon1Eepgd = 0x8EA6; // table writes reach flash, not EEPROM
inline constexpr uint16_t BsfEecon1Cfgs = 0x8CA6;  // table writes reach configuration space
inline constexpr uint16_t BcfEecon1Cfgs = 0x9CA6;  // ... or back to program memory
inline constexpr uint16_t BsfEecon1Wren = 0x84A6;  // enables writes (DS39576B Table 3-4)
inline constexpr uint16_t BcfEecon1Wren = 0x94A6;
// Data EEPROM access (DS39576B Tables 3-6 and 3-8, DS39622K Tables 3-7 and 3-9): EEPGD and
// CFGS clear select the data EEPROM, EEADR/EEADRH hold the address, EEDATA the byte,
// EECON1 RD and WR start a read or a write; W goes out through TABLAT.
inline constexpr uint16_t BcfEecon1Eepgd = 0x9EA6;
inline constexpr uint16_t MovwfEeadr = 0x6EA9;
inline constexpr uint16_t MovwfEeadrh = 0x6EAA;
inline constexpr uint16_t MovwfEedata = 0x6EA8;
inline constexpr uint16_t MovwfEecon2 = 0x6EA7;
inline constexpr uint16_t MovwfTablat = 0x6EF5;
inline constexpr uint16_t MovfEecon1W = 0x50A6;
inline constexpr uint16_t MovfEedataW = 0x50A8;
inline constexpr uint16_t BsfEecon1Rd = 0x80A6;
inline constexpr uint16_t BsfEecon1Wr = 0x82A6;
inline constexpr uint16_t Goto100000Low = 0xEF00;  // GOTO 100000h, first word
inline constexpr uint16_t Goto100000High = 0xF800; // GOTO 100000h, second word

constexpr uint16_t Movlw(uint32_t k) {
    return static_cast<uint16_t>(MovlwBase + (k & 0xFF));
}

// Registers reached through the table pointer.
inline constexpr uint32_t EraseControlLow = 0x3C0004;  // bulk-erase control, low byte
inline constexpr uint32_t EraseControlHigh = 0x3C0005; // bulk-erase control, high byte
inline constexpr uint32_t PanelWriteMode = 0x3C0006;   // 00h: single-panel writes
// DS39576B Table 3-4: 40h in the panel register programs every panel's buffer with one
// pulse; 00h sends each block to one panel.
inline constexpr uint32_t MultiPanelWrites = 0x0040;
inline constexpr uint32_t SinglePanelWrites = 0x0000;
inline constexpr uint32_t ConfigStart = 0x300000; // first configuration byte

// Table-write operand that holds the same byte in both halves: the target takes the half
// that matches the address's parity.
constexpr uint16_t BothHalves(uint8_t byte) {
    return static_cast<uint16_t>(byte << 8 | byte);
}
} // namespace Pic18
