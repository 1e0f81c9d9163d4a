#include "parts/Documents.h"
#include "parts/Pic18.h"
#include "programmer/IcspCodes.h"
#include "programmer/Programmer.h"

namespace {

// The panels of a DS39576 part and their boot block.
constexpr int32_t kPanelBytes = 8192;
constexpr int32_t kBootBytes = 512;

// Cells [first, first + count) that exist on the part.
void AppendUnit(std::vector<int32_t>& to, int32_t first, int32_t count, int32_t progMem) {
    for (int32_t a = first; a < first + count && a < progMem; ++a) {
        to.push_back(a);
    }
}

// DS39576B, PIC18FXX2/XX8: an 8-byte write buffer in every 8 KiB panel, programmed one
// panel at a time or all at once by the panel register 3C0006h (Table 3-4: 00h single,
// 40h multi-panel; single-panel inside the boot block, Table 3-7); bulk erase by one byte
// at 3C0004h (Table 3-2: 83h the boot block, 88h-8Bh the panels, 80h the chip); the
// configuration bytes after GOTO 100000h; data EEPROM writes after the 55h/AAh unlock.
class Ds39576 : public Pic18Part {
public:
    using Pic18Part::Pic18Part;
    std::string Document() const override { return "DS39576B"; }

    std::vector<WriteCycle> PlanWriteCycles(int32_t progUsed) const override {
        std::vector<WriteCycle> cycles;
        const int32_t unit = device_.WriteUnit;
        const int32_t used = std::min(progUsed, device_.ProgMem);
        if (!WritesInUnits() || used <= 0) {
            return cycles;
        }
        const int32_t panels = (device_.ProgMem + kPanelBytes - 1) / kPanelBytes;
        for (int32_t offset = 0; offset < kPanelBytes && offset < used; offset += unit) {
            if (offset < kBootBytes) {
                // The boot block, at the start of the first panel, takes single-panel
                // writes; so does every panel at the same offsets.
                for (int32_t p = 0; p < panels && p * kPanelBytes + offset < used; ++p) {
                    WriteCycle c;
                    AppendUnit(c.addresses, p * kPanelBytes + offset, unit, device_.ProgMem);
                    cycles.push_back(c);
                }
                continue;
            }
            // Every panel's buffer is programmed by the pulse: each is filled, with the
            // erased value past the used size.
            WriteCycle c;
            c.multiPanel = true;
            for (int32_t p = 0; p < panels; ++p) {
                AppendUnit(c.addresses, p * kPanelBytes + offset, unit, device_.ProgMem);
            }
            cycles.push_back(c);
        }
        return cycles;
    }

protected:
    std::vector<EraseCode> ProgramEraseSteps() const override {
        return {
            {kNoHigh, 0x83}, {kNoHigh, 0x88}, {kNoHigh, 0x89}, {kNoHigh, 0x8A}, {kNoHigh, 0x8B}};
    }
    EraseCode WholeChipCode() const override { return {kNoHigh, 0x80}; }
    bool EraseBytesInBothHalves() const override { return false; }
    void BeforeConfigurationWrites(Programmer& p) override {
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Goto100000Low);
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::Goto100000High);
    }
    bool UnlocksEepromWrites() const override { return true; }
    // PIC18 table writes carry a pair of bytes; a unit fits the 512-byte boot block.
    bool UnitWritesAllowed() const override {
        return device_.WriteUnit >= 2 && device_.WriteUnit <= kBootBytes;
    }
    void BeforeBlock(Programmer& p) override { SelectPanelMode(p, Pic18::SinglePanelWrites); }
    // The panel register keeps its value for the programming session: it is written again
    // only when the mode changes or the chip has restarted since.
    void BeforeUnit(Programmer& p, const WriteCycle& cycle) override {
        const uint32_t wanted =
            cycle.multiPanel ? Pic18::MultiPanelWrites : Pic18::SinglePanelWrites;
        if (panelSession_ != p.Session() || panelMode_ != wanted) {
            SelectPanelMode(p, wanted);
            panelSession_ = p.Session();
            panelMode_ = wanted;
        }
    }

private:
    // Table 3-4: the panel register lies in configuration space, so EEPGD, CFGS and WREN
    // are set before it is written.
    static void SelectPanelMode(Programmer& p, uint32_t mode) {
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Eepgd);
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Cfgs);
        p.IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Wren);
        p.LoadTablePointer(Pic18::PanelWriteMode);
        p.IcspCommand18(Cmd18::TableWrite, mode);
    }

    uint64_t panelSession_ = ~uint64_t{0};
    uint32_t panelMode_ = 0;
};

} // namespace

std::unique_ptr<PartModule> MakeDs39576(const DeviceRecord& device) {
    return std::make_unique<Ds39576>(device);
}
