#pragma once
#include <array>
#include <cstdint>
#include <string>

// The family 16 configuration word as the configuration window holds it: fourteen bit
// states (bit i checked = 1), the oscillator choice that mirrors bits 1 and 0, the word
// shown in hex, the recommended word and the last word applied.
class ConfigWord16 {
public:
    static constexpr int kBits = 14;

    // Sum of 2^i over the set bits: 0..0x3FFF.
    int32_t GetConfigWord() const;
    // Sets bits 0..13 from value, selects the oscillator from bits 1-0, shows the word
    // and records value as LastConfigWord (bits above 13 included).
    void SetConfigWord(int32_t value);
    // Captions of bits 13 down to 0 from a space-separated list: each caption but the
    // last keeps its trailing space; bit 0 gets whatever text is left.
    void SetBitNames(const std::string& text);
    // PalEdit := the word as 4 upper-case hex digits.
    void ShowConfigWord();

    // One check box clicked by the user.
    void SetBit(int bit, bool checked);
    bool Bit(int bit) const { return bits_[static_cast<size_t>(bit)]; }
    // One oscillator radio button chosen (0..3): bits 1-0 follow it.
    void SelectOscillator(int choice);
    int Oscillator() const { return oscillator_; }
    // "Aplicar": applies the hex word typed in PalEdit, or restores LastConfigWord when the
    // text does not convert or lies outside 0..0xFFFF.
    void Apply();

    const std::string& BitName(int bit) const { return names_[static_cast<size_t>(bit)]; }

    // The second configuration word at 2008h (16F87/88). Devices without it keep
    // HasWord2 false and the word unused.
    bool HasWord2 = false;
    int32_t Word2 = 0x3FFF;
    std::string Word2Default = "3FFF"; // the recommended second word, as shown
    // Names of bits 13 down to 0 of the second word ("-" for unimplemented bits).
    void SetBitNames2(const std::string& text);
    const std::string& BitName2(int bit) const { return names2_[static_cast<size_t>(bit)]; }
    // Sets or clears one bit of the second word.
    void SetBit2(int bit, bool checked);
    int32_t LastConfigWord = 0;
    std::string PalEdit = "0000";  // the word in hex, editable
    std::string PalEdit2 = "0000"; // the recommended word

private:
    // The oscillator button that bits 1 and 0 select (0..3).
    int OscillatorFromBits() const;

    std::array<bool, kBits> bits_{};
    std::array<std::string, kBits> names_{"FOSC0", "FOSC1", "WDTE", "_PWRTE"};
    std::array<std::string, kBits> names2_{};
    int oscillator_ = 2;
};
