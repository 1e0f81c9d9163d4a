#include "programmer/IntPower.h"
#include "programmer/LineStates.h"
#include "programmer/Programmer.h"

namespace {
constexpr int CommandBits18 = 4;
constexpr int OperandBits18 = 16;
constexpr uint32_t CommandMask18 = 0x0F;
constexpr int32_t FirstLineCode = 0;
constexpr int32_t FirstReadCode = 1;
constexpr int32_t LastReadCode = 11;
constexpr int32_t FirstModeCode = 64;
constexpr int32_t LastModeCode = 66;
constexpr int32_t UndefinedNotSent = -2;
constexpr int ReadByteShift = 8; // the byte arrives in the last 8 of the 16 clocks

// The holds that follow the fourth command clock of the two timed NOPs.
// Erase: PGD low P11 (5 ms) and then P10 (DS39576B 5 us, DS39622K 100 us) before the
// operand: 6 ms covers both.
constexpr uint32_t EraseHoldMs = 6;
// Programming: the fourth clock high P9 (1 ms, both documents), then low P10 (100 us on
// DS39622K, 5 us on DS39576B) before the operand.
constexpr int32_t ProgramHoldMicros = 1010; // P9 and the 10 us margin always given
constexpr int32_t MicrosPerMs = 1000;
constexpr int32_t DischargeMicros = 110;

bool BitOf(uint32_t value, int i) {
    return ((value >> i) & 1U) != 0;
}
} // namespace

int32_t Programmer::IcspCommand18(int32_t code, uint32_t data) {
    if (code >= FirstModeCode && code <= LastModeCode) {
        return RunModeSequence18(code);
    }
    if (code < FirstLineCode || code >= FirstModeCode) {
        return UndefinedNotSent;
    }
    SendCommand18(code);
    if (code >= FirstReadCode && code <= LastReadCode) {
        return ReadByte18();
    }
    SendOperand18(data);
    delay_.WaitMicro(); // P5A (40 ns) from the operand to the next command, with room
    return 0;
}

void Programmer::SendCommand18(int32_t code) {
    SendTimedNop18(code, ProgramHoldMicros);
}

void Programmer::ProgramPulse18(int32_t holdMicros) {
    SendTimedNop18(Cmd18::NopProgramHold, holdMicros);
    SendOperand18(Pic18::Nop);
    delay_.WaitMicro();
}

// The timed NOPs (50 and up) go out as command 0000. For NopProgramHold the fourth clock
// stays high through the programming time: the target programs while it is high and
// stops on its falling edge.
void Programmer::SendTimedNop18(int32_t code, int32_t holdMicros) {
    const uint32_t bits = code < Cmd18::NopEraseHold ? code & CommandMask18 : 0;
    lines_.WriteLines(StateProg);
    for (int i = 0; i < CommandBits18; ++i) {
        const bool bit = BitOf(bits, i);
        if (code == Cmd18::NopProgramHold && i == CommandBits18 - 1) {
            lines_.WriteLines(StateProg | LineClock | (bit ? LineData : 0));
        } else {
            lines_.ClockOut(bit);
        }
    }
    if (code < Cmd18::NopEraseHold) {
        delay_.WaitMicro(); // P5 / P6 (20 ns) from the command to its operand, with room
    } else if (code == Cmd18::NopEraseHold) {
        delay_.SleepMs(EraseHoldMs);
    } else {
        delay_.SleepMs(static_cast<uint32_t>(holdMicros / MicrosPerMs));
        delay_.WaitMicros(holdMicros % MicrosPerMs);
        lines_.WriteLines(StateProg);
        delay_.WaitMicros(DischargeMicros);
    }
}

void Programmer::SendOperand18(uint32_t data) {
    for (int i = 0; i < OperandBits18; ++i) {
        lines_.ClockOut(BitOf(data, i));
    }
}

// Sixteen clocks with the line released: the target shifts its byte out in the last
// eight, least significant bit first, so only those samples end up in the result.
int32_t Programmer::ReadByte18() {
    const auto topBit = static_cast<uint32_t>(IntPower(2, OperandBits18 - 1));
    lines_.WriteLines(StateRead);
    delay_.WaitMicro(); // the line let go well before the target drives it (clock 9)
    uint32_t result = 0;
    for (int i = 0; i < OperandBits18; ++i) {
        result >>= 1;
        if (lines_.ClockIn()) {
            result += topBit;
        }
    }
    delay_.WaitMicro(); // P5A to the next command
    return static_cast<int32_t>(result >> ReadByteShift);
}

void Programmer::LoadTablePointer(uint32_t address) {
    IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(address >> 16));
    IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfTblptru);
    IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(address >> 8));
    IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfTblptrh);
    IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(address));
    IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfTblptrl);
}

void Programmer::PointTableAtConfig18() {
    IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(Pic18::ConfigStart >> 16));
    IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfTblptru);
    IcspCommand18(Cmd18::CoreInstruction, Pic18::Movlw(0));
    IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfTblptrh);
    IcspCommand18(Cmd18::CoreInstruction, Pic18::MovwfTblptrl);
}
