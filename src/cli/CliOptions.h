#pragma once
#include "common/Phrase.h"
#include "operations/Operation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line, parsed. Empty strings mean "not given": the defaults (remembered
// device, device file beside the executable, adapter of the device file) are resolved
// later, where the information is at hand.
struct CliOptions {
    std::string device;
    std::string iniPath;
    std::string adapter; // "parport", "gpio", "simulator" or empty
    std::string chipPath;
    std::string lang; // "es", "en" or empty (PRAVIK_LANG, then the window's language)
    Scope scope;      // program memory only unless a scope option is given
    std::optional<std::string> ident; // hexadecimal text of 1 to 16 digits
    // Factory calibration for a chip that lost its own (PIC12F629/675, PIC16F630/676):
    // OSCCAL, a RETLW 3400h-37FFh, and the band-gap bits 0-3.
    std::optional<int32_t> osccal;
    std::optional<int32_t> bandGap;
    bool yes = false;
    bool force = false;       // another device's chip, or a VPP above the part's maximum
    bool emptySocket = false; // simulator: no chip in the socket
    bool ignore = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> files;
};

struct ParsedCommandLine {
    CliOptions options;
    Phrase error; // empty when the command line is valid
};

// Options may come before or after the command; "--" ends them. Short flags combine
// ("-pec"); values follow as the next word or attached ("-dPIC16F84A", "--device=...").
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The help text shown by --help and after a usage error.
Phrase UsageText();
