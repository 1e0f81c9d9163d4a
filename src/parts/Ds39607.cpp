#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "programmer/Programmer.h"

namespace {

// DS39607B, PIC16F87/88: 011000 programs the 4-word group the address selects, ended by
// 010111 (tprog1 1 ms min, 2 ms below 4.5 V); the configuration words take 0 or 1 from
// the same program-only cycle (001000 would be Begin Erase); Begin Erase after a bulk
// erase command or on the IDs, ended by 010111 (tprog2 1 ms min, 2 ms below 4.5 V); Chip
// Erase 011111 (tprog4 8 ms; 40 ms kept).
Mid16Waits DocumentWaits() {
    Mid16Waits w;
    w.wordWriteMs = 2;
    w.configWriteMs = 2;
    w.idEraseMs = 2;
    w.unprotectMs = 40;
    w.eepromWriteMs = 8;
    return w;
}

// 3.4.2.6: after entry a Load Data of 01h precedes the first Begin Erase.
constexpr int32_t kBeforeBeginErase = 0x0001;

class Ds39607 : public Mid16Part {
public:
    explicit Ds39607(const DeviceRecord& device) : Mid16Part(device, DocumentWaits()) {}
    std::string Document() const override { return "DS39607B"; }

    void ProgramConfigWord(Programmer& p, int32_t value) override {
        TimedWord(p, value, Cmd16::BeginProgramOnly, waits_.configWriteMs, Cmd16::EndProgramming2);
    }
    // Begin Erase with the address on the IDs, ended by End Programming.
    void EraseIds(Programmer& p, int32_t) override {
        p.EnterProgMode();
        p.IcspCommand16(Cmd16::LoadConfiguration, 0);
        p.IcspCommand16(Cmd16::LoadDataProgram, kBeforeBeginErase);
        p.IcspCommand16(Cmd16::BeginEraseProgram);
        p.GetDelay().SleepMs(waits_.idEraseMs);
        p.IcspCommand16(Cmd16::EndProgramming2);
    }
    void Unprotect(Programmer& p) override { ChipEraseAtConfig(p); }

protected:
    void ProgramWord(Programmer& p, int32_t value) override {
        TimedWord(p, value, Cmd16::BeginProgramOnly, waits_.wordWriteMs, Cmd16::EndProgramming2);
    }
    bool UnitWritesAllowed() const override { return true; }
    int32_t UnitEnd() const override { return Cmd16::EndProgramming2; }
    // Begin Erase after the bulk erase command, ended by End Programming.
    void BulkErase(Programmer& p, bool programMemory, bool withIds) override {
        p.EnterProgMode();
        if (withIds && programMemory) {
            p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
        }
        p.IcspCommand16(programMemory ? Cmd16::LoadDataProgram : Cmd16::LoadDataData,
                        kBeforeBeginErase);
        p.IcspCommand16(programMemory ? Cmd16::BulkEraseProgram : Cmd16::BulkEraseData);
        p.IcspCommand16(Cmd16::BeginEraseProgram);
        p.GetDelay().SleepMs(programMemory ? waits_.programEraseMs : waits_.dataEraseMs);
        p.IcspCommand16(Cmd16::EndProgramming2);
    }
};

} // namespace

std::unique_ptr<PartModule> MakeDs39607(const DeviceRecord& device) {
    return std::make_unique<Ds39607>(device);
}
