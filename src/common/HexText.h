#pragma once
#include <cstdint>
#include <string>

// x in upper-case hexadecimal, zero-padded to at least `digits` digits: the form of every
// number the program writes into cells and messages. Negative values show as their
// 32-bit two's complement ("FFFFFFFF" for -1).
std::string Hex(int64_t x, int digits);

// The value of one hexadecimal digit of either case, or -1 for any other character.
int HexDigitValue(char c);

// Parses text that must be a hexadecimal number (no prefix, no blanks, at most 8 digits).
// Returns false when it does not parse; value is then left untouched.
bool ParseHex(const std::string& text, int64_t& value);
