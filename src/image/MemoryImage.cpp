#include "image/MemoryImage.h"

#include "common/HexText.h"
#include "devices/IntConv.h"

std::string MemoryImage::BlankProgramText(const DeviceRecord& device) {
    if (device.Family == 16) {
        int64_t blank = (int64_t{1} << device.ProgBits) - 1;
        return Hex(blank, 4);
    }
    return "FF";
}

void MemoryImage::InitHexEditG(const DeviceRecord& device) {
    ProgUsed = 0;
    HexEditG.Reset(device.ProgMem, "PROG", BlankProgramText(device));
}

void MemoryImage::InitDatosEditG(const DeviceRecord& device) {
    EEPromUsed = 0;
    DatosEditG.Reset(device.EEProm, "EEPR", "FF");
}

int32_t MemoryImage::GetIdent() {
    int32_t value = ConvertIntDef("$" + EditIdent, 0);
    SetIdent(value);
    return value;
}

void MemoryImage::SetIdent(int32_t value) {
    EditIdent = Hex(value, 4);
}

void MemoryImage::FitIdentToFamily(int32_t family) {
    constexpr size_t kDigits16 = 4;
    if (family == 16 && EditIdent.size() > kDigits16) {
        EditIdent.resize(kDigits16);
    }
}

namespace {

bool Edit(CellTable& table, int32_t& used, int column, int row, const std::string& text) {
    if (!table.IsDataCell(column, row)) {
        return false;
    }
    table.SetCell(column, row, text);
    int32_t reach = CellTable::AddressOf(column, row) + 1;
    if (reach > used) {
        used = reach;
    }
    return true;
}

} // namespace

bool MemoryImage::EditProgramCell(int column, int row, const std::string& text) {
    return Edit(HexEditG, ProgUsed, column, row, text);
}

bool MemoryImage::EditDataCell(int column, int row, const std::string& text) {
    return Edit(DatosEditG, EEPromUsed, column, row, text);
}

int32_t MemoryImage::IdByte18(int index) const {
    int32_t value = 0;
    for (size_t k = 2 * static_cast<size_t>(index); k < 2 * static_cast<size_t>(index) + 2; ++k) {
        const int digit = k < EditIdent.size() ? HexDigitValue(EditIdent[k]) : -1;
        value = value * 16 + (digit < 0 ? 0xF : digit);
    }
    return value;
}

void MemoryImage::SetIdByte18(int index, int32_t value) {
    std::string text;
    for (int i = 0; i < kIdBytes18; ++i) {
        text += Hex(i == index ? (value & 0xFF) : IdByte18(i), 2);
    }
    EditIdent = text;
}
