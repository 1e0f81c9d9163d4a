#include "image/HexWriter.h"

#include "common/HexText.h"
#include "image/HexRecordList.h"

#include <algorithm>

namespace {

constexpr int kBytesPerRecord = 16;
constexpr int64_t kIdStart = 0x200000;
constexpr int64_t kConfigStart = 0x300000;
constexpr int64_t kEepromStart = 0xF00000;
constexpr const char* kEndRecord = ":00000001FF";

// Cells [0, count) of a table as data records from `base` on, 16 bytes a record. False,
// with `bad` at the first cell that is not a byte, when a cell does not convert.
bool AddBytes(RecordList& records, int64_t base, const CellTable& cells, int32_t count,
              int32_t& bad) {
    for (int32_t a = 0; a < count; a += kBytesPerRecord) {
        const int32_t n = std::min(kBytesPerRecord, count - a);
        std::string data;
        for (int32_t k = 0; k < n; ++k) {
            std::optional<int64_t> byte = CellValue(cells.At(a + k), 0xFF);
            if (!byte) {
                bad = a + k;
                return false;
            }
            data += Hex(*byte, 2);
        }
        records.Add(base + a, data); // below F00000h + 2 MiB: always placed
    }
    return true;
}

} // namespace

HexImage BuildHexLines18(const DeviceRecord& device, const MemoryImage& image,
                         const std::array<std::string, 7>& configWords) {
    HexImage out;
    RecordList records(out.lines);
    int32_t bad = 0;
    if (!AddBytes(records, 0, image.HexEditG, device.ProgMem, bad)) {
        return Refused(Say("image", "Error en los códigos de programa (fuera de rango), dir: %1")
                           .Arg(Hex(bad, 4)));
    }
    std::string ids;
    for (int i = 0; i < MemoryImage::kIdBytes18; ++i) {
        ids += Hex(image.IdByte18(i), 2);
    }
    records.Add(kIdStart, ids);

    std::string config;
    for (size_t n = 0; n < configWords.size(); ++n) {
        std::optional<int64_t> word = CellValue(configWords[n], 0xFFFF);
        if (!word) {
            return Refused(Say("image", "Error en la palabra de configuración %1 (fuera de rango)")
                               .Arg(std::to_string(n + 1)));
        }
        config += Hex(*word & 0xFF, 2) + Hex(*word >> 8, 2); // CONFIGnL, then CONFIGnH
    }
    records.Add(kConfigStart, config);

    if (!AddBytes(records, kEepromStart, image.DatosEditG, device.EEProm, bad)) {
        return Refused(Say("image", "Error en los códigos de datos (fuera de rango), dir: %1")
                           .Arg(Hex(bad, 4)));
    }
    out.lines.push_back(kEndRecord);
    return out;
}
