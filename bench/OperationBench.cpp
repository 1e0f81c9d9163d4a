// Whole-chip write then verify on the simulated adapter with real timing, against the sum
// of the waits the wire sequences require (the same operation on virtual time).
#include "BenchSupport.h"

#include "common/HexText.h"
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "image/MemoryImage.h"
#include "operations/OperationEngine.h"
#include "programmer/CounterDelay.h"
#include "programmer/SteadyCounter.h"
#include "programmer/VirtualDelay.h"
#include "simulator/MakeTarget.h"
#include "simulator/SimulatedPort.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

class SilentHost : public OperationHost, public Messages {
public:
    void ShowProgressWindow() override {}
    void HideProgressWindow() override {}
    void ShowProgress(const std::string&, const std::string&, int32_t) override {}
    bool CancelRequested() const override { return false; }
    void ClearCancel() override {}
    void SetMainEnabled(bool) override {}
    Messages& Msg() override { return *this; }
    void RefreshStatus() override {}
    void ImageChanged() override {}
    Scope ReadScope() const override { return Scope{true, false, false, false}; }
    void ShowError(const std::string& m) override { errors += m; }
    bool AskAbortIgnore(const std::string&) override { return true; }
    void ShowInfo(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
    std::string errors;
};

MemoryImage FullImage(const DeviceRecord& device) {
    MemoryImage image;
    image.InitHexEditG(device);
    for (int32_t a = 0; a < device.ProgMem; ++a) {
        image.HexEditG.SetAt(a,
                             device.Family == 16 ? Hex(a * 5 & 0x3FFF, 4) : Hex(a * 5 & 0xFF, 2));
    }
    image.ProgUsed = device.ProgMem;
    return image;
}

// Runs write then verify with `delay`; returns false when either failed.
bool WriteAndVerify(const DeviceRecord& device, Delay& delay, SilentHost& host) {
    MemoryImage image = FullImage(device);
    ConfigWord16 c16;
    ConfigWords18 c18;
    Sim::SimulatedPort port(delay, Sim::MakeTarget(device));
    Programmer programmer(port, delay, device, host);
    OperationEngine engine(programmer, device, image, c16, c18, host);
    return engine.RunOperation(opWrite) && engine.RunOperation(opVerify);
}

void Overhead(benchmark::State& state, const DeviceRecord& device) {
    SilentHost host;
    VirtualDelay required;
    if (!WriteAndVerify(device, required, host)) {
        state.SkipWithError(("virtual run failed: " + host.errors).c_str());
        return;
    }
    const double requiredS = static_cast<double>(required.Now()) / 1e9;
    double wallS = 0;
    for (auto _ : state) {
        SteadyCounter counter;
        CounterDelay real(counter);
        const auto start = std::chrono::steady_clock::now();
        if (!WriteAndVerify(device, real, host)) {
            state.SkipWithError(("real run failed: " + host.errors).c_str());
            return;
        }
        wallS = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["required_s"] = requiredS;
    state.counters["wall_s"] = wallS;
    state.counters["overhead_pct"] = 100.0 * (wallS - requiredS) / requiredS;
}

void BM_OperationOverhead_PIC16F876A(benchmark::State& state) {
    Overhead(state, BenchDevice16());
}
BENCHMARK(BM_OperationOverhead_PIC16F876A)->Iterations(1)->Unit(benchmark::kSecond);

void BM_OperationOverhead_PIC16F628A(benchmark::State& state) {
    DeviceRecord d = BenchDevice16();
    d.DeviceName = "PIC16F628A";
    d.ProgMem = 2048;
    d.EEProm = 128;
    d.RAM = 224;
    d.Programming = "Flash";
    Overhead(state, d);
}
BENCHMARK(BM_OperationOverhead_PIC16F628A)->Iterations(1)->Unit(benchmark::kSecond);

void BM_OperationOverhead_PIC18F452(benchmark::State& state) {
    DeviceRecord d = BenchDevice18(32768);
    d.DeviceName = "PIC18F452";
    d.EEProm = 256;
    d.Programming = "18fxx2xx8";
    Overhead(state, d);
}
BENCHMARK(BM_OperationOverhead_PIC18F452)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
