#pragma once
#include "common/Phrase.h"
#include <optional>

#include <string>
#include <string_view>

// Checksum of an Intel HEX record line, from its second character to its end, taken in
// two-character groups (a last single character is a group of its own): the two's
// complement of the sum modulo 256, as 2 upper-case hex digits. On a line without its
// checksum it gives the checksum to append; on a whole valid line it gives "00".
// When a group is not hexadecimal the result is empty and badGroup names it.
std::optional<std::string> HexChecksum(std::string_view line, std::string* badGroup = nullptr);

// The error text for a group of characters that is not hexadecimal.
Phrase NotHexMessage(const std::string& group);
