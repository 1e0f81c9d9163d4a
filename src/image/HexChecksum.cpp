#include "image/HexChecksum.h"

#include "common/HexText.h"

std::optional<std::string> HexChecksum(std::string_view line, std::string* badGroup) {
    unsigned sum = 0;
    size_t pos = 1;
    do {
        std::string_view group = pos < line.size() ? line.substr(pos, 2) : std::string_view();
        int value = 0;
        bool ok = !group.empty();
        for (char c : group) {
            int d = HexDigitValue(c);
            ok = ok && d >= 0;
            value = value * 16 + (d < 0 ? 0 : d);
        }
        if (!ok) {
            if (badGroup != nullptr) {
                *badGroup = std::string(group);
            }
            return std::nullopt;
        }
        sum += static_cast<unsigned>(value);
        pos += 2;
    } while (pos < line.size());
    return Hex((256 - sum % 256) % 256, 2);
}

Phrase NotHexMessage(const std::string& group) {
    // A binary file's bytes would garble the message box: show them as \xNN.
    std::string shown;
    for (char c : group) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte >= 0x20 && byte < 0x7F ? std::string(1, c) : "\\x" + Hex(byte, 2);
    }
    return Say("image", "'%1' no es un valor hexadecimal válido.").Arg(shown);
}
