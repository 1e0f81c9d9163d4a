#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A grid of cell texts addressed by (column, row), like the string grids of the main
// window: row 0 and column 0 are header cells, rows 1.. and columns 1..16 hold the data
// cells, 16 consecutive addresses a row. The cell texts are the memory image.
class CellTable {
public:
    static constexpr int kColumns = 17;
    static constexpr int kCellsPerRow = 16;

    // Sizes the table for `cells` data cells, fills the headers (corner text, hex digits
    // 0..F, row addresses of at least 4 digits) and every data cell with `blank`.
    // A size that is not a multiple of 16 gets its last, partial row; the cells past the
    // size in that row are blank and not editable.
    void Reset(int32_t cells, const std::string& corner, const std::string& blank);

    int RowCount() const { return rowCount_; }
    int ColumnCount() const { return kColumns; }
    int32_t Size() const { return size_; }

    // Plain access to one cell's text. Out-of-range cells read as empty and ignore writes.
    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, const std::string& text);

    // Data cell by address (0-based, relative to the start of this memory).
    const std::string& At(int32_t address) const;
    void SetAt(int32_t address, const std::string& text);

    // True for data cells that hold an address below the size.
    bool IsDataCell(int column, int row) const;

    static int ColumnOf(int32_t address) { return static_cast<int>(address % kCellsPerRow) + 1; }
    static int RowOf(int32_t address) { return static_cast<int>(address / kCellsPerRow) + 1; }
    static int32_t AddressOf(int column, int row) {
        return static_cast<int32_t>(row - 1) * kCellsPerRow + (column - 1);
    }

private:
    int32_t size_ = 0;
    int rowCount_ = 0;
    std::string corner_;
    std::vector<std::string> data_; // rowCount_-1 full rows of 16
    static const std::string kEmpty;
};
