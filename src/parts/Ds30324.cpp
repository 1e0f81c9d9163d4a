#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "programmer/Programmer.h"

namespace {

// DS30324B, PIC16F73/74/76/77: an externally timed pulse (tprog 1 ms, its minimum and
// maximum) begun by 001000 and ended by 001110, even/odd word pairs; Chip Erase 001001,
// self-timed (tera 30 ms min), also clears the configuration memory. No data EEPROM. What
// a pulse writes reads back only after the pulse sequence: a write is verified afterwards.
Mid16Waits DocumentWaits() {
    Mid16Waits w;
    w.wordWriteMs = 1;
    w.configWriteMs = 1;
    w.programEraseMs = 30;
    w.unprotectMs = 40; // the 40 ms it always had, above tera
    return w;
}

class Ds30324 : public Mid16Part {
public:
    explicit Ds30324(const DeviceRecord& device) : Mid16Part(device, DocumentWaits()) {}
    std::string Document() const override { return "DS30324B"; }

    bool ReadsBackWhileWriting() const override { return false; }
    bool HasDataEeprom() const override { return false; }

    void Unprotect(Programmer& p) override {
        p.IcspCommand16(Cmd16::BulkEraseProgram); // Chip Erase
        p.GetDelay().SleepMs(waits_.unprotectMs);
    }

protected:
    void ProgramWord(Programmer& p, int32_t value) override {
        TimedWord(p, value, Cmd16::BeginEraseProgram, waits_.wordWriteMs, Cmd16::EndProgramming);
    }
    bool UnitWritesAllowed() const override { return true; }
    int32_t UnitBegin() const override { return Cmd16::BeginEraseProgram; }
    int32_t UnitEnd() const override { return Cmd16::EndProgramming; }
    // Chip Erase, whatever the memory; the IDs go with it.
    void BulkErase(Programmer& p, bool programMemory, bool) override {
        p.EnterProgMode();
        p.IcspCommand16(Cmd16::BulkEraseProgram);
        p.GetDelay().SleepMs(programMemory ? waits_.programEraseMs : waits_.dataEraseMs);
    }
};

} // namespace

std::unique_ptr<PartModule> MakeDs30324(const DeviceRecord& device) {
    return std::make_unique<Ds30324>(device);
}
