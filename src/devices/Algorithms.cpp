#include "devices/Algorithms.h"

#include "common/Text.h"

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

const std::vector<std::string>& KnownAlgorithms() {
    static const std::vector<std::string> names = {
        "DS30262", "DS30034", "DS41196", "DS39025", "DS30324", "DS39589", "DS39607",
        "DS30228", "DS39576", "DS39622", "DS41191", "DS41204", "DS41287"};
    return names;
}

int AlgorithmFamily(const std::string& name) {
    if (name == "DS39576" || name == "DS39622") {
        return 18;
    }
    for (const std::string& known : KnownAlgorithms()) {
        if (known == name) {
            return 16;
        }
    }
    return 0;
}

AlgorithmChoice ChooseAlgorithm(const std::string& key, const std::string& deviceName, int family) {
    AlgorithmChoice choice;
    for (const std::string& known : KnownAlgorithms()) {
        if (EqualsIgnoringCase(known, key)) {
            choice.name = known;
        }
    }
    if (choice.name.empty()) {
        std::string names;
        for (const std::string& known : KnownAlgorithms()) {
            names += (names.empty() ? "" : ", ") + known;
        }
        choice.error =
            Say("devices", "La clave Algoritmo=%1 de %2 no nombra ningún algoritmo conocido (%3).")
                .Arg(key)
                .Arg(deviceName)
                .Arg(names);
    } else if ((family == 16 || family == 18) && AlgorithmFamily(choice.name) != family) {
        choice.error = Say("devices", "La clave Algoritmo=%1 de %2 nombra un algoritmo de la "
                                      "familia %3, y el dispositivo es de la familia %4.")
                           .Arg(key)
                           .Arg(deviceName)
                           .Arg(std::to_string(AlgorithmFamily(choice.name)))
                           .Arg(std::to_string(family));
        choice.name.clear();
    }
    return choice;
}

// The names are matched as the device file writes them (case-sensitive), as they always
// were: a "Flash" part none of the patterns names gets the 16F84A's document.
std::string FallbackAlgorithm(const std::string& programming, const std::string& name, int family) {
    if (family == 18) {
        if (programming == "18f2xx0") {
            return "DS39622";
        }
        return programming == "18fxx2xx8" ? "DS39576" : "";
    }
    if (family != 16) {
        return "";
    }
    if (programming == "OTP") {
        return "DS30228";
    }
    if (programming == "Flash1") {
        return "DS30324";
    }
    if (programming == "Flash2") {
        return EndsWith(name, "16F87") || EndsWith(name, "16F88") ? "DS39607" : "DS39589";
    }
    if (programming != "Flash") {
        return "";
    }
    if (Contains(name, "16F62") || Contains(name, "16F648")) {
        return EndsWith(name, "A") ? "DS41196" : "DS30034";
    }
    return Contains(name, "16F87") ? "DS39025" : "DS30262";
}
