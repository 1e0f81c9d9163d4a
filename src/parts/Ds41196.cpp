#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "programmer/Programmer.h"

namespace {

// DS41196G, PIC16F627A/628A/648A: X01000 programs only (TPROG 4 ms max, IDs and
// configuration too); the bulk erases are self-timed from their own command (TERA 6 ms
// max), with no begin command after them.
Mid16Waits DocumentWaits() {
    Mid16Waits w;
    w.wordWriteMs = 4;
    w.configWriteMs = 4;
    w.unprotectMs = 6;
    return w;
}

class Ds41196 : public Mid16Part {
public:
    explicit Ds41196(const DeviceRecord& device) : Mid16Part(device, DocumentWaits()) {}
    std::string Document() const override { return "DS41196G"; }

    // Table 3-1: a program-memory bulk erase with the address in configuration memory
    // clears program memory, the configuration word (protection included) and the IDs;
    // data memory has its own.
    void Unprotect(Programmer& p) override {
        p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
        p.IcspCommand16(Cmd16::LoadDataProgram, kErasedWord);
        p.IcspCommand16(Cmd16::BulkEraseProgram);
        p.GetDelay().SleepMs(waits_.unprotectMs);
        p.IcspCommand16(Cmd16::BulkEraseData);
        p.GetDelay().SleepMs(waits_.unprotectMs);
    }

protected:
    // Self-timed from the bulk erase command, which a begin command would cut short.
    void BulkErase(Programmer& p, bool programMemory, bool withIds) override {
        p.EnterProgMode();
        if (withIds && programMemory) {
            p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
        }
        if (programMemory) {
            p.IcspCommand16(Cmd16::LoadDataProgram, kErasedWord);
        }
        p.IcspCommand16(programMemory ? Cmd16::BulkEraseProgram : Cmd16::BulkEraseData);
        p.GetDelay().SleepMs(programMemory ? waits_.programEraseMs : waits_.dataEraseMs);
    }
};

} // namespace

std::unique_ptr<PartModule> MakeDs41196(const DeviceRecord& device) {
    return std::make_unique<Ds41196>(device);
}
