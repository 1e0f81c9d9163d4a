#include "simulator/Pic16Target.h"

namespace Sim {

namespace {
// DS41204G §3.1.3: 2006h-2009h "do not physically reside" in configuration memory and do not
// reset the latches; DS41287C §3.2.4: writes to 2000h-2003h and 2007h-2009h do not either
// (the 882 is not named, revision C added it: it is taken to behave as its siblings).
constexpr uint32_t DeviceIdAddress = 0x2006;
constexpr uint32_t LastCalibrationAddress = 0x2009;
constexpr uint32_t LastIdAddress = 0x2003;
constexpr uint32_t ConfigWordAddress = 0x2007;
// A latch whose word this cycle does not write where it was loaded.
constexpr uint32_t NoLocation = 0xFFFFFFFF;
} // namespace

// Program memory and the ID row 2000h-2003h are written a latch group at a time: the
// aligned group the address selects (4 or 8 words on DS41204G/DS41287C, one on DS41191D),
// so a misaligned group lands where its address bits say ("an unexpected result",
// DS41204G §3.1.1, DS41287C §3.2.1). Unloaded latches hold 3FFFh and change nothing. The
// other words of the configuration half are written alone, from the latch at the address.
bool Pic16Target::RowWritten(uint32_t pc) const {
    const uint32_t address = ConfigAddress(pc);
    return address < ConfigBase || address - ConfigBase < IdWords;
}

// Under CP program memory is not programmed (DS41191D §4.0, DS41204G §5.0, DS41287C §5.0);
// under CPD data memory is not either: no document says ICSP data writes still work then
// (DS41204G §5.0 names only the firmware's EECON1 access), so the stricter reading is taken.
void Pic16Target::ApplyFlashWrite(const Cycle& c) {
    if (c.toData) {
        if (!DataProtected()) {
            WriteDataByte(c.pc, c.replace);
        }
        return;
    }
    const uint32_t address = ConfigAddress(c.pc);
    const uint32_t row = profile_.rowWords;
    if (!RowWritten(address)) {
        WriteFlashConfigHalf(address, latch_[address % row]);
        return;
    }
    if (address < ConfigBase && CodeProtected()) {
        return;
    }
    const uint32_t base = address - address % row;
    for (uint32_t i = 0; i < row; ++i) {
        if (RowWritten(base + i)) {
            WriteWord(base + i, latch_[i], false);
        }
    }
}

// Locations after whose write the latches stay loaded: the programmer resets them (Load
// 3FFFh and Increment, once per latch, with Load Data for Program Memory: Load
// Configuration returns the address to 2000h each time and so resets only latch 0) or
// leaves programming mode. DS41191D has a single latch and no such duty.
bool Pic16Target::KeepsLatches(uint32_t pc) const {
    const uint32_t address = ConfigAddress(pc);
    switch (profile_.variant) {
    case Pic16Variant::F690:
        return address >= DeviceIdAddress && address <= LastCalibrationAddress;
    case Pic16Variant::F88X:
        return (address >= ConfigBase && address <= LastIdAddress) ||
               (address >= ConfigWordAddress && address <= LastCalibrationAddress);
    default:
        return false;
    }
}

// A row write whose group holds a latch left loaded by a write that keeps the latches, for
// another location than the one it now lands on, programs a word the programmer never
// loaded there (the inference DS41204G §3.1.3 and DS41287C §3.2.4 leave). A stale latch
// landing on its own location again programs the same word and is no breach: the IDs of
// DS41287C, written one by one, leave each other's latches loaded that way.
void Pic16Target::CheckStaleLatches(uint32_t pc, int64_t now) {
    if (!RowWritten(pc)) {
        return;
    }
    const uint32_t address = ConfigAddress(pc);
    const uint32_t base = address - address % profile_.rowWords;
    for (uint32_t i = 0; i < profile_.rowWords; ++i) {
        if (stale_[i] && RowWritten(base + i) && loadedAt_[i] != base + i) {
            violations_.Add(Rule::StaleLatch, now);
            return;
        }
    }
}

// A write that keeps the latches leaves every latch loaded since the last cycle stale. Those
// it writes at their own location may land there again harmlessly; any other (say the
// dummy word of a Load Configuration) is foreign wherever it lands.
void Pic16Target::MarkStaleLatches(uint32_t pc) {
    if (!KeepsLatches(pc)) {
        return;
    }
    const uint32_t address = ConfigAddress(pc);
    const uint32_t row = profile_.rowWords;
    const uint32_t base = address - address % row;
    for (uint32_t i = 0; i < row; ++i) {
        if (!loaded_[i]) {
            continue;
        }
        const uint32_t target = RowWritten(address) ? base + i : address;
        const bool written = (RowWritten(address) ? RowWritten(target) : i == address % row) &&
                             loadedAt_[i] == target;
        stale_[i] = true;
        loadedAt_[i] = written ? target : NoLocation;
    }
}

// After a write cycle the latches return to 3FFFh, but after the locations that keep them.
// A data write does not touch the program latches.
void Pic16Target::SettleLatches(const Cycle& c) {
    if (!c.toData && !KeepsLatches(c.pc)) {
        ResetLatches();
    }
}

} // namespace Sim
