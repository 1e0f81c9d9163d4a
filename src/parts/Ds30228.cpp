#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "programmer/Programmer.h"

namespace {

// DS30228K, one-time-programmable PIC16C parts: a word is pulsed (load, 001000, 100 us
// min (1 ms kept), 001110) until it reads back, at most 25 times, then given 3 x N + 1
// more pulses (N = pulses it took) so that it holds (Fig. 2-2); the configuration word gets
// 100 pulses of 100 us (Fig. 2-3). Nothing erases; no device ID (2006h is reserved).
constexpr int32_t kMaxPulses = 25;
constexpr int32_t kOverprogramFactor = 3;
constexpr int32_t kConfigPulses = 100;
constexpr int32_t kConfigPulseMicros = 100;

Mid16Waits DocumentWaits() {
    Mid16Waits w;
    w.wordWriteMs = 1;
    w.configWriteMs = 0;
    return w;
}

class Ds30228 : public Mid16Part {
public:
    explicit Ds30228(const DeviceRecord& device) : Mid16Part(device, DocumentWaits()) {}
    std::string Document() const override { return "DS30228K"; }

    bool Erasable() const override { return false; }

    void ProgramConfigWord(Programmer& p, int32_t value) override {
        for (int32_t i = 0; i < kConfigPulses; ++i) {
            p.IcspCommand16(Cmd16::LoadDataProgram, static_cast<uint32_t>(value));
            p.IcspCommand16(Cmd16::BeginEraseProgram);
            p.GetDelay().WaitMicros(kConfigPulseMicros);
            p.IcspCommand16(Cmd16::EndProgramming);
        }
    }
    // Nothing erases an EPROM part (the engine refuses before asking).
    void EraseProgram(Programmer&, bool, bool) override {}
    void EraseData(Programmer&) override {}
    void EraseIds(Programmer&, int32_t) override {}
    void EraseConfig(Programmer&) override {}
    void Unprotect(Programmer&) override {}

protected:
    bool UnitWritesAllowed() const override { return false; }
    // A word that never reads back gets no more than kMaxPulses and no message: the
    // caller's read-back reports the location.
    void ProgramWord(Programmer& p, int32_t value) override {
        for (int32_t pulses = 1; pulses <= kMaxPulses; ++pulses) {
            Pulse(p, value);
            if (p.IcspCommand16(Cmd16::ReadDataProgram) == value) {
                const int32_t extra = kOverprogramFactor * pulses + 1;
                for (int32_t i = 0; i < extra; ++i) {
                    Pulse(p, value);
                }
                return;
            }
        }
    }

private:
    void Pulse(Programmer& p, int32_t value) {
        TimedWord(p, value, Cmd16::BeginEraseProgram, waits_.wordWriteMs, Cmd16::EndProgramming);
    }
};

} // namespace

std::unique_ptr<PartModule> MakeDs30228(const DeviceRecord& device) {
    return std::make_unique<Ds30228>(device);
}
