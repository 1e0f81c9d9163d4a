#include "config/ConfigWords18.h"

#include "common/HexText.h"
#include "devices/IntConv.h"

void ConfigWords18::SetDefaultWords(const std::string& text) {
    std::string rest = text;
    for (int n = 0; n < kWords; ++n) {
        std::string token;
        if (n < kWords - 1) {
            size_t space = rest.find(' ');
            if (space != std::string::npos) {
                token = rest.substr(0, space);
                rest.erase(0, space + 1);
            }
        } else {
            token = rest;
        }
        // The default text's "FFFF" tokens stand for FFFF hex; other tokens follow the
        // device file's integer rule (bare digits are decimal, "$"/"0x" mark hex).
        int32_t value = token == "FFFF" ? 0xFFFF : DeviceFileInt(token, 0);
        EditConf[static_cast<size_t>(n)] = Hex(value, 4);
        Edit[static_cast<size_t>(n)] = EditConf[static_cast<size_t>(n)];
    }
}

void ConfigWords18::EditConfExit(int n) {
    if (n < 0 || n >= kWords) {
        return;
    }
    std::string& field = EditConf[static_cast<size_t>(n)];
    int32_t value = ConvertIntDef("$" + field, 0xFFFFF);
    field = (value < 0 || value > 0xFFFF) ? "FFFF" : Hex(value, 4);
}

void ConfigWords18::Recomendados() {
    EditConf = Edit;
}
