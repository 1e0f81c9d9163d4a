#include "programmer/Lines.h"

#include "programmer/LineStates.h"

void Lines::WriteLines(uint8_t value) {
    delay_.WaitTenthMicro();
    port_.WriteData(value);
}

uint16_t Lines::ReadStatus() {
    delay_.WaitTenthMicro();
    return port_.ReadStatus();
}

void Lines::ClockOut(bool bit) {
    const uint8_t data = bit ? LineData : 0;
    WriteLines(StateProg | LineClock | data);
    WriteLines(StateProg | data);
}

void Lines::ClockReleased() {
    WriteLines(StateRead | LineClock);
    WriteLines(StateRead);
}

bool Lines::ClockIn() {
    ClockReleased();
    return (ReadStatus() & StatusDataIn) != 0;
}
