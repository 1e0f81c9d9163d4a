#include "image/HexWriter.h"

#include "common/HexText.h"
#include "image/HexChecksum.h"
#include "image/HexRecordList.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kCellsPerRecord = 16;
constexpr int64_t kConfigWordOffset = 7; // the configuration word follows three reserved words
constexpr const char* kEndRecord = ":00000001FF";

std::string WordBytes(int64_t word) {
    return Hex(word & 0xFF, 2) + Hex((word >> 8) & 0xFF, 2);
}

} // namespace

std::optional<int64_t> CellValue(const std::string& text, int64_t max) {
    int64_t v = 0;
    if (!ParseHex(text, v) || v > max) {
        return std::nullopt;
    }
    return v;
}

HexImage Refused(const Phrase& error) {
    HexImage out;
    out.error = error;
    return out;
}

std::string HexRecord(uint32_t address, const std::string& type, const std::string& data) {
    std::string line =
        ":" + Hex(static_cast<int64_t>(data.size() / 2), 2) + Hex(address, 4) + type + data;
    return line + HexChecksum(line).value_or("00");
}

HexImage BuildHexLines(const DeviceRecord& device, MemoryImage& image, int32_t configWord,
                       std::optional<int32_t> configWord2) {
    HexImage out;
    RecordList records(out.lines);
    const int64_t maxWord = (int64_t{1} << device.ProgBits) - 1;
    for (int32_t a = 0; a < device.ProgMem; a += kCellsPerRecord) {
        const int32_t n = std::min(kCellsPerRecord, device.ProgMem - a);
        std::string data;
        for (int32_t k = 0; k < n; ++k) {
            std::optional<int64_t> word = CellValue(image.HexEditG.At(a + k), maxWord);
            if (!word) {
                return Refused(
                    Say("image", "Error en los códigos de programa (fuera de rango), dir: %1")
                        .Arg(Hex(a + k, 4)));
            }
            data += WordBytes(*word);
        }
        records.Add(2 * int64_t{a}, data); // at most 2^22 bytes: always placed
    }

    // The ID words and the configuration word go where the reader takes them from: the
    // device's configuration area (word 2000h, byte 4000h, on every real family 16 part).
    const int32_t ident = image.GetIdent();
    std::string idData;
    for (int shift = 12; shift >= 0; shift -= 4) {
        idData += Hex((ident >> shift) & 0xF, 2) + "00";
    }
    const int64_t configArea = 2 * int64_t{device.ConfigStart};
    if (!records.Add(configArea, idData) ||
        !records.Add(configArea + 2 * kConfigWordOffset, WordBytes(configWord)) ||
        (configWord2 &&
         !records.Add(configArea + 2 * (kConfigWordOffset + 1), WordBytes(*configWord2)))) {
        return Refused(
            Say("image", "Error en la dirección de configuración (fuera de rango), dir: %1")
                .Arg(Hex(device.ConfigStart, 4)));
    }

    for (int32_t e = 0; e < device.EEProm; e += kCellsPerRecord) {
        const int32_t n = std::min(kCellsPerRecord, device.EEProm - e);
        std::string data;
        for (int32_t k = 0; k < n; ++k) {
            std::optional<int64_t> byte = CellValue(image.DatosEditG.At(e + k), 0xFF);
            if (!byte) {
                return Refused(
                    Say("image", "Error en los códigos de datos (fuera de rango), dir: %1")
                        .Arg(Hex(e + k, 4)));
            }
            data += Hex(*byte, 2) + "00";
        }
        if (!records.Add(2 * (int64_t{device.EEPromStart} + e), data)) {
            return Refused(Say("image", "Error en la dirección de EEPROM (fuera de rango), dir: %1")
                               .Arg(Hex(device.EEPromStart, 4)));
        }
    }
    out.lines.push_back(kEndRecord);
    return out;
}

bool WriteHexFileAtomically(const std::string& path, const std::vector<std::string>& lines) {
    const size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = dir + "/." + name + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    // mkstemp creates the file private; give it the permissions a new file normally gets.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    bool ok = true;
    size_t done = 0;
    while (ok && done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        ok = n > 0;
        done += ok ? static_cast<size_t>(n) : 0;
    }
    ok = (fsync(fd) == 0) && ok;
    ok = (close(fd) == 0) && ok;
    if (ok) {
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    }
    if (!ok) {
        std::remove(temp.c_str());
    }
    return ok;
}
