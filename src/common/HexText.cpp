#include "common/HexText.h"

#include <cctype>

std::string Hex(int64_t x, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    uint64_t v = x < 0 ? static_cast<uint32_t>(static_cast<int32_t>(x)) : static_cast<uint64_t>(x);
    std::string out;
    do {
        out.insert(out.begin(), kDigits[v & 0xF]);
        v >>= 4;
    } while (v != 0);
    if (static_cast<int>(out.size()) < digits) {
        out.insert(out.begin(), static_cast<size_t>(digits) - out.size(), '0');
    }
    return out;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool ParseHex(const std::string& text, int64_t& value) {
    if (text.empty() || text.size() > 8) {
        return false;
    }
    int64_t v = 0;
    for (char c : text) {
        const int d = HexDigitValue(c);
        if (d < 0) {
            return false;
        }
        v = v * 16 + d;
    }
    value = v;
    return true;
}
