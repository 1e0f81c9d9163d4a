#pragma once
// The shipped devices the whole-device tests run on.
#include "devices/DeviceFile.h"
#include "devices/IniFile.h"

#include <set>
#include <string>
#include <vector>

// Every device of the shipped file in the normal build. Under the sanitizers, which run
// the same code many times slower, the first device of each programming document: every
// part module and every simulated chip profile still runs, each whole.
inline std::vector<std::string> ShippedDeviceNames() {
    const IniFile ini = IniFile::Load(PRAVIK_SOURCE_DIR "/data/Pravik.ini");
    std::vector<std::string> names;
    std::set<std::string> documents;
    for (const DeviceEntry& d : ReadDeviceList(ini).devices) {
#ifdef PRAVIK_SANITIZE_BUILD
        if (!documents.insert(ReadDeviceSection(ini, d.name).record.Algorithm).second) {
            continue;
        }
#endif
        names.push_back(d.name);
    }
    return names;
}
