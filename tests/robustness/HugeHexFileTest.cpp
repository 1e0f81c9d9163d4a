#include "common/HexText.h"
#include "image/HexReader.h"
#include "image/HexTestSupport.h"
#include "image/HexWriter.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace {

// The sanitizers make every line several times slower; their build reads a smaller file
// through the same code, the normal build the full 100 MB. PRAVIK_HUGE_HEX_MB overrides
// the size, to measure either build on any size.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kDefaultMegabytes = 8;
#else
constexpr uint64_t kDefaultMegabytes = 100;
#endif

uint64_t FileBytes() {
    const char* megabytes = std::getenv("PRAVIK_HUGE_HEX_MB");
    const uint64_t mb = megabytes ? std::strtoull(megabytes, nullptr, 10) : 0;
    return (mb > 0 ? mb : kDefaultMegabytes) << 20;
}

// One pass over the whole program memory of a family 16 device, 8 words a record, every
// word holding `value`.
std::string ProgramPass(int32_t words, int value) {
    std::string data;
    for (int k = 0; k < 8; ++k) {
        data += Hex(value & 0xFF, 2) + Hex((value >> 8) & 0xFF, 2);
    }
    std::string text;
    for (int32_t w = 0; w < words; w += 8) {
        text += HexRecord(static_cast<uint32_t>(2 * w), "00", data) + "\r\n";
    }
    return text;
}

} // namespace

// A huge file of valid records is read line by line to its very end: the last pass, the
// identifier and configuration word that follow 100 MB of earlier records all arrive, no
// message appears, and progress is reported all the way through.
TEST(HugeHexFile, LoadsToTheLastRecordWithSteadyProgress) {
    HexBench b = HexBench::Family16(8192, 256);
    TempDir dir;
    const std::string path = dir.File("huge.hex");
    const uint64_t fileBytes = FileBytes();
    const std::string early = ProgramPass(b.device.ProgMem, 0x1111);
    uint64_t lines = 0;
    {
        std::ofstream out(path, std::ios::binary);
        uint64_t written = 0;
        while (written < fileBytes) {
            out << early;
            written += early.size();
            lines += static_cast<uint64_t>(b.device.ProgMem / 8);
        }
        out << ProgramPass(b.device.ProgMem, 0x2ABC);
        out << ":084000000100020003000400AE\r\n:02400E00723FFF\r\n:00000001FF\r\n";
        lines += static_cast<uint64_t>(b.device.ProgMem / 8) + 3;
    }
    const uint64_t fileSize = std::filesystem::file_size(path);
    ASSERT_GE(fileSize, fileBytes);

    b.image.InitHexEditG(b.device);
    b.image.InitDatosEditG(b.device);
    std::ifstream in(path, std::ios::binary);
    uint64_t calls = 0;
    uint64_t last = 0;
    bool monotonic = true;
    const auto start = std::chrono::steady_clock::now();
    ReadHexRecords(in, HexLoadTargets{b.device, b.image, b.config16, b.config18, b.messages,
                                      [&](uint64_t bytesRead) {
                                          monotonic = monotonic && bytesRead > last;
                                          last = bytesRead;
                                          ++calls;
                                      }});
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("[   INFO   ] %.1f MB of HEX records loaded in %.2f s\n",
                static_cast<double>(fileSize) / (1 << 20), seconds);

    EXPECT_TRUE(b.messages.log.empty());
    EXPECT_EQ(b.image.HexEditG.At(0), "2ABC");
    EXPECT_EQ(b.image.HexEditG.At(8191), "2ABC");
    EXPECT_EQ(b.image.ProgUsed, 8192);
    EXPECT_EQ(b.image.GetIdent(), 0x1234);
    EXPECT_EQ(b.config16.GetConfigWord(), 0x3F72);
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(calls, (lines - 1) / 4096); // the end record stops before counting
    EXPECT_GT(last, fileSize - 4096 * 64);
    EXPECT_LE(last, fileSize);
}
