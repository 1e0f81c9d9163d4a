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

bool ParseHex(const std::string& text, int64_t& value) {
    if (text.empty() || text.size() > 8) {
        return false;
    }
    int64_t v = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        int d = std::isdigit(static_cast<unsigned char>(c))
                    ? c - '0'
                    : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        v = v * 16 + d;
    }
    value = v;
    return true;
}
