#include "devices/IntConv.h"

#include "common/HexText.h"

#include <cctype>
#include <string>

namespace {

bool ConvertHex(std::string_view digits, int32_t& out) {
    if (digits.empty() || digits.size() > 8) {
        return false;
    }
    uint32_t v = 0;
    for (char c : digits) {
        int d = HexDigitValue(c);
        if (d < 0) {
            return false;
        }
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    out = static_cast<int32_t>(v);
    return true;
}

bool ConvertDecimal(std::string_view text, int32_t& out) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        v = v * 10 + (c - '0');
        if (v > 2147483648LL) {
            return false;
        }
    }
    if (negative) {
        v = -v;
    }
    if (v > INT32_MAX || v < INT32_MIN) {
        return false;
    }
    out = static_cast<int32_t>(v);
    return true;
}

} // namespace

int32_t ConvertInt(std::string_view text, bool& ok) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    int32_t value = 0;
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
        ok = ConvertHex(text.substr(1), value);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        ok = ConvertHex(text.substr(2), value);
    } else {
        ok = ConvertDecimal(text, value);
    }
    return ok ? value : 0;
}

int32_t ConvertIntDef(std::string_view text, int32_t defaultValue) {
    bool ok = false;
    int32_t value = ConvertInt(text, ok);
    return ok ? value : defaultValue;
}

int32_t DeviceFileInt(std::string_view text, int32_t defaultValue) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string replaced = "$" + std::string(text.substr(2));
        return ConvertIntDef(replaced, defaultValue);
    }
    return ConvertIntDef(text, defaultValue);
}
