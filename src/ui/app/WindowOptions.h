#pragma once
#include "common/Phrase.h"

#include <string>
#include <vector>

// The window program's command line: the adapter to use instead of the device file's, and
// with the simulator a chip file, so that an installed program can be tried on a machine
// without a parallel port.
struct WindowOptions {
    std::string adapter; // "parport", "gpio", "simulator" or empty (the device file's)
    std::string chipFile;
    std::string lang; // "es", "en" or empty (PRAVIK_LANG, then the remembered language)
    bool help = false;
    bool version = false;
    Phrase error; // empty when the command line is valid
};

// "--adapter KIND", "--adapter=KIND", "--chip FILE", "--chip=FILE", "--lang es|en",
// "--lang=es|en", "--help", "--version".
WindowOptions ParseWindowOptions(const std::vector<std::string>& args);

// The help text of --help and after a usage error.
Phrase WindowUsageText();
