#include "parts/Documents.h"
#include "parts/Pic18.h"
#include "programmer/Programmer.h"

namespace {

// DS39622K, PIC18F2XXX/4XXX: one write buffer (32 bytes on the shipped parts) per
// programming pulse; bulk erase by the control bytes at 3C0005h:3C0004h, each repeated in
// both halves of the operand (Table 3-2: 0081h the boot block, 0180h-0880h blocks 0-3,
// 0082h the configuration bits; the whole chip 3F8Fh in rev K, 0F87h earlier); a NOP before
// the EEPROM data's shift-out.
class Ds39622 : public Pic18Part {
public:
    using Pic18Part::Pic18Part;
    std::string Document() const override { return "DS39622K"; }

    void EraseConfig(Programmer& p) override {
        p.EnterProgMode();
        EraseStep(p, {0x00, 0x82});
    }

protected:
    std::vector<EraseCode> ProgramEraseSteps() const override {
        return {{0x00, 0x81}, {0x01, 0x80}, {0x02, 0x80}, {0x04, 0x80}, {0x08, 0x80}};
    }
    EraseCode WholeChipCode() const override { return {0x3F, 0x8F}; }
    bool EraseBytesInBothHalves() const override { return true; }
    bool NopBeforeShiftOut() const override { return true; }
    bool UnitWritesAllowed() const override { return device_.WriteUnit >= 2; }
};

} // namespace

std::unique_ptr<PartModule> MakeDs39622(const DeviceRecord& device) {
    return std::make_unique<Ds39622>(device);
}
