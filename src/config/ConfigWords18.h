#pragma once
#include <array>
#include <string>

// The seven family 18 configuration words as the configuration window holds them: the
// words to program (EditConf) and the device's recommended words (Edit), as hex texts.
// Word n's first two digits are the high byte at 300000h + 2(n-1) + 1, the last two the
// low byte at 300000h + 2(n-1).
class ConfigWords18 {
public:
    static constexpr int kWords = 7;

    // Fills both columns from the device's seven space-separated recommended words.
    void SetDefaultWords(const std::string& text);
    // Normalises word n (0-based) to 4 hex digits when the user leaves its field:
    // empty, non-hex or out-of-range text becomes "FFFF".
    void EditConfExit(int n);
    // "Recomendados": the recommended column copied over the words.
    void Recomendados();

    std::array<std::string, kWords> EditConf{"0000", "0000", "0000", "0000",
                                             "0000", "0000", "0000"};
    std::array<std::string, kWords> Edit{"0000", "0000", "0000", "0000", "0000", "0000", "0000"};
};
