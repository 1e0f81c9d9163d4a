#include "image/HexReader.h"

#include "common/HexText.h"
#include "image/HexChecksum.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr char kCtrlZ = 0x1A;
constexpr uint32_t kId18Start = 0x200000;
constexpr uint32_t kId18End = 0x200007;
constexpr uint32_t kConfig18Start = 0x300000;
constexpr uint32_t kConfig18End = 0x30000D;
constexpr uint32_t kDeviceId18Low = 0x3FFFFE;
constexpr uint32_t kDeviceId18High = 0x3FFFFF;
constexpr uint32_t kEeprom18Start = 0xF00000;
constexpr int kIdentDigitOffset = 10; // 0-based: second digit of a word's low byte
constexpr int kProgressEveryLines = 4096;

// Characters [pos, pos + n) of the line, only when all of them are present.
std::optional<std::string> Chars(std::string_view line, size_t pos, size_t n) {
    if (pos + n > line.size()) {
        return std::nullopt;
    }
    return std::string(line.substr(pos, n));
}

std::optional<uint32_t> HexValue(std::string_view text) {
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    uint32_t v = 0;
    for (char c : text) {
        const int d = HexDigitValue(c);
        if (d < 0) {
            return std::nullopt;
        }
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    return v;
}

class Loader {
public:
    explicit Loader(HexLoadTargets& t) : t_(t), family16_(t.device.Family == 16) {}

    // Returns false when the load ends with this line.
    bool Line(std::string_view line);
    // After the last line: how many items lay outside the device, when any did.
    void ReportLeftOut();

private:
    enum class ItemResult { Stored, Abort };
    bool DataRecord(std::string_view line);
    ItemResult Item(std::string_view line, uint32_t a, int i);
    void IdentDigit(std::string_view line, uint32_t k, int i);
    void Config18Byte(uint32_t j, const std::string& chars);
    bool ExtendedAddress(std::string_view line, int shift);
    bool ConversionError(const std::string& group);

    HexLoadTargets& t_;
    bool family16_;
    uint32_t extAddress_ = 0;
    // The answer to the first out-of-range warning (true: Abort) holds for the rest of
    // the load: a file for a bigger part asks once, not once per record.
    std::optional<bool> outOfRangeAbort_;
    uint64_t leftOut_ = 0;
};

bool Loader::ConversionError(const std::string& group) {
    t_.messages.ShowError(NotHexMessage(group));
    return false;
}

bool Loader::Line(std::string_view line) {
    if (line.empty()) {
        return true;
    }
    // An end record ends the load before any other test.
    if (line.size() >= 9 && line.substr(7, 2) == "01") {
        return false;
    }
    std::string bad;
    std::optional<std::string> sum = HexChecksum(line, &bad);
    if (!sum) {
        return ConversionError(bad);
    }
    if (*sum != "00") {
        t_.messages.ShowError(
            Say("image", "Checksum error en el fichero HEX. Lectura Interrumpida."));
        return false;
    }
    if (line[0] != ':') {
        return !t_.messages.AskAbortIgnore(Say("image", "Hex File: falta \":\" al inicio."));
    }
    std::string_view type = line.size() >= 9 ? line.substr(7, 2) : std::string_view();
    if (type == "00") {
        return DataRecord(line);
    }
    if (type == "04") {
        return ExtendedAddress(line, 16);
    }
    if (type == "02") {
        return ExtendedAddress(line, 4);
    }
    return !t_.messages.AskAbortIgnore(Say("image", "Hex File: comando HEX no soportado."));
}

bool Loader::ExtendedAddress(std::string_view line, int shift) {
    std::string field(line.substr(std::min<size_t>(9, line.size()), 4));
    std::optional<uint32_t> v = HexValue(field);
    if (!v) {
        return ConversionError(field);
    }
    extAddress_ = *v << shift;
    return true;
}

bool Loader::DataRecord(std::string_view line) {
    // Length and address fields are present: the line passed the checksum and is at
    // least 9 characters long, and every group of it is hexadecimal.
    uint32_t length = HexValue(line.substr(1, 2)).value_or(0);
    uint32_t address = HexValue(line.substr(3, 4)).value_or(0);
    uint32_t start = address + extAddress_;
    uint32_t first = family16_ ? start / 2 : start;
    uint32_t items = family16_ ? length / 2 : length;
    for (uint32_t i = 0; i < items; ++i) {
        if (Item(line, first + i, static_cast<int>(i)) == ItemResult::Abort) {
            leftOut_ += items - i - 1; // the rest of the record goes with it
            break;
        }
    }
    return true;
}

Loader::ItemResult Loader::Item(std::string_view line, uint32_t a, int i) {
    const DeviceRecord& d = t_.device;
    MemoryImage& image = t_.image;
    const size_t base = family16_ ? 9 + 4 * static_cast<size_t>(i) : 9 + 2 * static_cast<size_t>(i);
    std::optional<std::string> low = Chars(line, base, 2);
    std::optional<std::string> high = family16_ ? Chars(line, base + 2, 2) : std::nullopt;
    // A word or byte whose characters are not all on the line is not stored.
    const bool complete = family16_ ? (low && high) : low.has_value();

    if (d.ProgMem > 0 && a < static_cast<uint32_t>(d.ProgMem)) {
        if (complete) {
            image.HexEditG.SetAt(static_cast<int32_t>(a), family16_ ? *high + *low : *low);
            // Records come in any order: the used size reaches the highest word stored.
            image.ProgUsed = std::max(image.ProgUsed, static_cast<int32_t>(a) + 1);
        }
        return ItemResult::Stored;
    }
    const uint32_t configStart = static_cast<uint32_t>(d.ConfigStart);
    // IDs, reserved words, the configuration word, and a second one (2008h) on parts
    // that have it.
    const uint32_t configWords = d.ConfigWords >= 2 ? 9 : 8;
    if (family16_ && a >= configStart && a - configStart < configWords) {
        uint32_t k = a - configStart;
        if (k <= 3) {
            IdentDigit(line, k, i);
        } else if (k == 7 && complete) {
            t_.config16.SetConfigWord(static_cast<int32_t>(HexValue(*high + *low).value_or(0)));
        } else if (k == 8 && complete) {
            t_.config16.Word2 = static_cast<int32_t>(HexValue(*high + *low).value_or(0) & 0x3FFF);
        }
        return ItemResult::Stored;
    }
    const uint32_t eeStart = static_cast<uint32_t>(d.EEPromStart);
    if (family16_ && d.EEProm > 0 && a >= eeStart &&
        a - eeStart < static_cast<uint32_t>(d.EEProm)) {
        if (low) {
            image.DatosEditG.SetAt(static_cast<int32_t>(a - eeStart), *low);
            image.EEPromUsed = std::max(image.EEPromUsed, static_cast<int32_t>(a - eeStart) + 1);
        }
        return ItemResult::Stored;
    }
    if (a >= kId18Start && a <= kId18End) {
        if (!family16_ && low) {
            image.SetIdByte18(static_cast<int>(a - kId18Start),
                              static_cast<int32_t>(HexValue(*low).value_or(0xFF)));
        }
        return ItemResult::Stored;
    }
    if (a >= kConfig18Start && a <= kConfig18End) {
        if (low) {
            Config18Byte(a - kConfig18Start, *low);
        }
        return ItemResult::Stored;
    }
    if (!family16_ && a >= kEeprom18Start && a - kEeprom18Start < static_cast<uint32_t>(d.EEProm)) {
        if (low) {
            image.DatosEditG.SetAt(static_cast<int32_t>(a - kEeprom18Start), *low);
            image.EEPromUsed =
                std::max(image.EEPromUsed, static_cast<int32_t>(a - kEeprom18Start) + 1);
        }
        return ItemResult::Stored;
    }
    // The device ID is the chip's own, never written. Family 16 files keep nothing at
    // these addresses; beyond a family 18 part's EEPROM is out of range.
    if (a == kDeviceId18Low || a == kDeviceId18High || (family16_ && a >= kEeprom18Start)) {
        return ItemResult::Stored;
    }
    ++leftOut_;
    if (!outOfRangeAbort_) {
        outOfRangeAbort_ =
            t_.messages.AskAbortIgnore(Say("image", "Hex File: dirección fuera de rango"));
    }
    return *outOfRangeAbort_ ? ItemResult::Abort : ItemResult::Stored;
}

void Loader::ReportLeftOut() {
    if (leftOut_ == 1) {
        t_.messages.ShowInfo(Say("image", "Hex File: 1 dato fuera de rango no se ha cargado."));
    } else if (leftOut_ > 1) {
        t_.messages.ShowInfo(Say("image", "Hex File: %1 datos fuera de rango no se han cargado.")
                                 .Arg(std::to_string(leftOut_)));
    }
}

void Loader::IdentDigit(std::string_view line, uint32_t k, int i) {
    std::optional<std::string> digit =
        Chars(line, kIdentDigitOffset + 4 * static_cast<size_t>(i), 1);
    if (!digit) {
        return; // a digit missing from the line changes nothing
    }
    const int shift = 12 - 4 * static_cast<int>(k);
    const int32_t value = static_cast<int32_t>(HexValue(*digit).value_or(0xF));
    int32_t ident = t_.image.GetIdent() | (0xF << shift);
    ident &= (0xFFFF & ~(0xF << shift)) | (value << shift);
    t_.image.SetIdent(ident);
}

void Loader::Config18Byte(uint32_t j, const std::string& chars) {
    std::string& field = t_.config18.EditConf[j / 2];
    if (field.size() < 4) {
        field.insert(0, 4 - field.size(), '0');
    }
    // Even offsets are the low byte (CONFIGnL): the last two digits of the word.
    field = (j % 2 == 0) ? field.substr(0, field.size() - 2) + chars : chars + field.substr(2);
}

} // namespace

void ReadHexRecords(std::istream& in, HexLoadTargets targets) {
    Loader loader(targets);
    std::string line;
    uint64_t bytesRead = 0;
    int lines = 0;
    while (in.peek() != std::char_traits<char>::eof() && in.peek() != kCtrlZ &&
           std::getline(in, line)) {
        bytesRead += line.size() + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!loader.Line(line)) {
            break;
        }
        if (targets.progress && ++lines % kProgressEveryLines == 0) {
            targets.progress(bytesRead);
        }
    }
    loader.ReportLeftOut();
    // Program cells go in pairs (family 18 writes whole words); a memory of odd size
    // keeps its last cell as the end, so no operation walks past the memory.
    MemoryImage& image = targets.image;
    image.ProgUsed = std::min(image.ProgUsed + image.ProgUsed % 2,
                              std::max<int32_t>(targets.device.ProgMem, image.ProgUsed));
}
