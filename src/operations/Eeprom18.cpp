#include "operations/OperationEngine.h"

namespace {
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
    Cmd18(Cmd18::CoreInstruction, Pic18::BcfEecon1Eepgd);
    Cmd18(Cmd18::CoreInstruction, Pic18::BcfEecon1Cfgs);
    Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(address) & 0xFF));
    Cmd18(Cmd18::CoreInstruction, Pic18::MovwfEeadr);
    Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(address) >> 8));
    Cmd18(Cmd18::CoreInstruction, Pic18::MovwfEeadrh);
}

// W goes out through TABLAT: the DS39622K parts want a NOP before the shift-out.
int32_t OperationEngine::ShiftOutW18() {
    Cmd18(Cmd18::CoreInstruction, Pic18::MovwfTablat);
    if (Kind("18f2xx0")) {
        Cmd18(Cmd18::CoreInstruction, Pic18::Nop);
    }
    return Cmd18(Cmd18::ShiftOutTablat);
}

int32_t OperationEngine::ReadEeprom18(int32_t address) {
    PointEeprom18(address);
    Cmd18(Cmd18::CoreInstruction, Pic18::BsfEecon1Rd);
    Cmd18(Cmd18::CoreInstruction, Pic18::MovfEedataW);
    return ShiftOutW18();
}

void OperationEngine::WriteEeprom18(int32_t address, int32_t value) {
    PointEeprom18(address);
    Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(value)));
    Cmd18(Cmd18::CoreInstruction, Pic18::MovwfEedata);
    Cmd18(Cmd18::CoreInstruction, Pic18::BsfEecon1Wren);
    if (Kind("18fxx2xx8")) {
        Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(UnlockFirst));
        Cmd18(Cmd18::CoreInstruction, Pic18::MovwfEecon2);
        Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(UnlockSecond));
        Cmd18(Cmd18::CoreInstruction, Pic18::MovwfEecon2);
    }
    Cmd18(Cmd18::CoreInstruction, Pic18::BsfEecon1Wr);
    const int64_t deadline = p_.GetDelay().Now() + WritePollLimitNs;
    do {
        Cmd18(Cmd18::CoreInstruction, Pic18::MovfEecon1W);
    } while ((ShiftOutW18() & WrBit) != 0 && p_.GetDelay().Now() < deadline);
    p_.GetDelay().WaitMicros(AfterWriteUs);
    Cmd18(Cmd18::CoreInstruction, Pic18::BcfEecon1Wren);
}
