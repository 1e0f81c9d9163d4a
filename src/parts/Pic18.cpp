#include "parts/Pic18.h"

#include "programmer/IcspCodes.h"
#include "programmer/Programmer.h"

#include <algorithm>

namespace {
constexpr uint32_t kDeviceIdAddress = 0x3FFFFE; // DEVID1, then DEVID2 at 3FFFFFh
// The value of an erased byte: writing it leaves the location as it is.
constexpr uint32_t kErasedByte = 0xFF;
constexpr uint32_t kHighByteWeight = 256;
constexpr int kConfigBytes = 14;
// Not chip times: the program-memory and EEPROM areas keep the 11 ms they always had
// after them (each erase step holds its own P11), a whole-chip erase the 40 ms.
constexpr uint32_t kEraseSettleMs = 11;
constexpr uint32_t kWholeChipEraseMs = 40;

// Data EEPROM writes: WR is polled until it clears; a write still busy after this long
// is left to the read-back to report (the parts' data sheets give at most 10 ms a byte).
constexpr uint32_t kUnlockFirst = 0x55;
constexpr uint32_t kUnlockSecond = 0xAA;
constexpr int32_t kWrBit = 0x02;
constexpr int64_t kWritePollLimitNs = 20'000'000;
// P10: PGC low after the write, before the next command (100 us on DS39622K parts,
// 5 us on DS39576B parts).
constexpr uint32_t kAfterWriteUs = 100;
} // namespace

int32_t Pic18Part::ReadDeviceId(Programmer& p) {
    p.EnterProgMode();
    p.LoadTablePointer(kDeviceIdAddress);
    const int32_t low = p.IcspCommand18(Cmd18::TableReadPostInc);
    const int32_t high = p.IcspCommand18(Cmd18::TableReadPostInc);
    p.ExitProgMode();
    return high << 8 | low;
}

// Bytes travel in pairs, the even address in the low half of the operand. A byte at an
// odd address is paired with the slot before it; a last byte at an even address (an odd
// number of bytes in use) goes out alone, with the erased value in the high half, so that
// nothing outside the buffer is ever read. A new block starts with table writes to
// program memory (EEPGD set, CFGS clear) and the table pointer at the block.
void Pic18Part::ProgramLocation(Programmer& p, int32_t address, int32_t value, int32_t progUsed) {
    const int32_t size = device_.WBufSize;
    if (size <= 0 || address < 0) {
        return;
    }
    if (wbuf_.size() != static_cast<size_t>(size)) {
        wbuf_.resize(static_cast<size_t>(size), 0);
    }
    const int32_t slot = address % size;
    wbuf_[static_cast<size_t>(slot)] = value;
    if (slot == 0) {
        BeforeBlock(p);
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Eepgd);
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BcfEecon1Cfgs);
        p.LoadTablePointer(static_cast<uint32_t>(address));
    }
    const bool lastOfBlock = slot == size - 1 || address == progUsed - 1;
    const bool odd = address % 2 != 0;
    if (!lastOfBlock && !odd) {
        return; // waits in the buffer for its odd partner
    }
    uint32_t low = static_cast<uint32_t>(value);
    uint32_t high = kErasedByte;
    if (odd) {
        high = static_cast<uint32_t>(value);
        low = slot > 0 ? static_cast<uint32_t>(wbuf_[static_cast<size_t>(slot - 1)]) : kErasedByte;
    }
    const uint32_t operand = low + high * kHighByteWeight;
    if (lastOfBlock) {
        p.IcspCommand18(Cmd18::TableWriteStartProg, operand);
        p.IcspCommand18(Cmd18::NopProgramHold, Pic18::Nop);
    } else {
        p.IcspCommand18(Cmd18::TableWritePostInc2, operand);
    }
}

// One buffer per panel: each loaded from its first byte, pairs post-incrementing, the last
// pair a plain write (1100) but for the last panel's, which starts programming (1111) with
// the table pointer still in the buffer.
void Pic18Part::ProgramCycle(Programmer& p, const WriteCycle& cycle,
                             const std::vector<int32_t>& values) {
    const std::vector<int32_t>& a = cycle.addresses;
    if (a.empty()) {
        return;
    }
    const auto valueAt = [&values](int32_t address) {
        return address >= 0 && static_cast<size_t>(address) < values.size()
                   ? static_cast<uint32_t>(values[static_cast<size_t>(address)])
                   : kErasedByte;
    };
    BeforeUnit(p, cycle);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Eepgd);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BcfEecon1Cfgs);
    const size_t unit = cycle.multiPanel ? static_cast<size_t>(device_.WriteUnit) : a.size();
    for (size_t start = 0; start < a.size(); start += unit) {
        const size_t end = std::min(start + unit, a.size());
        p.LoadTablePointer(static_cast<uint32_t>(a[start]));
        for (size_t i = start; i < end; i += 2) {
            const uint32_t low = valueAt(a[i]);
            const uint32_t high = i + 1 < end ? valueAt(a[i + 1]) : kErasedByte;
            const uint32_t operand = low + high * kHighByteWeight;
            if (i + 2 < end) {
                p.IcspCommand18(Cmd18::TableWritePostInc2, operand);
            } else if (end < a.size()) {
                p.IcspCommand18(Cmd18::TableWrite, operand);
            } else {
                p.IcspCommand18(Cmd18::TableWriteStartProg, operand);
            }
        }
    }
    p.ProgramPulse18(device_.WriteTimeUs);
}

// Each byte's own start-programming write and programming NOP. The whole word goes to
// both addresses of its pair; the device takes the byte of the lane that matches the
// address's parity.
void Pic18Part::WriteConfiguration(Programmer& p, const std::vector<int64_t>& words) {
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Eepgd);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Cfgs);
    BeforeConfigurationWrites(p);
    p.PointTableAtConfig18();
    for (int j = 0; j < kConfigBytes; ++j) {
        if (j > 0) {
            p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(j)));
            p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfTblptrl);
        }
        const size_t word = static_cast<size_t>(j / 2);
        const int64_t w = word < words.size() ? words[word] : 0xFFFF;
        p.IcspCommand18(Cmd18::TableWriteStartProg, static_cast<uint32_t>(w));
        p.IcspCommand18(Cmd18::NopProgramHold, 0);
    }
}

void Pic18Part::EraseStep(Programmer& p, const EraseCode& code) {
    const bool bothHalves = EraseBytesInBothHalves();
    auto operand = [bothHalves](int byte) {
        const auto b = static_cast<uint8_t>(byte);
        return bothHalves ? Pic18::BothHalves(b) : uint32_t{b};
    };
    if (code.high != kNoHigh) {
        p.LoadTablePointer(Pic18::EraseControlHigh);
        p.IcspCommand18(Cmd18::TableWrite, operand(code.high));
    }
    p.LoadTablePointer(Pic18::EraseControlLow);
    p.IcspCommand18(Cmd18::TableWrite, operand(code.low));
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Nop);
    p.IcspCommand18(Cmd18::NopEraseHold, 0);
}

void Pic18Part::ChipErase(Programmer& p) {
    EraseStep(p, WholeChipCode());
    p.GetDelay().SleepMs(kWholeChipEraseMs);
}

void Pic18Part::EraseProgram(Programmer& p, bool, bool) {
    const std::vector<EraseCode> steps = ProgramEraseSteps();
    if (steps.empty()) {
        return;
    }
    p.EnterProgMode();
    for (const EraseCode& code : steps) {
        EraseStep(p, code);
    }
    p.GetDelay().SleepMs(kEraseSettleMs);
}

// The data EEPROM has no bulk erase here: each byte is written in place.
void Pic18Part::EraseData(Programmer& p) {
    p.GetDelay().SleepMs(kEraseSettleMs);
}

// The ID locations have no erase of their own (DS39576B and DS39622K Table 3-2): only the
// chip erase clears them.
void Pic18Part::EraseIds(Programmer&, int32_t) {}

// DS39576B defines no configuration erase: its configuration bytes are replaced by each
// write. DS39622K overrides this.
void Pic18Part::EraseConfig(Programmer&) {}

void Pic18Part::EraseWholeChip(Programmer& p) {
    ChipErase(p);
}

void Pic18Part::Unprotect(Programmer& p) {
    ChipErase(p);
}

// EEPGD and CFGS clear select the data EEPROM, EEADR/EEADRH hold the address (DS39576B
// Tables 3-6 and 3-8, DS39622K Tables 3-7 and 3-9).
void Pic18Part::PointEeprom(Programmer& p, int32_t address) {
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BcfEecon1Eepgd);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BcfEecon1Cfgs);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(address) & 0xFF));
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfEeadr);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(address) >> 8));
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfEeadrh);
}

// W goes out through TABLAT.
int32_t Pic18Part::ShiftOutW(Programmer& p) {
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfTablat);
    if (NopBeforeShiftOut()) {
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Nop);
    }
    return p.IcspCommand18(Cmd18::ShiftOutTablat);
}

int32_t Pic18Part::ReadDataByte(Programmer& p, int32_t address) {
    PointEeprom(p, address);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Rd);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovfEedataW);
    return ShiftOutW(p);
}

void Pic18Part::WriteDataByte(Programmer& p, int32_t address, int32_t value) {
    PointEeprom(p, address);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(static_cast<uint32_t>(value)));
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfEedata);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Wren);
    if (UnlocksEepromWrites()) {
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(kUnlockFirst));
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfEecon2);
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(kUnlockSecond));
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfEecon2);
    }
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Wr);
    const int64_t deadline = p.GetDelay().Now() + kWritePollLimitNs;
    do {
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::MovfEecon1W);
    } while ((ShiftOutW(p) & kWrBit) != 0 && p.GetDelay().Now() < deadline);
    p.GetDelay().WaitMicros(kAfterWriteUs);
    p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BcfEecon1Wren);
}
