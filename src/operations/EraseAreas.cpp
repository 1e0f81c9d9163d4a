#include "operations/OperationEngine.h"

// The areas are erased one after the other, each by the part's module with the sequences
// of its programming document; each area starts with its own entry into programming mode
// (which restarts the address counter at 0).

namespace {
// Not a chip time: the ID and configuration areas get 100 ms to settle, as they always had.
constexpr uint32_t kIdConfigSettleMs = 100;
} // namespace

bool OperationEngine::EraseAreas(bool program, bool eeprom, bool ident, bool config) {
    PartModule& part = Part();
    if (!part.Erasable()) {
        host_.Msg().ShowInfo(
            Say("operations", "Esta función solo funciona con dispositivos FLASH"));
        return false;
    }
    if (program && eeprom && ident && config && part.ErasesWholeChipForFullWrite()) {
        // ID locations without an erase of their own (family 18) are cleared only by the
        // chip erase. With every memory in scope nothing the user keeps is lost, so one
        // chip erase prepares them all.
        p_.EnterProgMode();
        part.EraseWholeChip(p_);
        p_.ExitProgMode();
        return true;
    }
    if (program) {
        part.EraseProgram(p_, ident, config);
    }
    if (eeprom) {
        part.EraseData(p_);
    }
    if (ident) {
        part.EraseIds(p_, image_.ProgUsed);
        SleepMs(kIdConfigSettleMs);
    }
    if (config) {
        part.EraseConfig(p_);
        SleepMs(kIdConfigSettleMs);
    }
    p_.ExitProgMode();
    return true;
}
