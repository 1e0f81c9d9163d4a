#pragma once
#include "devices/DeviceRecord.h"
#include "image/CellTable.h"

#include <cstdint>
#include <string>

// The memory image: program memory and EEPROM as cell texts, the counters of cells in
// use and the identifier text. There is no binary buffer: consumers parse the texts.
struct MemoryImage {
    CellTable HexEditG;   // program memory
    CellTable DatosEditG; // data EEPROM
    int32_t ProgUsed = 0;
    int32_t EEPromUsed = 0;
    std::string EditIdent = "FFFF";

    // Blank text of a program cell for the device: 2^ProgBits - 1 in 4 digits for
    // family 16, "FF" otherwise.
    static std::string BlankProgramText(const DeviceRecord& device);

    void InitHexEditG(const DeviceRecord& device);
    void InitDatosEditG(const DeviceRecord& device);

    // Reads the identifier as hexadecimal (0 when empty or not hexadecimal) and rewrites
    // the field normalised to 4 digits.
    int32_t GetIdent();
    void SetIdent(int32_t value);
    // After a change of family: a family 16 identifier is the 4 digits its field shows, so
    // the 16 digits of a family 18 part keep only their first 4 (what the field then
    // shows is what is saved and written).
    void FitIdentToFamily(int32_t family);

    // Family 18: the eight ID bytes at 200000h are the identifier's 16 hex digits, byte
    // 200000h first. Digits missing from a shorter text, or not hexadecimal, read as F:
    // an erased ID byte. Setting a byte writes the whole text out to 16 digits.
    static constexpr int kIdBytes18 = 8;
    int32_t IdByte18(int index) const;
    void SetIdByte18(int index, int32_t value);

    // A user edit of a cell: the text is stored as typed and the counter is raised to
    // one past the edited address. Returns false when the cell is not editable.
    bool EditProgramCell(int column, int row, const std::string& text);
    bool EditDataCell(int column, int row, const std::string& text);
};
