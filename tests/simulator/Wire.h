#pragma once
#include "programmer/VirtualDelay.h"
#include "simulator/SimulatedPort.h"

#include <cstdint>

// Drives a SimulatedPort bit by bit the way the programming documents draw the
// waveforms, with its own (deliberately roomy) timing: 0.5 us clock phases, 2 us between a
// command and its data. Independent of the program's command layer.
class Wire {
public:
    Wire(Sim::SimulatedPort& port, VirtualDelay& delay) : port_(port), delay_(delay) {}

    // Timing knobs, in 0.1 us steps; 0 writes the next line change with no wait at all.
    int halfClockTenths = 5;
    int gapTenths = 20;

    void Put(uint8_t lines, int waitTenths);
    bool Sample();
    void WaitUs(int32_t us) { delay_.WaitMicros(us); }
    void WaitMs(uint32_t ms) { delay_.SleepMs(ms); }
    void WaitNs(int64_t ns) { delay_.AdvanceNs(ns); }
    int64_t Now() const { return delay_.Now(); }

    // Adapter at rest, pre-entry, then programming voltage with clock and data low.
    void Enter();
    void Exit();

    void ClockOut(bool bit);
    bool ClockIn(); // clock high then low with the line released, sample after the fall
    void SendBits(uint32_t value, int count);

    // Mid-range PIC16: 6-bit command, then a 16-clock data word (start, bits, stop).
    void Command16(int code);
    void Load16(int code, uint32_t word, int bits = 14);
    uint32_t Read16(int code, int bits = 14);

    // PIC18: 4-bit command and 16-bit operand.
    void Command18(int code, uint16_t operand);
    uint8_t Read18(int code);
    void Core(uint16_t instruction) { Command18(0x0, instruction); }
    void SetTablePointer(uint32_t address);
    // A NOP whose fourth clock is held high holdUs, then low lowUs, then operand 0.
    void ProgrammingNop(int32_t holdUs, int32_t lowUs);
    // A NOP after whose fourth clock the clock stays low holdUs before the operand.
    void ErasingNop(int32_t holdUs);

private:
    Sim::SimulatedPort& port_;
    VirtualDelay& delay_;
    uint8_t dataBit_ = 0;
};
