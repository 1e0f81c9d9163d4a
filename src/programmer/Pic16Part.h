#pragma once
#include "devices/DeviceRecord.h"

#include <cstdint>

// The mid-range parts whose programming documents ask different sequences or times
// of us. "Flash" covers four documents, told apart by the device name as the device file
// writes it; a "Flash" name none of them matches gets the 16F84A's sequences.
enum class Pic16Part {
    F84A,  // DS30262E: PIC16F84A
    F62X,  // DS30034D: PIC16F627/628
    F62XA, // DS41196G: PIC16F627A/628A/648A
    F87X,  // DS39025F: PIC16F870-877
    F7X,   // DS30324B: PIC16F73/74/76/77 ("Flash1")
    F87XA, // DS39589B: PIC16F873A-877A ("Flash2")
    F8788, // DS39607B: PIC16F87/88 ("Flash2")
    Eprom, // DS30228K: one-time-programmable PIC16C parts ("OTP")
    Other, // a family 16 kind the program does not know
};

Pic16Part Pic16PartOf(const DeviceRecord& device);

// The waits of our family 16 sequences, in milliseconds, from the part's Microchip
// programming document: at least the maximum of a self-timed cycle and at least the minimum of
// an externally timed one. Where the program always waited longer, the longer wait stays.
struct Pic16Waits {
    uint32_t wordWriteMs;    // one location: load, begin command, this wait [, End Programming]
    uint32_t configWriteMs;  // the configuration word
    uint32_t programEraseMs; // program-memory erase (bulk, Setup1/Setup2 or chip erase)
    uint32_t dataEraseMs;    // data-memory bulk erase
    uint32_t idEraseMs;      // the ID row of the 87XA (001000 cycle) and 87/88 (Begin Erase)
    uint32_t unprotectMs;    // code-protect disable or chip erase, per memory erased
};

Pic16Waits WaitsOf(Pic16Part part);
