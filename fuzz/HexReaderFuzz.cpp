// Feeds arbitrary bytes to the Intel HEX reader as a file for a family 16 or family 18
// device, then checks that the image is still well formed and, for family 16, that a
// save of what was loaded loads back to the same image.
//
// Input: byte 0 chooses the device (bit 0: family 18, bits 1-3: one of eight sizes) and
// how Abort/Ignore questions are answered (bits 4-7, cycled; a set bit means Abort).
// The remaining bytes are the file.
#include "FuzzSupport.h"

#include "common/HexText.h"
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceRecord.h"
#include "image/HexReader.h"
#include "image/HexWriter.h"
#include "image/MemoryImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

struct Size {
    int32_t progMem;
    int32_t eeprom;
    int32_t progBits;
};

// Real sizes plus the awkward ones: empty memories, a single cell, partial last rows.
constexpr std::array<Size, 8> kSizes16{{{1024, 64, 14},
                                        {2048, 128, 14},
                                        {8192, 256, 14},
                                        {512, 0, 12},
                                        {0, 0, 14},
                                        {1, 1, 14},
                                        {17, 7, 14},
                                        {2047, 255, 16}}};
// Only one size reaches past the first 64 KiB page: large grids dominate the run time.
constexpr std::array<Size, 8> kSizes18{{{32768, 256, 16},
                                        {16384, 256, 16},
                                        {1536, 0, 16},
                                        {65600, 1024, 16},
                                        {0, 0, 16},
                                        {1, 0, 16},
                                        {33, 0, 16},
                                        {257, 16, 16}}};

struct Bench {
    DeviceRecord device;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;

    explicit Bench(uint8_t choice) {
        const bool family18 = (choice & 1) != 0;
        const Size& s = (family18 ? kSizes18 : kSizes16)[(choice >> 1) & 7];
        device.DeviceName = family18 ? "PIC18F452" : "PIC16F876A";
        device.Family = family18 ? 18 : 16;
        device.ProgMem = s.progMem;
        device.EEProm = s.eeprom;
        device.ProgBits = s.progBits;
        device.ConfigStart = family18 ? 0x300000 : 0x2000;
        device.EEPromStart = family18 ? 0xF00000 : 0x2100;
        device.WBufSize = 8;
        // The window resets the grids and the identifier before every load.
        image.InitHexEditG(device);
        image.InitDatosEditG(device);
        image.SetIdent(0xFFFF);
    }

    void Load(const std::string& text, Messages& messages) {
        std::istringstream in(text);
        uint64_t lastProgress = 0;
        auto progress = [&lastProgress](uint64_t bytesRead) {
            FUZZ_CHECK(bytesRead > lastProgress, "progress only moves forward");
            lastProgress = bytesRead;
        };
        ReadHexRecords(in, HexLoadTargets{device, image, config16, config18, messages, progress});
    }
};

int64_t CellValue(const std::string& text) {
    int64_t v = -1;
    FUZZ_CHECK(ParseHex(text, v), "a loaded cell holds hexadecimal text");
    return v;
}

void CheckImage(Bench& b) {
    const bool family16 = b.device.Family == 16;
    FUZZ_CHECK(b.image.HexEditG.Size() == b.device.ProgMem, "program grid keeps its size");
    FUZZ_CHECK(b.image.DatosEditG.Size() == b.device.EEProm, "data grid keeps its size");
    // Cells go in pairs, except that the end of a memory of odd size is its own end:
    // no operation may walk past the memory to make the count even.
    FUZZ_CHECK(b.image.ProgUsed >= 0 && b.image.ProgUsed <= b.device.ProgMem,
               "ProgUsed stays within the memory");
    FUZZ_CHECK(b.image.ProgUsed % 2 == 0 || b.image.ProgUsed == b.device.ProgMem,
               "ProgUsed is even, or the end of an odd-sized memory");
    FUZZ_CHECK(b.image.EEPromUsed >= 0 && b.image.EEPromUsed <= b.device.EEProm,
               "EEPromUsed stays within the memory");
    const size_t width = family16 ? 4 : 2;
    for (int32_t a = 0; a < b.device.ProgMem; ++a) {
        const std::string& cell = b.image.HexEditG.At(a);
        FUZZ_CHECK(cell.size() == width && AllHex(cell), "program cell of full width");
    }
    for (int32_t a = 0; a < b.device.EEProm; ++a) {
        const std::string& cell = b.image.DatosEditG.At(a);
        FUZZ_CHECK(cell.size() == 2 && AllHex(cell), "data cell of two digits");
    }
    const int32_t ident = b.image.GetIdent();
    FUZZ_CHECK(ident >= 0 && ident <= 0xFFFF, "identifier of four digits");
    FUZZ_CHECK(b.config16.GetConfigWord() <= 0x3FFF, "configuration word of 14 bits");
    for (const std::string& word : b.config18.EditConf) {
        FUZZ_CHECK(word.size() == 4 && AllHex(word), "configuration word 18 of four digits");
    }
}

// Saves the loaded family 16 image and loads the file into a fresh bench: every value must
// come back, and a file the writer made must load without a single message.
void CheckRoundTrip(Bench& loaded, uint8_t choice) {
    const int32_t config = loaded.config16.GetConfigWord();
    HexImage file = BuildHexLines(loaded.device, loaded.image, config);
    if (!file.error.empty()) {
        FUZZ_CHECK(file.lines.empty(), "a refused save produces no line");
        return;
    }
    std::string text;
    for (const std::string& line : file.lines) {
        FUZZ_CHECK(WellFormedRecord(line), "the writer produces well-formed records");
        text += line + "\r\n";
    }
    Bench again(choice);
    FuzzMessages quiet;
    again.Load(text, quiet);
    FUZZ_CHECK(quiet.count == 0, "a saved file loads without messages");
    for (int32_t a = 0; a < loaded.device.ProgMem; ++a) {
        FUZZ_CHECK(CellValue(again.image.HexEditG.At(a)) == CellValue(loaded.image.HexEditG.At(a)),
                   "program word survives save and load");
    }
    for (int32_t a = 0; a < loaded.device.EEProm; ++a) {
        FUZZ_CHECK(CellValue(again.image.DatosEditG.At(a)) ==
                       CellValue(loaded.image.DatosEditG.At(a)),
                   "data byte survives save and load");
    }
    FUZZ_CHECK(again.image.GetIdent() == loaded.image.GetIdent(), "identifier survives");
    FUZZ_CHECK(again.config16.GetConfigWord() == config, "configuration word survives");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t choice = data[0];
    Bench bench(choice);
    FuzzMessages messages(static_cast<uint8_t>(choice >> 4));
    bench.Load(std::string(reinterpret_cast<const char*>(data + 1), size - 1), messages);
    CheckImage(bench);
    if (bench.device.Family == 16) {
        CheckRoundTrip(bench, choice);
    }
    return 0;
}
