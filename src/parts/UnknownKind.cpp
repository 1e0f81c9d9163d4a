#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "parts/Pic18.h"
#include "programmer/Programmer.h"

namespace {

// A family 16 "Programming" kind the program does not know: the 16F84A's erases and
// waits, and no word written: each location says that the kind is not specified.
class Unknown16 : public Mid16Part {
public:
    explicit Unknown16(const DeviceRecord& device) : Mid16Part(device, Mid16Waits{}) {}
    std::string Document() const override { return ""; }
    bool Unprotectable() const override { return false; }
    void Unprotect(Programmer&) override {}

protected:
    void ProgramWord(Programmer& p, int32_t) override {
        p.Msg().ShowMessage(Say("parts", "No se especifica el tipo de Flash!!"));
    }
    bool UnitWritesAllowed() const override { return false; }
};

// A family 18 kind the program does not know: locations written through the buffer, but
// no program-memory or configuration erase and no unprotect; a write with every memory in
// scope gets the one-byte chip erase.
class Unknown18 : public Pic18Part {
public:
    using Pic18Part::Pic18Part;
    std::string Document() const override { return ""; }
    bool Unprotectable() const override { return false; }

protected:
    std::vector<EraseCode> ProgramEraseSteps() const override { return {}; }
    EraseCode WholeChipCode() const override { return {kNoHigh, 0x80}; }
    bool EraseBytesInBothHalves() const override { return false; }
};

// A record of neither family (selection refuses those): nothing is sent.
class NoFamily : public PartModule {
public:
    using PartModule::PartModule;
    std::string Document() const override { return ""; }
    bool Erasable() const override { return false; }
    int32_t ReadDeviceId(Programmer&) override { return 0; }
    void ProgramLocation(Programmer&, int32_t, int32_t, int32_t) override {}
    void ProgramCycle(Programmer&, const WriteCycle&, const std::vector<int32_t>&) override {}
    void EraseProgram(Programmer&, bool, bool) override {}
    void EraseData(Programmer&) override {}
    void EraseIds(Programmer&, int32_t) override {}
    void EraseConfig(Programmer&) override {}
    void Unprotect(Programmer&) override {}
    void WriteDataByte(Programmer&, int32_t, int32_t) override {}
    int32_t ReadDataByte(Programmer&, int32_t) override { return 0; }
    void NextDataByte(Programmer&) override {}
};

} // namespace

std::unique_ptr<PartModule> MakeUnknownKind(const DeviceRecord& device) {
    if (device.Family == 18) {
        return std::make_unique<Unknown18>(device);
    }
    if (device.Family == 16) {
        return std::make_unique<Unknown16>(device);
    }
    return std::make_unique<NoFamily>(device);
}
