#pragma once
#include "common/Phrase.h"
#include "devices/DeviceFile.h"
#include "devices/IniFile.h"
#include "simulator/Target.h"

#include <cstdint>
#include <optional>
#include <string>

namespace Sim {

// Keeps a simulated chip between runs as an Intel HEX file laid out as the assemblers lay
// out their output (PIC16: word w at byte 2w, IDs at 4000h, device ID at 400Ch,
// configuration at 400Eh (CONFIG2 4010h), calibration words at twice their address (2008h at
// 4010h, 2009h at 4012h), EEPROM byte n at 4200h + 2n; PIC18: device addresses, EEPROM at
// F00000h).

// Writes every cell of every space. The file is written beside the target under a
// temporary name and renamed over it, so an interrupted save leaves the old file whole.
bool SaveChip(const Target& chip, const std::string& path, Phrase& error);

// Reads a file written by SaveChip (or any HEX file in the same layout). Cells the file
// does not mention keep their values. A malformed file changes nothing.
bool LoadChip(Target& chip, const std::string& path, Phrase& error);

// The same, for callers that keep only the Spanish text of the error.
inline bool SaveChip(const Target& chip, const std::string& path, std::string& error) {
    Phrase said;
    const bool ok = SaveChip(chip, path, said);
    error = said.Spanish();
    return ok;
}
inline bool LoadChip(Target& chip, const std::string& path, std::string& error) {
    Phrase said;
    const bool ok = LoadChip(chip, path, said);
    error = said.Spanish();
    return ok;
}

// The device ID a chip file holds and the family whose layout holds it (a PIC18 file has
// it at 3FFFFEh, a PIC16 file at 400Ch), so that a front end can put the right chip in
// the socket; none when the file cannot be read or holds no device ID.
struct ChipIdentity {
    int family = 0;
    uint32_t id = 0;
};
std::optional<ChipIdentity> ChipFileIdentity(const std::string& path);

// The device of the device file that a chip file's device ID names (the first of several);
// empty when the file names none.
std::string ChipFileDevice(const std::string& path, const DeviceList& list, const IniFile& ini);

} // namespace Sim
