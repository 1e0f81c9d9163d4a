#pragma once
#include <cstdint>
#include <string_view>

// Converts text to a 32-bit integer the way the device file's integer keys are read:
// leading blanks skipped, then either an optional sign and decimal digits, or a
// hexadecimal prefix ("$", "x", "X", "0x", "0X") and at most 8 hexadecimal digits.
// The whole text must convert; otherwise ok is false and the result is 0.
int32_t ConvertInt(std::string_view text, bool& ok);

// ConvertInt with a fallback value for text that does not convert.
int32_t ConvertIntDef(std::string_view text, int32_t defaultValue);

// Device-file integer reading: a text longer than 2 characters that begins with "0x" or
// "0X" has that prefix replaced by "$" first, then ConvertIntDef.
int32_t DeviceFileInt(std::string_view text, int32_t defaultValue);
