#include "devices/DeviceFileLookup.h"

#include "common/UserConfig.h"

#include <cstdlib>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

const char* const FileName = "Pravik.ini";

#ifndef PRAVIK_DATA_FROM_BIN
#define PRAVIK_DATA_FROM_BIN "../share/pravik"
#endif

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

} // namespace

DeviceFilePlaces SystemDeviceFilePlaces(const std::string& commandLineChoice) {
    DeviceFilePlaces places;
    places.chosen = commandLineChoice.empty() ? Environment("PRAVIK_INI") : commandLineChoice;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        places.executableDir = exe.parent_path().string();
        places.dataDir = (exe.parent_path() / PRAVIK_DATA_FROM_BIN).lexically_normal().string();
    }
    places.configHome = UserConfigHome();
    return places;
}

DeviceFileLocation LocateDeviceFile(const DeviceFilePlaces& places) {
    DeviceFileLocation location;
    if (!places.chosen.empty()) {
        location.tried = {places.chosen};
    } else {
        if (!places.executableDir.empty()) {
            location.tried.push_back((fs::path(places.executableDir) / FileName).string());
        }
        if (!places.configHome.empty()) {
            location.tried.push_back((fs::path(places.configHome) / "pravik" / FileName).string());
        }
        if (!places.dataDir.empty()) {
            location.tried.push_back((fs::path(places.dataDir) / FileName).string());
        }
    }
    for (const std::string& candidate : location.tried) {
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec)) {
            location.path = candidate;
            break;
        }
    }
    return location;
}

std::string DeviceFileLocation::Shown() const {
    if (Found()) {
        return path;
    }
    std::string all;
    for (const std::string& candidate : tried) {
        all += (all.empty() ? "" : ", ") + candidate;
    }
    return all;
}
