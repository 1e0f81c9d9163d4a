#pragma once
#include "image/HexReader.h"

#include <fstream>
#include <string>

// Whole-file steps of loading and saving, shared by the window and the command line.

// Opens a HEX file for reading; false for a file that cannot be read (also a directory).
bool OpenHexFile(const std::string& path, std::ifstream& in);

// Resets both tables and the identifier, then reads the records into the image.
void LoadHexImage(std::istream& in, HexLoadTargets targets);

// Saves the image of either family with its configuration. Returns "" when saved,
// otherwise the message to show: a cell that does not parse or fit, or a file that
// cannot be created.
std::string SaveHexImage(const std::string& path, const DeviceRecord& device, MemoryImage& image,
                         const ConfigWord16& config16, const ConfigWords18& config18);

inline constexpr const char* kHexUnreadable = "No se puede leer el fichero HEX.";
