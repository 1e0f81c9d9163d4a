#pragma once
#include <cstdint>

// Bits of the parallel port's data register as the ICSP adapter uses them (pins 2 to 7 of
// the 25-pin connector). Bits 6 and 7 are never set.
inline constexpr uint8_t LineData = 0x01;    // data line out, changed only with a clock edge
inline constexpr uint8_t LineClock = 0x02;   // the target takes a bit on the falling edge
inline constexpr uint8_t LineRelease = 0x04; // data line released: the target may drive it
inline constexpr uint8_t LineProg = 0x08;    // set in every state used in programming mode
inline constexpr uint8_t LinePrep = 0x10;    // set only in the pre-entry state
inline constexpr uint8_t LineIdle = 0x20;    // set only in the two out-of-mode states

// The named line states.
inline constexpr uint8_t StateIdle = LineIdle | LineRelease;
inline constexpr uint8_t StatePrep = LineIdle | LinePrep | LineRelease;
inline constexpr uint8_t StateProg = LineProg;
inline constexpr uint8_t StateRead = LineProg | LineRelease;

// Status-register bit that reads the target's data line (pin 10): set means high.
inline constexpr uint8_t StatusDataIn = 0x40;
