#include "programmer/IntPower.h"
#include "programmer/LineStates.h"
#include "programmer/Programmer.h"

namespace {
constexpr int CommandBits16 = 6;
constexpr int32_t FirstLineCode = 0;
constexpr int32_t FirstModeCode = 64;
constexpr int32_t LastModeCode = 66;
constexpr int32_t UndefinedSent = -1;
constexpr int32_t UndefinedNotSent = -2;

bool SendsDataWord(int32_t code) {
    return code == Cmd16::LoadConfiguration || code == Cmd16::LoadDataProgram ||
           code == Cmd16::LoadDataData;
}

bool ReadsDataWord(int32_t code) {
    return code == Cmd16::ReadDataProgram || code == Cmd16::ReadDataData;
}

bool IsBareCommand(int32_t code) {
    switch (code) {
    case Cmd16::BulkEraseSetup1:
    case Cmd16::IncrementAddress:
    case Cmd16::BulkEraseSetup2:
    case Cmd16::BeginEraseProgram:
    case Cmd16::BulkEraseProgram:
    case Cmd16::EndProgramming3:
    case Cmd16::BulkEraseData:
    case Cmd16::EndProgramming:
    case Cmd16::EndProgramming2:
    case Cmd16::BeginProgramOnly:
    case Cmd16::ChipErase:
        return true;
    default:
        return false;
    }
}

// Bit i of value; bits beyond the 32 the value has are 0.
bool BitOf(uint32_t value, int i) {
    return i < 32 && ((value >> i) & 1U) != 0;
}
} // namespace

int32_t Programmer::IcspCommand16(int32_t code, uint32_t data) {
    if (code >= FirstModeCode && code <= LastModeCode) {
        return RunModeSequence16(code);
    }
    if (code < FirstLineCode || code >= FirstModeCode) {
        return UndefinedNotSent;
    }
    SendCommand16(code);
    // Tdly1/Tdly2 (1 us in every mid-range document): from the command's last falling clock
    // to the next command's or data word's first rising clock.
    delay_.WaitMicro();
    if (IsBareCommand(code)) {
        return 0;
    }
    if (SendsDataWord(code)) {
        // A second microsecond before the data word: the margin over Tdly1 the program has
        // always given.
        delay_.WaitMicro();
        SendWord16(data);
        // Tdly1 again, from the data word to the next command.
        delay_.WaitMicro();
        return 0;
    }
    if (ReadsDataWord(code)) {
        return static_cast<int32_t>(ReadWord16());
    }
    return UndefinedSent;
}

void Programmer::SendCommand16(int32_t code) {
    lines_.WriteLines(StateProg);
    for (int i = 0; i < CommandBits16; ++i) {
        lines_.ClockOut(BitOf(static_cast<uint32_t>(code), i));
    }
}

// A data word is framed by a 0 start bit and a 0 stop bit; bits above ProgBits are not
// sent.
void Programmer::SendWord16(uint32_t data) {
    lines_.ClockOut(false);
    for (int i = 0; i < device_.ProgBits; ++i) {
        lines_.ClockOut(BitOf(data, i));
    }
    lines_.ClockOut(false);
}

// The target drives the line from the released state on; its start and stop bits carry
// nothing. Each sample is shifted in from the top so the first bit ends in bit 0.
uint32_t Programmer::ReadWord16() {
    const auto topBit = static_cast<uint32_t>(IntPower(2, device_.ProgBits - 1));
    lines_.WriteLines(StateRead);
    // The line is let go with a microsecond to spare before the target drives it from the
    // second clock on; each bit is sampled 0.2 us after its rising edge, past Tdly3 (80 ns;
    // 200 ns on the 7X and EPROM parts).
    delay_.WaitMicro();
    lines_.ClockReleased();
    uint32_t result = 0;
    for (int i = 0; i < device_.ProgBits; ++i) {
        result >>= 1;
        if (lines_.ClockIn()) {
            result += topBit;
        }
    }
    lines_.ClockReleased();
    delay_.WaitMicro(); // Tdly1 to the next command
    return result;
}
