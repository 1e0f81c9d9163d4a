#include "simulator/Pic18WriteBuffer.h"

namespace Sim {

void Pic18WriteBuffer::Write(uint32_t key, uint32_t address, uint8_t value) {
    Row& row = rows_[key];
    if (row.bytes.empty()) {
        row.bytes.assign(rowBytes_, 0xFF);
    }
    // The row follows the table pointer: the last write decides where the row lands.
    row.base = address - address % rowBytes_;
    row.bytes[address % rowBytes_] = value;
    row.dirty = true;
}

const Pic18WriteBuffer::Row* Pic18WriteBuffer::Find(uint32_t key) const {
    auto it = rows_.find(key);
    return it == rows_.end() ? nullptr : &it->second;
}

} // namespace Sim
