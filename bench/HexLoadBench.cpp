// HEX loading against reading the same file's bytes.
#include "BenchSupport.h"

#include "common/Messages.h"
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "image/HexReader.h"
#include "image/MemoryImage.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <sstream>

namespace {

void LoadFile(benchmark::State& state, const DeviceRecord& device, const std::string& path) {
    MemoryImage image;
    ConfigWord16 c16;
    ConfigWords18 c18;
    SilentMessages messages;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        image.InitHexEditG(device);
        image.InitDatosEditG(device);
        image.SetIdent(0xFFFF);
        ReadHexRecords(in, HexLoadTargets{device, image, c16, c18, messages, {}});
        benchmark::DoNotOptimize(image.ProgUsed);
    }
    if (messages.shown != 0) {
        state.SkipWithError("the load reported a problem");
    }
    state.SetBytesProcessed(
        state.iterations() *
        static_cast<int64_t>(std::ifstream(path).seekg(0, std::ios::end).tellg()));
}

void BM_HexLoad18_128KiB(benchmark::State& state) {
    static const std::string path =
        WriteTempFile("pravik-bench-18.hex", MakeHexText(131072, false));
    LoadFile(state, BenchDevice18(131072), path);
}
BENCHMARK(BM_HexLoad18_128KiB)->Unit(benchmark::kMillisecond);

void BM_HexLoad16_8192Words(benchmark::State& state) {
    static const std::string path = WriteTempFile("pravik-bench-16.hex", MakeHexText(16384, true));
    LoadFile(state, BenchDevice16(), path);
}
BENCHMARK(BM_HexLoad16_8192Words)->Unit(benchmark::kMillisecond);

// The reference: the same 128 KiB image's file read into memory.
void BM_ReadFileBytes_128KiB(benchmark::State& state) {
    static const std::string path =
        WriteTempFile("pravik-bench-18.hex", MakeHexText(131072, false));
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        benchmark::DoNotOptimize(bytes.str().size());
    }
}
BENCHMARK(BM_ReadFileBytes_128KiB)->Unit(benchmark::kMillisecond);

} // namespace
