#include "simulator/ChipFile.h"

#include "common/SystemError.h"
#include "devices/DeviceIds.h"
#include "simulator/Pic16Target.h"

#include <cerrno>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace Sim {

namespace {

constexpr uint8_t RecordData = 0x00;
constexpr uint8_t RecordEnd = 0x01;
constexpr uint8_t RecordSegment = 0x02;
constexpr uint8_t RecordLinear = 0x04;
constexpr size_t RecordBytes = 16;

// Byte address of a cell in the file and the number of bytes it takes there.
struct Place {
    uint32_t address;
    uint32_t bytes;
};

const Space AllSpaces[] = {Space::Program, Space::Eeprom,   Space::Id,
                           Space::Config,  Space::DeviceId, Space::Calibration};

// calibrationAddress: the configuration-half address of calibration word `index`.
Place Pic16Place(Space space, uint32_t index, uint32_t calibrationAddress = 0) {
    switch (space) {
    case Space::Program:
        return {2 * index, 2};
    case Space::Eeprom:
        return {0x4200 + 2 * index, 2}; // a word with the byte in its low half
    case Space::Id:
        return {0x4000 + 2 * index, 2};
    case Space::Config:
        return {0x400E + 2 * index, 2};
    case Space::DeviceId:
        return {0x400C, 2};
    case Space::Calibration:
        return {2 * calibrationAddress, 2};
    }
    return {0, 0};
}

Place Pic18Place(Space space, uint32_t index) {
    switch (space) {
    case Space::Program:
        return {index, 1};
    case Space::Eeprom:
        return {0xF00000 + index, 1};
    case Space::Id:
        return {0x200000 + index, 1};
    case Space::Config:
        return {0x300000 + index, 1};
    case Space::DeviceId:
        return {0x3FFFFE + index, 1};
    case Space::Calibration:
        break; // no PIC18 part has calibration words
    }
    return {0, 0};
}

Place PlaceOf(const Target& chip, Space space, uint32_t index) {
    const auto* pic16 = dynamic_cast<const Pic16Target*>(&chip);
    return pic16 != nullptr ? Pic16Place(space, index, pic16->CalibrationAddress(index))
                            : Pic18Place(space, index);
}

std::string Record(uint8_t type, uint16_t address, const std::vector<uint8_t>& data) {
    char text[16];
    std::snprintf(text, sizeof text, ":%02X%04X%02X", static_cast<unsigned>(data.size()), address,
                  type);
    std::string line = text;
    unsigned sum = static_cast<unsigned>(data.size()) + (address >> 8) + (address & 0xFF) + type;
    for (uint8_t byte : data) {
        std::snprintf(text, sizeof text, "%02X", byte);
        line += text;
        sum += byte;
    }
    std::snprintf(text, sizeof text, "%02X", (0x100 - (sum & 0xFF)) & 0xFF);
    return line + text + "\n";
}

std::string Render(const std::map<uint32_t, uint8_t>& bytes) {
    std::string out;
    uint32_t upper = 0;
    auto it = bytes.begin();
    while (it != bytes.end()) {
        const uint32_t start = it->first;
        if ((start >> 16) != upper) {
            upper = start >> 16;
            out += Record(RecordLinear, 0,
                          {static_cast<uint8_t>(upper >> 8), static_cast<uint8_t>(upper)});
        }
        std::vector<uint8_t> data;
        // A record holds consecutive bytes within one 64 KiB page.
        while (it != bytes.end() && it->first == start + data.size() && data.size() < RecordBytes &&
               (it->first >> 16) == upper) {
            data.push_back(it->second);
            ++it;
        }
        out += Record(RecordData, static_cast<uint16_t>(start), data);
    }
    return out + Record(RecordEnd, 0, {});
}

std::optional<std::vector<uint8_t>> ParseHex(const std::string& text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        for (size_t k = i; k < i + 2; ++k) {
            const char c = text[k];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                     : -1;
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + static_cast<unsigned>(digit);
        }
        bytes.push_back(static_cast<uint8_t>(value));
    }
    return bytes;
}

// Reads the data records into a byte map; false on the first malformed record.
bool ReadBytes(std::istream& in, std::map<uint32_t, uint8_t>& bytes, Phrase& error) {
    std::string line;
    uint32_t base = 0;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        const auto rec = line[0] == ':' ? ParseHex(line.substr(1)) : std::nullopt;
        unsigned sum = 0;
        for (uint8_t b : rec.value_or(std::vector<uint8_t>{})) {
            sum += b;
        }
        if (!rec || rec->size() < 5 || rec->size() != size_t{(*rec)[0]} + 5 || (sum & 0xFF) != 0) {
            error =
                Say("simulator", "registro mal formado en la línea %1").Arg(std::to_string(lineNo));
            return false;
        }
        const std::vector<uint8_t>& r = *rec;
        const uint32_t offset = uint32_t{r[1]} << 8 | r[2];
        if (r[3] == RecordEnd) {
            return true;
        }
        if (r[3] == RecordData) {
            for (size_t i = 0; i < r[0]; ++i) {
                bytes[base + offset + static_cast<uint32_t>(i)] = r[4 + i];
            }
        } else if ((r[3] == RecordLinear || r[3] == RecordSegment) && r[0] == 2) {
            const uint32_t value = uint32_t{r[4]} << 8 | r[5];
            base = r[3] == RecordLinear ? value << 16 : value << 4;
        }
    }
    error = Say("simulator", "falta el registro de fin");
    return false;
}

} // namespace

bool SaveChip(const Target& chip, const std::string& path, Phrase& error) {
    std::map<uint32_t, uint8_t> bytes;
    for (Space space : AllSpaces) {
        for (uint32_t i = 0; i < chip.Size(space); ++i) {
            const Place place = PlaceOf(chip, space, i);
            const uint32_t value = chip.Peek(space, i);
            for (uint32_t k = 0; k < place.bytes; ++k) {
                bytes[place.address + k] = static_cast<uint8_t>(value >> (8 * k));
            }
        }
    }
    // A unique temporary file beside the chip file, renamed over it once complete: the
    // chip file is never left half written.
    const size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = dir + "." + name + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = Say("simulator", "no se puede escribir en la carpeta del fichero: %1")
                    .Arg(SystemErrorText(errno));
        return false;
    }
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    const std::string text = Render(bytes);
    size_t done = 0;
    int failure = 0;
    while (failure == 0 && done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        failure = n > 0 ? 0 : (errno != 0 ? errno : EIO);
        done += n > 0 ? static_cast<size_t>(n) : 0;
    }
    if (failure == 0 && fsync(fd) != 0) {
        failure = errno;
    }
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        error = Say("simulator", "no se puede escribir: %1").Arg(SystemErrorText(failure));
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool LoadChip(Target& chip, const std::string& path, Phrase& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = Say("simulator", "no se puede abrir: %1").Arg(SystemErrorText(errno));
        return false;
    }
    std::map<uint32_t, uint8_t> bytes;
    if (!ReadBytes(in, bytes, error)) {
        return false;
    }
    for (Space space : AllSpaces) {
        for (uint32_t i = 0; i < chip.Size(space); ++i) {
            const Place place = PlaceOf(chip, space, i);
            uint32_t value = 0;
            bool present = true;
            for (uint32_t k = 0; k < place.bytes && present; ++k) {
                auto it = bytes.find(place.address + k);
                present = it != bytes.end();
                value |= present ? uint32_t{it->second} << (8 * k) : 0;
            }
            if (present) {
                chip.Poke(space, i, value);
            }
        }
    }
    return true;
}

} // namespace Sim

namespace Sim {

std::optional<ChipIdentity> ChipFileIdentity(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::map<uint32_t, uint8_t> bytes;
    Phrase error;
    if (!in || !ReadBytes(in, bytes, error)) {
        return std::nullopt;
    }
    const auto word = [&bytes](uint32_t low) -> std::optional<uint32_t> {
        const auto lo = bytes.find(low);
        const auto hi = bytes.find(low + 1);
        if (lo == bytes.end() || hi == bytes.end()) {
            return std::nullopt;
        }
        return uint32_t{hi->second} << 8 | lo->second;
    };
    if (const auto id18 = word(Pic18Place(Space::DeviceId, 0).address)) {
        return ChipIdentity{18, *id18};
    }
    if (const auto id16 = word(Pic16Place(Space::DeviceId, 0).address)) {
        return ChipIdentity{16, *id16};
    }
    return std::nullopt;
}

std::string ChipFileDevice(const std::string& path, const DeviceList& list, const IniFile& ini) {
    const std::optional<ChipIdentity> chip = ChipFileIdentity(path);
    if (!chip) {
        return "";
    }
    const std::vector<DeviceMatch> named =
        DevicesWithId(list, ini, chip->family, static_cast<int32_t>(chip->id));
    return named.empty() ? "" : named.front().name;
}

} // namespace Sim
