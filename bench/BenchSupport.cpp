#include "BenchSupport.h"

#include "common/HexText.h"
#include "image/HexWriter.h"

#include <filesystem>
#include <fstream>

DeviceRecord BenchDevice16() {
    DeviceRecord d;
    d.DeviceName = "PIC16F876A";
    d.Family = 16;
    d.ProgMem = 8192;
    d.EEProm = 256;
    d.ProgBits = 14;
    d.RAM = 368;
    d.ConfigStart = 0x2000;
    d.EEPromStart = 0x2100;
    d.Programming = "Flash2";
    d.WBufSize = 8;
    return d;
}

DeviceRecord BenchDevice18(int32_t progMem) {
    DeviceRecord d;
    d.DeviceName = "PIC18F8722";
    d.Family = 18;
    d.ProgMem = progMem;
    d.EEProm = 1024;
    d.ProgBits = 16;
    d.RAM = 3936;
    d.ConfigStart = 0x300000;
    d.EEPromStart = 0xF00000;
    d.Programming = "18f2xx0";
    d.WBufSize = 8;
    return d;
}

std::string MakeHexText(uint32_t bytes, bool family16) {
    std::string text;
    text.reserve(bytes * 3);
    for (uint32_t a = 0; a < bytes; a += 16) {
        if (a % 0x10000 == 0) {
            text += HexRecord(0, "04", Hex(a >> 16, 4)) + "\r\n";
        }
        std::string data;
        for (uint32_t k = 0; k < 16; ++k) {
            // Family 16 words stay within 14 bits: odd bytes below 0x40.
            const uint32_t v = (a + k) * 7 + 3;
            data += Hex(family16 && k % 2 == 1 ? v % 0x40 : v % 0x100, 2);
        }
        text += HexRecord(a % 0x10000, "00", data) + "\r\n";
    }
    return text + ":00000001FF\r\n";
}

std::string WriteTempFile(const std::string& name, const std::string& text) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}
