#include "programmer/Programmer.h"

#include "programmer/LineStates.h"

#include <utility>

namespace {
// Settling times of the programming-mode sequences, in milliseconds. They are the
// adapter's: its supplies and the programming voltage need time to settle. Each is far
// beyond what the chips ask around entry: Thld0 (100 ns to 5 us, mid-range), P12 (2 us)
// from the programming voltage to the first clock, and P13 (100 ns) from the supply to the
// programming voltage, which the pre-entry state provides.
constexpr uint32_t SettleBeforeMs = 10;  // before every change of mode
constexpr uint32_t PrepHold16Ms = 15;    // in StatePrep before programming mode
constexpr uint32_t ProgSettle16Ms = 12;  // after entering, before the first command
constexpr uint32_t IdleSettle16Ms = 10;  // after leaving
constexpr uint32_t PowerOffHold16Ms = 2; // in StatePrep during a power cycle
constexpr uint32_t PrepHold18Ms = 20;
constexpr uint32_t ProgSettle18Ms = 20;
constexpr uint32_t PowerOffHold18Ms = 10;
} // namespace

Programmer::Programmer(Port& port, Delay& delay, const DeviceRecord& device, Messages& messages)
    : port_(port), delay_(delay), device_(device), messages_(messages), lines_(port, delay) {}

Programmer::Programmer(std::unique_ptr<Port> port, std::unique_ptr<Delay> delay,
                       const DeviceRecord& device, Messages& messages)
    : ownedPort_(std::move(port)), ownedDelay_(std::move(delay)), port_(*ownedPort_),
      delay_(*ownedDelay_), device_(device), messages_(messages), lines_(port_, delay_) {}

// Programming-mode sequences of the family 16 layer. The supplies need time to settle
// before and after each change; entry goes through StatePrep so that the target restarts
// with its address counter at 0.
int32_t Programmer::RunModeSequence16(int32_t code) {
    ++session_; // the chip restarts: registers a part set are unknown again
    switch (code) {
    case Cmd16::EnterProgMode:
        delay_.SleepMs(SettleBeforeMs);
        lines_.WriteLines(StatePrep);
        delay_.SleepMs(PrepHold16Ms);
        lines_.WriteLines(StateProg);
        delay_.SleepMs(ProgSettle16Ms);
        break;
    case Cmd16::ExitProgMode:
        delay_.SleepMs(SettleBeforeMs);
        lines_.WriteLines(StateIdle);
        delay_.SleepMs(IdleSettle16Ms);
        break;
    case Cmd16::PowerCycle:
        delay_.SleepMs(SettleBeforeMs);
        lines_.WriteLines(StatePrep);
        delay_.SleepMs(PowerOffHold16Ms);
        lines_.WriteLines(StateIdle);
        break;
    }
    return 0;
}

// The family 18 layer's own sequences: longer settling times, and no wait after exit.
int32_t Programmer::RunModeSequence18(int32_t code) {
    ++session_;
    switch (code) {
    case Cmd18::EnterProgMode:
        delay_.SleepMs(SettleBeforeMs);
        lines_.WriteLines(StatePrep);
        delay_.SleepMs(PrepHold18Ms);
        lines_.WriteLines(StateProg);
        delay_.SleepMs(ProgSettle18Ms);
        break;
    case Cmd18::ExitProgMode:
        delay_.SleepMs(SettleBeforeMs);
        lines_.WriteLines(StateIdle);
        break;
    case Cmd18::PowerCycle:
        delay_.SleepMs(SettleBeforeMs);
        lines_.WriteLines(StatePrep);
        delay_.SleepMs(PowerOffHold18Ms);
        lines_.WriteLines(StateIdle);
        break;
    }
    return 0;
}
