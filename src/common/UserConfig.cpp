#include "common/UserConfig.h"

#include <cstdlib>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string InConfig(const std::string& relative) {
    const std::string home = UserConfigHome();
    return home.empty() ? std::string() : home + "/" + relative;
}

} // namespace

std::string UserConfigHome() {
    const std::string xdg = Environment("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') {
        return xdg;
    }
    const std::string home = Environment("HOME");
    return home.empty() ? std::string() : home + "/.config";
}

std::string SettingsFile() {
    return InConfig("pravik/Pravik.conf");
}

std::string LegacySettingsFile() {
    return InConfig("Pravik/Pravik.conf");
}
