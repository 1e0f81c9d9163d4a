#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "programmer/Programmer.h"

namespace {

// DS39025F, PIC16F870-877: 001000 erases then programs (tera + tprog, 8 ms max; the
// program's 10 ms kept); no bulk-erase commands: Setup1, Setup2 and a begin command erase
// the memory of the load (2.5.1), and at 2007h everything, protection included (2.5.2).
class Ds39025 : public Mid16Part {
public:
    explicit Ds39025(const DeviceRecord& device) : Mid16Part(device, Mid16Waits{}) {}
    std::string Document() const override { return "DS39025F"; }

    void Unprotect(Programmer& p) override { SetupEraseAtConfig(p, kErasedWord); }

protected:
    // The IDs have no erase of their own here: withIds is not used.
    void BulkErase(Programmer& p, bool programMemory, bool) override {
        p.EnterProgMode();
        p.IcspCommand16(programMemory ? Cmd16::LoadDataProgram : Cmd16::LoadDataData, kErasedWord);
        SetupErase(p, programMemory ? waits_.programEraseMs : waits_.dataEraseMs);
    }
};

} // namespace

std::unique_ptr<PartModule> MakeDs39025(const DeviceRecord& device) {
    return std::make_unique<Ds39025>(device);
}
