#pragma once
#include "image/HexReader.h"

#include <fstream>
#include <string>

// Whole-file steps of loading and saving, shared by the window and the command line.

// Opens a HEX file for reading; false for a file that cannot be read (also a directory).
bool OpenHexFile(const std::string& path, std::ifstream& in);

// Resets both tables and the identifier, then reads the records into the image.
void LoadHexImage(std::istream& in, HexLoadTargets targets);

// Saves a family 16 image. Returns "" when saved, otherwise the message to show: not
// family 16, a cell that does not parse or fit, or a file that cannot be created.
std::string SaveHexImage(const std::string& path, const DeviceRecord& device, MemoryImage& image,
                         int32_t configWord);

inline constexpr const char* kHexUnreadable = "No se puede leer el fichero HEX.";
inline constexpr const char* kOnlyFamily16 = "Opción disponible sólo para la familia 16.";
