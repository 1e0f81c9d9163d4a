#include "Wire.h"

#include "simulator/AdapterLines.h"

using namespace Sim::Lines;

namespace {
constexpr uint8_t Idle = LineIdle | LineRelease;
constexpr uint8_t Prep = LineIdle | LinePrep | LineRelease;
} // namespace

void Wire::Put(uint8_t lines, int waitTenths) {
    for (int i = 0; i < waitTenths; ++i) {
        delay_.WaitTenthMicro();
    }
    port_.WriteData(lines);
}

bool Wire::Sample() {
    delay_.WaitTenthMicro();
    return (port_.ReadStatus() & StatusData) != 0;
}

void Wire::Enter() {
    Put(Idle, 1);
    WaitMs(5);
    Put(Prep, 1);
    WaitMs(5);
    Put(LineProg, 1);
    WaitMs(1);
    dataBit_ = 0;
}

void Wire::Exit() {
    WaitMs(1);
    Put(Idle, 1);
}

void Wire::ClockOut(bool bit) {
    dataBit_ = bit ? LineData : 0;
    Put(LineProg | LineClock | dataBit_, halfClockTenths);
    Put(LineProg | dataBit_, halfClockTenths);
}

bool Wire::ClockIn() {
    Put(LineProg | LineRelease | LineClock, halfClockTenths);
    Put(LineProg | LineRelease, halfClockTenths);
    return Sample();
}

void Wire::SendBits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        ClockOut(((value >> i) & 1) != 0);
    }
}

void Wire::Command16(int code) {
    Put(LineProg | dataBit_, gapTenths);
    SendBits(static_cast<uint32_t>(code), 6);
}

void Wire::Load16(int code, uint32_t word, int bits) {
    Command16(code);
    Put(LineProg | dataBit_, gapTenths);
    ClockOut(true); // start bit: the chip ignores its level
    SendBits(word, bits);
    ClockOut(true); // stop bit
}

uint32_t Wire::Read16(int code, int bits) {
    Command16(code);
    Put(LineProg | LineRelease, gapTenths);
    ClockIn(); // start bit
    uint32_t word = 0;
    for (int i = 0; i < bits; ++i) {
        word |= static_cast<uint32_t>(ClockIn()) << i;
    }
    ClockIn(); // stop bit
    Put(LineProg, gapTenths);
    dataBit_ = 0;
    return word;
}

void Wire::Command18(int code, uint16_t operand) {
    Put(LineProg | dataBit_, gapTenths);
    SendBits(static_cast<uint32_t>(code), 4);
    Put(LineProg | dataBit_, gapTenths);
    SendBits(operand, 16);
}

uint8_t Wire::Read18(int code) {
    Put(LineProg | dataBit_, gapTenths);
    SendBits(static_cast<uint32_t>(code), 4);
    Put(LineProg | LineRelease, gapTenths);
    uint32_t sampled = 0;
    for (int i = 0; i < 16; ++i) {
        sampled |= static_cast<uint32_t>(ClockIn()) << i;
    }
    Put(LineProg, gapTenths);
    dataBit_ = 0;
    return static_cast<uint8_t>(sampled >> 8);
}

void Wire::SetTablePointer(uint32_t address) {
    Core(static_cast<uint16_t>(0x0E00 | ((address >> 16) & 0xFF)));
    Core(0x6EF8);
    Core(static_cast<uint16_t>(0x0E00 | ((address >> 8) & 0xFF)));
    Core(0x6EF7);
    Core(static_cast<uint16_t>(0x0E00 | (address & 0xFF)));
    Core(0x6EF6);
}

void Wire::ProgrammingNop(int32_t holdUs, int32_t lowUs) {
    Put(LineProg, gapTenths);
    SendBits(0, 3);
    Put(LineProg | LineClock, halfClockTenths);
    WaitUs(holdUs);
    Put(LineProg, 1);
    WaitUs(lowUs);
    SendBits(0, 16);
}

void Wire::ErasingNop(int32_t holdUs) {
    Put(LineProg, gapTenths);
    SendBits(0, 4);
    WaitUs(holdUs);
    SendBits(0, 16);
}
