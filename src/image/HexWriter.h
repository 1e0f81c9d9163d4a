#pragma once
#include "common/Phrase.h"
#include "devices/DeviceRecord.h"
#include "image/MemoryImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The lines of the Intel HEX file of a family 16 image: program memory (two bytes a
// word, low byte first), the identifier as the four ID words and the configuration word
// at the configuration area (byte 2 x ConfigStart and 14 past it: 4000h and 400Eh on
// every real part), the data EEPROM (a byte and 00 a word) at 2 x EEPromStart, and the end
// record. Records past the first 64 KiB follow an extended linear address record. Every
// cell is parsed first and written as upper-case hex of its full width; when a cell does
// not parse or does not fit its word, or an area lies outside the 32-bit address space, no
// line is produced and `error` names the memory and the address.
struct HexImage {
    std::vector<std::string> lines;
    Phrase error;
};
// A second configuration word (16F87/88) goes at 2 x (ConfigStart + 8), 4010h.
HexImage BuildHexLines(const DeviceRecord& device, MemoryImage& image, int32_t configWord,
                       std::optional<int32_t> configWord2 = std::nullopt);

// The lines of a family 18 image in the layout assemblers and compilers use: program
// bytes at their own addresses, the eight ID bytes at 200000h, the fourteen configuration
// bytes at 300000h (CONFIGnL before CONFIGnH), the data EEPROM at F00000h, and the end
// record; type 04 records before each 64 KiB page.
HexImage BuildHexLines18(const DeviceRecord& device, const MemoryImage& image,
                         const std::array<std::string, 7>& configWords);

// A cell's text as a value of at most `max`; none when it does not parse or fit.
std::optional<int64_t> CellValue(const std::string& text, int64_t max);
HexImage Refused(const Phrase& error);

// Writes the lines, each ended by CR LF, to a temporary file in the target's directory and
// renames it over the target only when complete, so a failure never destroys the user's
// file. Returns false when the file cannot be created or written.
bool WriteHexFileAtomically(const std::string& path, const std::vector<std::string>& lines);

// Record helper shared by the writer and tests: ":" LL AAAA TT data CC.
std::string HexRecord(uint32_t address, const std::string& type, const std::string& data);
