// CPU cost of the protocol layers: a whole-chip write on virtual time, in port writes per
// second (the port only counts, so everything measured is our own code).
#include "BenchSupport.h"

#include "common/Messages.h"
#include "parts/PartModule.h"
#include "programmer/IcspCodes.h"
#include "programmer/Programmer.h"
#include "programmer/VirtualDelay.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ProtocolWrite16_8192Words(benchmark::State& state) {
    const DeviceRecord device = BenchDevice16();
    CountingPort port;
    VirtualDelay delay;
    SilentMessages messages;
    Programmer programmer(port, delay, device, messages);
    const std::unique_ptr<PartModule> part = MakePart(device);
    for (auto _ : state) {
        programmer.EnterProgMode();
        for (int32_t a = 0; a < device.ProgMem; ++a) {
            part->ProgramLocation(programmer, a, a & 0x3FFF, device.ProgMem);
            benchmark::DoNotOptimize(programmer.IcspCommand16(Cmd16::ReadDataProgram));
            programmer.IcspCommand16(Cmd16::IncrementAddress);
        }
        programmer.ExitProgMode();
    }
    state.counters["port_writes_per_s"] =
        benchmark::Counter(static_cast<double>(port.writes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ProtocolWrite16_8192Words)->Unit(benchmark::kMillisecond);

void BM_ProtocolWrite18_32KiB(benchmark::State& state) {
    DeviceRecord device = BenchDevice18(32768);
    device.Programming = "18fxx2xx8";
    CountingPort port;
    VirtualDelay delay;
    SilentMessages messages;
    Programmer programmer(port, delay, device, messages);
    const std::unique_ptr<PartModule> part = MakePart(device);
    for (auto _ : state) {
        programmer.EnterProgMode();
        for (int32_t a = 0; a < device.ProgMem; ++a) {
            part->ProgramLocation(programmer, a, a & 0xFF, device.ProgMem);
            if (a % 8 == 7) {
                programmer.LoadTablePointer(static_cast<uint32_t>(a - 7));
                for (int k = 0; k < 8; ++k) {
                    benchmark::DoNotOptimize(programmer.IcspCommand18(Cmd18::TableReadPostInc));
                }
            }
        }
        programmer.ExitProgMode();
    }
    state.counters["port_writes_per_s"] =
        benchmark::Counter(static_cast<double>(port.writes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ProtocolWrite18_32KiB)->Unit(benchmark::kMillisecond);

} // namespace
