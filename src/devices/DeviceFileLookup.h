#pragma once
#include <string>
#include <vector>

// The places where the window and pravik-cli look for the device file, in this order.
struct DeviceFilePlaces {
    // A file the user named (pravik-cli --ini, or the environment variable PRAVIK_INI).
    // When given it is the only place looked at: a mistyped name is reported rather than
    // silently replaced by another device file.
    std::string chosen;
    // The directory of the running program: a portable copy, and the build tree.
    std::string executableDir;
    // The user's configuration directory ($XDG_CONFIG_HOME, else $HOME/.config), which
    // holds pravik/Pravik.ini with the user's own devices. Empty when neither is set.
    std::string configHome;
    // The installed program's shared data, <prefix>/share/pravik.
    std::string dataDir;
};

// The places of this process: `commandLineChoice`, else PRAVIK_INI; the directory of the
// executable; the user's configuration directory; and the data directory of the
// installation prefix the executable lies in (found relative to its bin/ directory, so
// an installation moved or unpacked elsewhere still finds its own file).
DeviceFilePlaces SystemDeviceFilePlaces(const std::string& commandLineChoice = "");

struct DeviceFileLocation {
    std::string path;               // the first candidate that is a file; empty when none
    std::vector<std::string> tried; // every candidate, in the order looked at

    bool Found() const { return !path.empty(); }
    // The file found, or, when there is none, every path tried, for the error message.
    std::string Shown() const;
};

// Looks at the candidate paths of `places` in order and stops at the first file.
DeviceFileLocation LocateDeviceFile(const DeviceFilePlaces& places);
