#include "cli/ProgressLine.h"

#include <cstdint>

namespace {
// Erase from the cursor to the end of the line: a shorter text must not leave the tail
// of a longer one behind.
const char* const kEraseToEnd = "\033[K";
} // namespace

void ProgressLine::Show(const std::string& text) {
    if (!enabled_) {
        return;
    }
    std::fprintf(stream_, "\r%s%s", text.c_str(), kEraseToEnd);
    std::fflush(stream_);
    shown_ = true;
}

void ProgressLine::Clear() {
    if (!shown_) {
        return;
    }
    std::fprintf(stream_, "\r%s", kEraseToEnd);
    std::fflush(stream_);
    shown_ = false;
}

std::string ProgressLineText(const std::string& accion, const std::string& dir, int32_t address,
                             int32_t limit) {
    std::string text = accion + "  " + dir;
    if (limit > 0 && address >= 0) {
        const int64_t percent = int64_t{address} * 100 / limit;
        text += "  " + std::to_string(percent) + "%";
    }
    return text;
}
