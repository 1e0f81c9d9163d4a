#include "programmer/GpioPinMap.h"

#include "common/Text.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::array<std::string_view, GpioSignalCount> kKeys = {
    "gpio_pgd", "gpio_pgc", "gpio_vpp", "gpio_vdd", "gpio_idle", "gpio_pgd_in",
};

// The kernel keeps line names in 32 bytes, the last a NUL.
constexpr size_t kMaxLineName = 31;
// Line offsets are 32-bit; no chip comes near a billion lines.
constexpr size_t kMaxDigits = 9;

bool IsNone(const std::string& text) {
    return text.empty() || EqualsIgnoringCase(text, "none");
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool HasBlank(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isspace(c) != 0 || c < 0x20; });
}

// Number, name or none, with an optional "!"; false when the text is none of them.
bool ParseLine(const std::string& text, GpioLineSpec& spec) {
    spec = GpioLineSpec{};
    spec.text = text;
    if (IsNone(text)) {
        return true;
    }
    std::string rest = text;
    if (rest[0] == '!') {
        spec.inverted = true;
        rest.erase(0, 1);
    }
    if (AllDigits(rest)) {
        if (rest.size() > kMaxDigits) {
            return false;
        }
        spec.present = true;
        spec.number = static_cast<uint32_t>(std::stoul(rest));
        return true;
    }
    // A name starts with something that cannot begin a number ("23x", "-1" and "+5" are
    // mistyped numbers, not names).
    const unsigned char first = rest.empty() ? '0' : static_cast<unsigned char>(rest[0]);
    if (std::isdigit(first) || first == '-' || first == '+' || first == '!' ||
        rest.size() > kMaxLineName || HasBlank(rest) || IsNone(rest)) {
        return false;
    }
    spec.present = true;
    spec.byName = true;
    spec.name = rest;
    return true;
}

GpioAccess Fault(GpioFault fault, const std::string& key, const std::string& value) {
    GpioAccess a;
    a.fault = fault;
    a.key = key;
    a.value = value;
    return a;
}

} // namespace

std::string_view GpioKey(GpioSignal signal) {
    return kKeys[static_cast<size_t>(signal)];
}

GpioPinMap DefaultGpioPinMap() {
    GpioPinMap map;
    ParseLine("24", map[GpioSignal::Pgd]);
    ParseLine("23", map[GpioSignal::Pgc]);
    ParseLine("18", map[GpioSignal::Vpp]);
    ParseLine("25", map[GpioSignal::Vdd]);
    ParseLine("none", map[GpioSignal::Idle]);
    ParseLine("none", map[GpioSignal::PgdIn]);
    return map;
}

GpioAccess ReadGpioPinMap(const GpioKeys& keys, GpioPinMap& map) {
    map = DefaultGpioPinMap();
    for (const auto& [key, value] : keys) {
        if (key == GpioChipKey) {
            if (HasBlank(value)) {
                return Fault(GpioFault::BadValue, key, value);
            }
            map.chip = value;
            continue;
        }
        const auto known = std::find(kKeys.begin(), kKeys.end(), key);
        if (known == kKeys.end()) {
            return Fault(GpioFault::UnknownKey, key, value);
        }
        const auto signal = static_cast<GpioSignal>(known - kKeys.begin());
        if (!ParseLine(value, map[signal])) {
            return Fault(GpioFault::BadValue, key, value);
        }
    }
    for (GpioSignal required : {GpioSignal::Pgd, GpioSignal::Pgc, GpioSignal::Vpp}) {
        if (!map[required].present) {
            return Fault(GpioFault::MissingLine, std::string(GpioKey(required)),
                         map[required].text);
        }
    }
    return GpioAccess{};
}
