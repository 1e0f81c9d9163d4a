#pragma once
#include <cstdint>
#include <map>
#include <vector>

namespace Sim {

// The holding registers that PIC18 table writes fill and a programming pulse empties into
// flash. DS39576 parts in multi-panel mode keep one row per 8 KiB panel and program them
// all with one pulse; otherwise there is one row. Registers read 0xFF after each pulse.
class Pic18WriteBuffer {
public:
    struct Row {
        uint32_t base = 0; // address of the row's first byte
        std::vector<uint8_t> bytes;
        bool dirty = false;
    };

    explicit Pic18WriteBuffer(uint32_t rowBytes) : rowBytes_(rowBytes) {}

    // Puts a byte into the row of `key` (the panel, or 0 for the single row).
    void Write(uint32_t key, uint32_t address, uint8_t value);
    const std::map<uint32_t, Row>& Rows() const { return rows_; }
    const Row* Find(uint32_t key) const;
    void Clear() { rows_.clear(); }
    uint32_t RowBytes() const { return rowBytes_; }

private:
    uint32_t rowBytes_;
    std::map<uint32_t, Row> rows_;
};

} // namespace Sim
