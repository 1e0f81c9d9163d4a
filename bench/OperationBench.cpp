// Whole-chip write then verify on the simulated adapter with real timing, for the shipped
// devices: written in their units (the default) and one location per cycle ("escritura=
// palabra") in the same run, beside the documented minimum of the unit method (the sum of
// the documented cycle times of its units) and the waits our sequences require (the same
// operations on virtual time).
#include "BenchSupport.h"

#include "common/HexText.h"
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceFile.h"
#include "devices/IniFile.h"
#include "image/MemoryImage.h"
#include "operations/OperationEngine.h"
#include "parts/Mid16.h"
#include "parts/PartModule.h"
#include "parts/SelfTimed16.h"
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
    void ShowError(const Phrase& m) override { errors += m; }
    bool AskAbortIgnore(const Phrase&) override { return true; }
    void ShowInfo(const Phrase&) override {}
    bool AskYesNo(const Phrase&) override { return true; }
    std::string errors;
};

DeviceRecord ShippedDevice(const std::string& name) {
    const IniFile ini = IniFile::Load(PRAVIK_SOURCE_DIR "/data/Pravik.ini");
    const DeviceSection section = ReadDeviceSection(ini, name);
    DeviceRecord d = section.record;
    d.DeviceName = name;
    d.Family = section.family; // a PIC12F part takes its document's family
    d.WBufSize = DeviceDefaults::WBufSize;
    return d;
}

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

// Runs the commands "Escribir" then "Verificar", as a user would (each checks the chip's
// device ID first); returns false when either failed.
bool WriteAndVerify(const DeviceRecord& device, Delay& delay, SilentHost& host) {
    MemoryImage image = FullImage(device);
    ConfigWord16 c16;
    ConfigWords18 c18;
    Sim::SimulatedPort port(delay, Sim::MakeTarget(device));
    Programmer programmer(port, delay, device, host);
    OperationEngine engine(programmer, device, image, c16, c18, host);
    return engine.BotonEscribirClick() && engine.BotonVerificarClick();
}

double Seconds(const DeviceRecord& device, SilentHost& host, bool realTime) {
    if (!realTime) {
        VirtualDelay required;
        return WriteAndVerify(device, required, host) ? static_cast<double>(required.Now()) / 1e9
                                                      : -1;
    }
    SteadyCounter counter;
    CounterDelay real(counter);
    const auto start = std::chrono::steady_clock::now();
    const bool ok = WriteAndVerify(device, real, host);
    const auto wall = std::chrono::steady_clock::now() - start;
    return ok ? std::chrono::duration<double>(wall).count() : -1;
}

// The documented cycle times of the unit method's cycles: WriteTime each, and on PIC18 the
// P10 that follows every pulse (DS39576B 5 us, DS39622K 100 us). A device without units
// writes one location per cycle, each its document's word cycle.
double DocumentedMinimum(const DeviceRecord& d) {
    const std::unique_ptr<PartModule> part = MakePart(d);
    if (!part->WritesInUnits()) {
        if (dynamic_cast<const SelfTimed16*>(part.get()) != nullptr) {
            return d.ProgMem * d.WriteTimeUs / 1e6; // DS41191D: TPROG1 of each word
        }
        const auto* mid16 = dynamic_cast<const Mid16Part*>(part.get());
        return mid16 != nullptr ? d.ProgMem * mid16->Waits().wordWriteMs / 1e3 : 0;
    }
    const double p10Us = d.Family != 18 ? 0 : (d.Algorithm == "DS39622" ? 100 : 5);
    const double cycles = static_cast<double>(part->PlanWriteCycles(d.ProgMem).size());
    return cycles * (d.WriteTimeUs + p10Us) / 1e6;
}

void WriteMethods(benchmark::State& state, const std::string& name) {
    SilentHost host;
    DeviceRecord units = ShippedDevice(name);
    DeviceRecord words = units;
    words.WordWrites = true;
    const double unitsRequired = Seconds(units, host, false);
    const double wordsRequired = Seconds(words, host, false);
    if (unitsRequired < 0 || wordsRequired < 0) {
        state.SkipWithError(("virtual run failed: " + host.errors).c_str());
        return;
    }
    double unitsS = 0;
    double wordsS = 0;
    for (auto _ : state) {
        unitsS = Seconds(units, host, true);
        wordsS = Seconds(words, host, true);
        if (unitsS < 0 || wordsS < 0) {
            state.SkipWithError(("real run failed: " + host.errors).c_str());
            return;
        }
    }
    const double minimum = DocumentedMinimum(units);
    state.counters["units_s"] = unitsS;
    state.counters["units_required_s"] = unitsRequired;
    state.counters["documented_min_s"] = minimum;
    state.counters["units_per_min"] = unitsS / minimum;
    state.counters["words_s"] = wordsS;
    state.counters["words_required_s"] = wordsRequired;
    state.counters["speedup"] = wordsS / unitsS;
}

void BM_WriteVerify_PIC16F84A(benchmark::State& state) {
    WriteMethods(state, "PIC16F84A");
}
BENCHMARK(BM_WriteVerify_PIC16F84A)->Iterations(1)->Unit(benchmark::kSecond);

void BM_WriteVerify_PIC16F628A(benchmark::State& state) {
    WriteMethods(state, "PIC16F628A");
}
BENCHMARK(BM_WriteVerify_PIC16F628A)->Iterations(1)->Unit(benchmark::kSecond);

void BM_WriteVerify_PIC16F876A(benchmark::State& state) {
    WriteMethods(state, "PIC16F876A");
}
BENCHMARK(BM_WriteVerify_PIC16F876A)->Iterations(1)->Unit(benchmark::kSecond);

void BM_WriteVerify_PIC12F675(benchmark::State& state) {
    WriteMethods(state, "PIC12F675");
}
BENCHMARK(BM_WriteVerify_PIC12F675)->Iterations(1)->Unit(benchmark::kSecond);

void BM_WriteVerify_PIC16F690(benchmark::State& state) {
    WriteMethods(state, "PIC16F690");
}
BENCHMARK(BM_WriteVerify_PIC16F690)->Iterations(1)->Unit(benchmark::kSecond);

void BM_WriteVerify_PIC16F887(benchmark::State& state) {
    WriteMethods(state, "PIC16F887");
}
BENCHMARK(BM_WriteVerify_PIC16F887)->Iterations(1)->Unit(benchmark::kSecond);

void BM_WriteVerify_PIC18F452(benchmark::State& state) {
    WriteMethods(state, "PIC18F452");
}
BENCHMARK(BM_WriteVerify_PIC18F452)->Iterations(1)->Unit(benchmark::kSecond);

void BM_WriteVerify_PIC18F4550(benchmark::State& state) {
    WriteMethods(state, "PIC18F4550");
}
BENCHMARK(BM_WriteVerify_PIC18F4550)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
