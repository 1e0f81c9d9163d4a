#include "operations/OperationEngine.h"

namespace {
// Data EEPROM access through core instructions (DS39576B Tables 3-6 and 3-8, DS39622K
// Tables 3-7 and 3-9): EEPGD and CFGS clear select the data EEPROM, EEADR/EEADRH hold
// the address, EEDATA the byte, EECON1 RD and WR start a read or a write.
constexpr uint16_t BcfEepgd = 0x9EA6;
constexpr uint16_t BcfCfgs = 0x9CA6;
constexpr uint16_t MovwfEeadr = 0x6EA9;
constexpr uint16_t MovwfEeadrh = 0x6EAA;
constexpr uint16_t MovwfEedata = 0x6EA8;
constexpr uint16_t MovwfEecon2 = 0x6EA7;
constexpr uint16_t MovwfTablat = 0x6EF5;
constexpr uint16_t MovfEecon1W = 0x50A6;
constexpr uint16_t MovfEedataW = 0x50A8;
constexpr uint16_t BsfRd = 0x80A6;
constexpr uint16_t BsfWr = 0x82A6;
constexpr uint16_t BsfWren = 0x84A6;
constexpr uint16_t BcfWren = 0x94A6;
constexpr uint16_t Nop = 0x0000;
// DS39576B only: the write starts after 55h and AAh went to EECON2.
constexpr uint32_t UnlockFirst = 0x55;
constexpr uint32_t UnlockSecond = 0xAA;
constexpr int32_t WrBit = 0x02;
// WR is polled until it clears; a write still busy after this long is left to the
// read-back to report (the parts' data sheets give at most 10 ms a byte).
constexpr int64_t WritePollLimitNs = 20'000'000;
// P10: PGC low after the write, before the next command (100 us on DS39622K parts,
// 5 us on DS39576B parts).
constexpr uint32_t AfterWriteUs = 100;
} // namespace

void OperationEngine::PointEeprom18(int32_t address) {
    Cmd18(Cmd18::CoreInstruction, BcfEepgd);
    Cmd18(Cmd18::CoreInstruction, BcfCfgs);
    Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(address) & 0xFF));
    Cmd18(Cmd18::CoreInstruction, MovwfEeadr);
    Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(address) >> 8));
    Cmd18(Cmd18::CoreInstruction, MovwfEeadrh);
}

// W goes out through TABLAT: the DS39622K parts want a NOP before the shift-out.
int32_t OperationEngine::ShiftOutW18() {
    Cmd18(Cmd18::CoreInstruction, MovwfTablat);
    if (Kind("18f2xx0")) {
        Cmd18(Cmd18::CoreInstruction, Nop);
    }
    return Cmd18(Cmd18::ShiftOutTablat);
}

int32_t OperationEngine::ReadEeprom18(int32_t address) {
    PointEeprom18(address);
    Cmd18(Cmd18::CoreInstruction, BsfRd);
    Cmd18(Cmd18::CoreInstruction, MovfEedataW);
    return ShiftOutW18();
}

void OperationEngine::WriteEeprom18(int32_t address, int32_t value) {
    PointEeprom18(address);
    Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(value)));
    Cmd18(Cmd18::CoreInstruction, MovwfEedata);
    Cmd18(Cmd18::CoreInstruction, BsfWren);
    if (Kind("18fxx2xx8")) {
        Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(UnlockFirst));
        Cmd18(Cmd18::CoreInstruction, MovwfEecon2);
        Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(UnlockSecond));
        Cmd18(Cmd18::CoreInstruction, MovwfEecon2);
    }
    Cmd18(Cmd18::CoreInstruction, BsfWr);
    const int64_t deadline = p_.GetDelay().Now() + WritePollLimitNs;
    do {
        Cmd18(Cmd18::CoreInstruction, MovfEecon1W);
    } while ((ShiftOutW18() & WrBit) != 0 && p_.GetDelay().Now() < deadline);
    p_.GetDelay().WaitMicros(AfterWriteUs);
    Cmd18(Cmd18::CoreInstruction, BcfWren);
}
