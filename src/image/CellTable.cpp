#include "image/CellTable.h"

#include "common/HexText.h"

const std::string CellTable::kEmpty;

void CellTable::Reset(int32_t cells, const std::string& corner, const std::string& blank) {
    size_ = cells < 0 ? 0 : cells;
    int32_t dataRows = (size_ + kCellsPerRow - 1) / kCellsPerRow;
    rowCount_ = static_cast<int>(dataRows) + 1;
    corner_ = corner;
    data_.assign(static_cast<size_t>(dataRows) * kCellsPerRow, blank);
    // Cells past the size in a partial last row hold no address: they stay blank text-less.
    for (size_t i = static_cast<size_t>(size_); i < data_.size(); ++i) {
        data_[i].clear();
    }
}

bool CellTable::IsDataCell(int column, int row) const {
    if (column < 1 || column >= kColumns || row < 1 || row >= rowCount_) {
        return false;
    }
    return AddressOf(column, row) < size_;
}

const std::string& CellTable::Cell(int column, int row) const {
    static thread_local std::string header;
    if (row == 0 && column == 0) {
        return corner_;
    }
    if (row == 0 && column > 0 && column < kColumns) {
        header = Hex(column - 1, 1);
        return header;
    }
    if (column == 0 && row > 0 && row < rowCount_) {
        header = Hex(static_cast<int64_t>(row - 1) * kCellsPerRow, 4);
        return header;
    }
    if (!IsDataCell(column, row)) {
        return kEmpty;
    }
    return data_[static_cast<size_t>(AddressOf(column, row))];
}

void CellTable::SetCell(int column, int row, const std::string& text) {
    if (IsDataCell(column, row)) {
        data_[static_cast<size_t>(AddressOf(column, row))] = text;
    }
}

const std::string& CellTable::At(int32_t address) const {
    if (address < 0 || address >= size_) {
        return kEmpty;
    }
    return data_[static_cast<size_t>(address)];
}

void CellTable::SetAt(int32_t address, const std::string& text) {
    if (address >= 0 && address < size_) {
        data_[static_cast<size_t>(address)] = text;
    }
}
