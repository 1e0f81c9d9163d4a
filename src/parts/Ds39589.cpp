#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "programmer/Programmer.h"

namespace {

// DS39589B, PIC16F873A-877A: 011000 programs the 8-word row the address selects, ended by
// 010111 (tprog1 1 ms min; 2 ms kept); 001000 at 2007h erases and programs the
// configuration word (tprog2 8 ms max; 10 ms kept); the bulk erase commands run on the
// 001000 that follows them; Chip Erase 011111 (tprog3 8 ms max; 40 ms kept).
Mid16Waits DocumentWaits() {
    Mid16Waits w;
    w.wordWriteMs = 2;
    w.configWriteMs = 10;
    w.idEraseMs = 10;
    w.unprotectMs = 40;
    w.eepromWriteMs = 8; // 001000 on data memory, internally timed, 8 ms max
    return w;
}

class Ds39589 : public Mid16Part {
public:
    explicit Ds39589(const DeviceRecord& device) : Mid16Part(device, DocumentWaits()) {}
    std::string Document() const override { return "DS39589B"; }

    // Alone at 2007h, by the internally timed cycle.
    void ProgramConfigWord(Programmer& p, int32_t value) override {
        TimedWord(p, value, Cmd16::BeginEraseProgram, waits_.configWriteMs, -1);
    }
    // The four ID words are one row: all four loaded, programmed together. The address is
    // then 2004h, inside the row 2000h-2007h; the configuration word is written only with
    // the address exactly at 2007h (2.4.2.7-8).
    void EraseIds(Programmer& p, int32_t) override {
        p.EnterProgMode();
        p.IcspCommand16(Cmd16::LoadConfiguration, 0);
        for (int i = 0; i < kIdWords; ++i) {
            p.IcspCommand16(Cmd16::LoadDataProgram, kErasedWord);
            p.IcspCommand16(Cmd16::IncrementAddress);
        }
        p.IcspCommand16(Cmd16::BeginEraseProgram);
        p.GetDelay().SleepMs(waits_.idEraseMs);
    }
    void Unprotect(Programmer& p) override { ChipEraseAtConfig(p); }

protected:
    void ProgramWord(Programmer& p, int32_t value) override {
        TimedWord(p, value, Cmd16::BeginProgramOnly, waits_.wordWriteMs, Cmd16::EndProgramming2);
    }
    bool UnitWritesAllowed() const override { return true; }
    int32_t UnitEnd() const override { return Cmd16::EndProgramming2; }
    // The bulk erase command runs on the 001000 that follows it.
    void BulkErase(Programmer& p, bool programMemory, bool withIds) override {
        p.EnterProgMode();
        if (withIds && programMemory) {
            p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
        }
        p.IcspCommand16(programMemory ? Cmd16::BulkEraseProgram : Cmd16::BulkEraseData);
        p.IcspCommand16(Cmd16::BeginEraseProgram);
        p.GetDelay().SleepMs(programMemory ? waits_.programEraseMs : waits_.dataEraseMs);
    }
};

} // namespace

std::unique_ptr<PartModule> MakeDs39589(const DeviceRecord& device) {
    return std::make_unique<Ds39589>(device);
}
