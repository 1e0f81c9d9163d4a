#include "config/ConfigWord16.h"

#include "common/HexText.h"
#include "devices/IntConv.h"

int ConfigWord16::OscillatorFromBits() const {
    return (bits_[1] ? 2 : 0) + (bits_[0] ? 1 : 0);
}

int32_t ConfigWord16::GetConfigWord() const {
    int32_t word = 0;
    for (int i = 0; i < kBits; ++i) {
        if (bits_[static_cast<size_t>(i)]) {
            word |= 1 << i;
        }
    }
    return word;
}

void ConfigWord16::SetConfigWord(int32_t value) {
    for (int i = 0; i < kBits; ++i) {
        bits_[static_cast<size_t>(i)] = ((value >> i) & 1) != 0;
    }
    // The oscillator choice mirrors bits 1-0; selecting it rewrites the same bits.
    oscillator_ = OscillatorFromBits();
    ShowConfigWord();
    LastConfigWord = value;
}

namespace {

// Captions of bits 13 down to 0 from a space-separated list: each caption but the last
// keeps its trailing space; bit 0 gets whatever text is left.
void SplitNames(const std::string& text, std::array<std::string, ConfigWord16::kBits>& names) {
    std::string rest = text;
    for (int bit = ConfigWord16::kBits - 1; bit >= 1; --bit) {
        size_t space = rest.find(' ');
        if (space == std::string::npos) {
            names[static_cast<size_t>(bit)].clear();
            continue;
        }
        names[static_cast<size_t>(bit)] = rest.substr(0, space + 1);
        rest.erase(0, space + 1);
    }
    names[0] = rest;
}

} // namespace

void ConfigWord16::SetBitNames(const std::string& text) {
    SplitNames(text, names_);
}

void ConfigWord16::SetBitNames2(const std::string& text) {
    SplitNames(text, names2_);
}

void ConfigWord16::SetBit2(int bit, bool checked) {
    if (bit < 0 || bit >= kBits) {
        return;
    }
    Word2 = checked ? (Word2 | 1 << bit) : (Word2 & ~(1 << bit));
}

void ConfigWord16::ShowConfigWord() {
    PalEdit = Hex(GetConfigWord(), 4);
}

void ConfigWord16::SetBit(int bit, bool checked) {
    if (bit < 0 || bit >= kBits) {
        return;
    }
    bits_[static_cast<size_t>(bit)] = checked;
    if (bit <= 1) {
        oscillator_ = OscillatorFromBits();
    }
    ShowConfigWord();
}

void ConfigWord16::SelectOscillator(int choice) {
    if (choice < 0 || choice > 3) {
        return;
    }
    oscillator_ = choice;
    bits_[0] = (choice & 1) != 0;
    bits_[1] = (choice & 2) != 0;
    ShowConfigWord();
}

void ConfigWord16::Apply() {
    int32_t typed = ConvertIntDef("$" + PalEdit, 0x20000);
    SetConfigWord(typed < 0 || typed > 0xFFFF ? LastConfigWord : typed);
}
