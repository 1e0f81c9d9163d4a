#pragma once
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceFile.h"
#include "devices/DeviceRecord.h"
#include "image/MemoryImage.h"

#include <string>

class TerminalMessages;

// What a command works on: the selected device, the memory image and the configuration
// models, filled by the same selection, reader and writer as in the window.
struct Workbench {
    DeviceRecord device;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    std::string iniPath; // the device file the device was selected from
};

// The device entry whose name matches `name` without regard to case (section names of the
// device file compare that way), as written in the file; empty when there is none.
std::string FindDevice(const DeviceList& list, const std::string& name);

// Selects the device like the window's menu and its start-up: record, configuration
// models, grids, identifier FFFF. The remembered device of the window is left alone.
// False, with the message shown, when the family is not one the program knows.
bool SelectInto(Workbench& bench, const std::string& name, const std::string& iniPath,
                TerminalMessages& messages);

// The file name that stands for standard input or output.
inline const std::string kStandardStream = "-";

// Loads a HEX file ("-": standard input) like the window's Open: tables reset, identifier
// FFFF, then the records. False when the file cannot be read (the message names it and
// says why), the reader reported an error, or a warning was answered Abort.
bool LoadHex(Workbench& bench, const std::string& path, TerminalMessages& messages);

// Puts the --ident text into the image: family 16 takes 1 to 4 digits, family 18 up to
// 16 (byte 200000h first; bytes not given stay erased). False, with a note, when too long.
bool ApplyIdent(Workbench& bench, const std::string& digits, TerminalMessages& messages);

// Saves the image like the window's Save As ("-": standard output). False, with the
// message shown, when the image does not convert or the file cannot be created.
bool SaveHex(Workbench& bench, const std::string& path, TerminalMessages& messages);

// The messages for a HEX file that cannot be read and a file that cannot be created,
// naming the file and the reason.
Phrase UnreadableHexMessage(const std::string& path);
Phrase UncreatableMessage(const std::string& path);
