#pragma once
#include "common/HexText.h"
#include "image/HexWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// Appends data records, preceded by an extended linear address record (type 04) whenever
// a record lies in another 64 KiB page than the one before: the address field holds only
// 16 bits, and a wider address written into it would make the record unreadable.
class RecordList {
public:
    static constexpr int64_t kLastByteAddress = 0xFFFFFFFF;

    explicit RecordList(std::vector<std::string>& lines) : lines_(lines) {}

    // False when the bytes do not fit the 32-bit address space of the format.
    bool Add(int64_t byteAddress, const std::string& data) {
        const int64_t bytes = static_cast<int64_t>(data.size() / 2);
        if (byteAddress < 0 || byteAddress + bytes - 1 > kLastByteAddress) {
            return false;
        }
        const uint32_t page = static_cast<uint32_t>(byteAddress >> 16);
        if (page != page_) {
            lines_.push_back(HexRecord(0, "04", Hex(page, 4)));
            page_ = page;
        }
        lines_.push_back(HexRecord(static_cast<uint32_t>(byteAddress & 0xFFFF), "00", data));
        return true;
    }

private:
    std::vector<std::string>& lines_;
    uint32_t page_ = 0;
};
