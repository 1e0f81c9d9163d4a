#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// One status line on a terminal, rewritten in place with a carriage return. Disabled when
// the stream is not a terminal or the user asked for quiet, so logs and pipes get only
// the messages.
class ProgressLine {
public:
    ProgressLine(std::FILE* stream, bool enabled) : stream_(stream), enabled_(enabled) {}
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    bool Enabled() const { return enabled_; }
    void Show(const std::string& text);
    // Wipes the line so that a message printed next starts at the left margin.
    void Clear();

private:
    std::FILE* stream_;
    bool enabled_;
    bool shown_ = false;
};

// The progress text: action line, address and, for the two memories with a known
// length, the share done ("Leyendo Programa...  0120  28%").
std::string ProgressLineText(const std::string& accion, const std::string& dir, int32_t address,
                             int32_t limit);
