#pragma once
#include "devices/DeviceRecord.h"

#include <cstdint>
#include <vector>

// Fast writes: program memory written in the largest unit the part's Microchip
// programming document gives, one programming cycle per unit, on a chip erased first.
//   "Flash"  (F84A, 62X, 87X): one word per internally timed program-only cycle (011000)
//   "Flash1" (16F7X, DS30324B): even/odd pairs, pulse ended by 001110
//   "Flash2" (87XA 8-word rows, DS39589B; 87/88 4-word groups, DS39607B): 011000, 010111
//   "18f2xx0" (DS39622K): one write buffer (32 bytes) per pulse
//   "18fxx2xx8" (DS39576B): the 8-byte buffer of every 8 KiB panel at one offset per pulse
//     (multi-panel), but single-panel writes at the offsets of the boot block
// The unit and the cycle's time come from the device file (WriteUnit, WriteTime).

// One programming cycle: the cells it programs, in the order they go out. Cells at or
// past the used size get the erased value, so a partial unit leaves them as they are.
struct WriteCycle {
    std::vector<int32_t> addresses;
    bool multiPanel = false;
};

// The device writes in units: its kind has a fast method, the device file gives a usable
// WriteUnit and WriteTime, and [Config] escritura is not "palabra".
bool FastWrites(const DeviceRecord& device);

// The cycles that write cells 0 to progUsed - 1, in the order they are sent. Family 16
// cycles run in address order, each starting where the address counter is left by the one
// before.
std::vector<WriteCycle> PlanWriteCycles(const DeviceRecord& device, int32_t progUsed);

// The panels of a DS39576 part and their boot block.
inline constexpr int32_t PanelBytes18 = 8192;
inline constexpr int32_t BootBytes18 = 512;
