#pragma once
#include "image/HexReader.h"

#include <fstream>
#include <string>

// Whole-file steps of loading and saving, shared by the window and the command line.

// Opens a HEX file for reading; false for a file that cannot be read (also a directory).
bool OpenHexFile(const std::string& path, std::ifstream& in);
// Why a path cannot be read as a HEX file ("no existe", "es un directorio"...), in the
// user's words; empty when it can.
Phrase HexReadFailure(const std::string& path);
// Why a file could not be created at path (its folder missing or read-only, a directory
// in its place...), checked without leaving anything behind; empty when it could.
Phrase HexCreateFailure(const std::string& path);

// Resets both tables and the identifier, then reads the records into the image.
void LoadHexImage(std::istream& in, HexLoadTargets targets);

// Saves the image of either family with its configuration. Returns "" when saved,
// otherwise the message to show: a cell that does not parse or fit, or a file that
// cannot be created.
Phrase SaveHexImage(const std::string& path, const DeviceRecord& device, MemoryImage& image,
                    const ConfigWord16& config16, const ConfigWords18& config18);
// The same lines, written to an open stream (standard output) instead of a file; false
// when the stream failed, with the message in `error`.
bool SaveHexImage(std::ostream& out, const DeviceRecord& device, MemoryImage& image,
                  const ConfigWord16& config16, const ConfigWords18& config18, Phrase& error);

inline Phrase HexUnreadableMessage() {
    return Say("image", "No se puede leer el fichero HEX.");
}
inline Phrase HexUncreatableMessage() {
    return Say("image", "No se puede crear el fichero.");
}
