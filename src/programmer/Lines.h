#pragma once
#include "programmer/Delay.h"
#include "programmer/Port.h"

#include <cstdint>

// Every access the hardware layers make to the port goes through here. Each access is
// preceded by a tenth of a microsecond, so consecutive line changes (and so each phase of
// the clock) are at least that far apart; nothing waits after an access. With the data bit
// put on the line as the clock rises, that tenth is the set-up before the falling edge and
// the hold after it: Tset1/Thld1 (100 ns) on mid-range parts, P3/P4 (15 ns) and the clock
// phases P2A/P2B (40 ns, period P2 100 ns) on PIC18.
class Lines {
public:
    Lines(Port& port, Delay& delay) : port_(port), delay_(delay) {}

    // Puts a line state on the data register.
    void WriteLines(uint8_t value);
    // Reads the status register; callers test StatusDataIn.
    uint16_t ReadStatus();

    // Sends one bit in programming mode: clock high with the bit, then clock low with it
    // (the target takes it on the falling edge).
    void ClockOut(bool bit);
    // One clock with the data line released (the target drives it).
    void ClockReleased();
    // One released clock, then the status read: the bit the target put on the line.
    bool ClockIn();

private:
    Port& port_;
    Delay& delay_;
};
