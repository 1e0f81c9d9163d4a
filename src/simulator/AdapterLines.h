#pragma once
#include <cstdint>

// The adapter's lines as the simulator decodes them from the parallel port's data
// register. Kept apart from the command layer's own copy on purpose: the simulator reads
// the wire as the adapter does, not as our sending code believes it works.
namespace Sim::Lines {
inline constexpr uint8_t LineData = 0x01;    // data line driven by the programmer
inline constexpr uint8_t LineClock = 0x02;   // clock line
inline constexpr uint8_t LineRelease = 0x04; // programmer lets go of the data line
inline constexpr uint8_t LineProg = 0x08;    // programming voltage on MCLR
inline constexpr uint8_t LinePrep = 0x10;    // pre-entry state
inline constexpr uint8_t LineIdle = 0x20;    // adapter at rest: target held out of programming

// Status register bit carrying the data line level back to the PC.
inline constexpr uint8_t StatusData = 0x40;
// The other status inputs of a real port do not read as 0 (reserved bits read 1, BUSY is
// inverted). Returning them set shows up a caller that tests more than the data bit.
inline constexpr uint8_t StatusOtherBits = 0x87;
} // namespace Sim::Lines
