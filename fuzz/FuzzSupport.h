#pragma once
#include "common/Messages.h"
#include "image/HexChecksum.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A broken invariant is a finding: print what broke and abort so libFuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", what, __FILE__, __LINE__);      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Answers Abort/Ignore questions from a pattern of bits (bit set = Abort), cycling through
// them, and counts every message so a target can tell a silent load from a reported one.
class FuzzMessages : public Messages {
public:
    explicit FuzzMessages(uint8_t abortBits = 0, int bitCount = 4)
        : abortBits_(abortBits), bitCount_(bitCount) {}

    void ShowError(const Phrase& message) override { Count(message); }
    bool AskAbortIgnore(const Phrase& message) override {
        Count(message);
        const bool abort = ((abortBits_ >> (questions_ % bitCount_)) & 1) != 0;
        ++questions_;
        return abort;
    }
    void ShowInfo(const Phrase& message) override { Count(message); }
    bool AskYesNo(const Phrase& message) override {
        Count(message);
        return false;
    }

    int count = 0;

private:
    void Count(const std::string& message) {
        FUZZ_CHECK(!message.empty(), "every message has a text");
        ++count;
    }
    uint8_t abortBits_;
    int bitCount_;
    int questions_ = 0;
};

inline bool AllHex(std::string_view text) {
    for (char c : text) {
        const bool digit =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (!digit) {
            return false;
        }
    }
    return true;
}

// A complete Intel HEX record: ":", length, 4-digit address, type, exactly `length` data
// bytes and a checksum that makes the byte sum zero, all in upper-case hex.
inline bool WellFormedRecord(const std::string& line) {
    if (line.size() < 11 || line[0] != ':' || !AllHex(line.substr(1))) {
        return false;
    }
    for (char c : line) {
        if (c >= 'a' && c <= 'f') {
            return false;
        }
    }
    const size_t length = std::stoul(line.substr(1, 2), nullptr, 16);
    return line.size() == 11 + 2 * length && HexChecksum(line) == std::optional<std::string>("00");
}
