// Cost of the GPIO adapter's port: one line-state write and one data-line read through the
// GPIO port, over the simulated GPIO chip (the backend's own work and the simulated
// kernel's bookkeeping, no hardware). For scale, one ioctl round trip into this machine's
// kernel, which a real GPIO request pays at least once.
#include "programmer/GpioPort.h"
#include "programmer/LineStates.h"
#include "programmer/LinuxGpioKernel.h"
#include "simulator/SimulatedGpioChip.h"

#include <linux/gpio.h>

#include <benchmark/benchmark.h>

namespace {

// Clock edges with the data line driven: one set-values request each.
void BM_GpioWriteLineState(benchmark::State& state) {
    Sim::SimulatedGpioChip kernel;
    GpioPort port(kernel, DefaultGpioPinMap());
    uint8_t value = StateProg;
    for (auto _ : state) {
        value ^= LineClock;
        port.WriteData(value);
    }
}
BENCHMARK(BM_GpioWriteLineState);

// Letting go of the data line and taking it back: one set-config request each.
void BM_GpioWriteLineStateRelease(benchmark::State& state) {
    Sim::SimulatedGpioChip kernel;
    GpioPort port(kernel, DefaultGpioPinMap());
    uint8_t value = StateProg;
    for (auto _ : state) {
        value = value == StateProg ? StateRead : StateProg;
        port.WriteData(value);
    }
}
BENCHMARK(BM_GpioWriteLineStateRelease);

void BM_GpioReadDataLine(benchmark::State& state) {
    Sim::SimulatedGpioChip kernel;
    GpioPort port(kernel, DefaultGpioPinMap());
    port.WriteData(StateRead);
    for (auto _ : state) {
        benchmark::DoNotOptimize(port.ReadStatus());
    }
}
BENCHMARK(BM_GpioReadDataLine);

// A GPIO ioctl on a node that is no GPIO chip: the system call's round trip alone.
void BM_KernelIoctlRoundTrip(benchmark::State& state) {
    LinuxGpioKernel kernel;
    const int fd = kernel.Open("/dev/null");
    gpio_v2_line_values values{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(kernel.Ioctl(fd, GPIO_V2_LINE_SET_VALUES_IOCTL, &values));
    }
    kernel.Close(fd);
}
BENCHMARK(BM_KernelIoctlRoundTrip);

} // namespace
