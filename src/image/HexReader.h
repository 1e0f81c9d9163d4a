#pragma once
#include "common/Messages.h"
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceRecord.h"
#include "image/MemoryImage.h"

#include <functional>
#include <istream>
#include <string>

// What a HEX load fills and whom it asks.
struct HexLoadTargets {
    const DeviceRecord& device;
    MemoryImage& image;
    ConfigWord16& config16;
    ConfigWords18& config18;
    Messages& messages;
    // Called every few thousand lines with the bytes read so far, so a window can show
    // progress and stay responsive during a very large file. May be empty.
    std::function<void(uint64_t bytesRead)> progress;
};

// Reads Intel HEX records (types 00, 01, 02, 04) from an open stream into the image,
// which the caller has reset. Program words or bytes go to the program cells, the ID
// locations (family 16 at ConfigStart, family 18 at 200000h) to the identifier digits,
// the configuration word or bytes to the configuration models, EEPROM (family 16 at
// EEPromStart, family 18 at F00000h) to the data cells. Reports failures and asks Abort/Ignore
// through the messages; what was stored before a failure stays. At the end ProgUsed is
// made even. The stream is read line by line, never whole.
void ReadHexRecords(std::istream& in, HexLoadTargets targets);
