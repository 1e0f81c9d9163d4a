#pragma once
#include "devices/DeviceIds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class OperationHost;
class Programmer;
struct Workbench;

// What the chip in the socket said: the word read with the protocol that named devices
// (the last one tried when none did), whether any protocol got an answer from a chip,
// and the devices named.
struct Detection {
    int32_t family = 0;
    int32_t id = 0;
    bool answered = false;
    std::vector<DeviceMatch> devices;
};

// Reads the device ID with the family 16 protocol, then, when that names no device, with
// the family 18 one. bench.device is overwritten with a bare record of each family while
// it reads (the programmer reads the device through it); select the device afterwards.
Detection DetectChip(const DeviceList& list, const IniFile& ini, Programmer& programmer,
                     Workbench& bench, OperationHost& host);
