#include "image/RecentFiles.h"

namespace RecentFiles {

namespace {
std::string Key(int slot) {
    return "lastfile" + std::to_string(slot);
}
} // namespace

std::array<std::string, kSlots> Read(const SettingsStore& settings) {
    std::array<std::string, kSlots> list;
    for (int k = 1; k <= kSlots; ++k) {
        list[static_cast<size_t>(k - 1)] = settings.Read("Config", Key(k), "");
    }
    return list;
}

std::array<std::string, kSlots> Add(SettingsStore& settings, const std::string& path) {
    std::string carry = path;
    for (int k = 1; k <= kSlots; ++k) {
        std::string old = settings.Read("Config", Key(k), "");
        settings.Write("Config", Key(k), carry);
        if (old == path || old.empty()) {
            break;
        }
        carry = old;
    }
    return Read(settings);
}

} // namespace RecentFiles
