#include "simulator/Pic16Target.h"

#include <cmath>

namespace Sim {

// Latches at all ones (at entry, and after End Programming where the document says so):
// programming a row in which one latch was loaded changes only that word.
void Pic16Target::ResetLatches() {
    latch_.assign(profile_.rowWords, WordMask());
    stale_.assign(profile_.rowWords, false);
    loadedAt_.assign(profile_.rowWords, 0);
}

// A cycle starts: the loads before it no longer count as fresh; the latches keep their
// values.
void Pic16Target::ForgetLoads() {
    loaded_.assign(profile_.rowWords, false);
    anyLoaded_ = false;
}

// DS39589B: an internally timed 001000 writes the whole 8-word row and needs every latch
// loaded (the ID row: its four); after such a cycle the latches are not reset, so an
// unloaded one would write whatever it held.
void Pic16Target::CheckRowLoaded(uint32_t pc, int64_t now) {
    uint32_t needed = profile_.rowWords;
    if (pc >= ConfigBase) {
        needed = pc == ConfigBase + ConfigOffset ? 0 : IdWords;
    }
    for (uint32_t i = 0; i < needed; ++i) {
        if (!loaded_[i]) {
            violations_.Add(Rule::PartialRow, now);
            return;
        }
    }
}

bool Pic16Target::CodeProtected() const {
    const uint32_t mask = profile_.protectMask;
    return Target::CodeProtected() || (mask != 0 && (config_[0] & mask) != mask);
}

// Older parts decode only the address bits they implement, so user addresses alias.
uint32_t Pic16Target::ReadProgramAt(uint32_t pc) const {
    if (pc >= ConfigBase) {
        return ReadConfigHalf(pc);
    }
    if (program_.empty()) {
        return WordMask();
    }
    const uint32_t index = pc % profile_.programWords;
    // Protected program memory reads as zeros, but for the DS41191D OSCCAL word (§4.0).
    const bool osccal = osccalFactory_ != 0 && index == OsccalAddress;
    if (CodeProtected() && !osccal) {
        return 0;
    }
    return ApplyStuck(Space::Program, index, program_[index]) & WordMask();
}

uint32_t Pic16Target::ReadConfigHalf(uint32_t pc) const {
    if (CalibratedFlash()) {
        return ReadFlashConfigHalf(pc);
    }
    const uint32_t offset = pc - ConfigBase;
    if (offset < IdWords) {
        return Peek(Space::Id, offset);
    }
    if (offset == DeviceIdOffset) {
        return Peek(Space::DeviceId, 0);
    }
    if (offset >= ConfigOffset && offset < ConfigOffset + profile_.configWords) {
        return Peek(Space::Config, offset - ConfigOffset);
    }
    return WordMask(); // reserved and unimplemented words
}

// EEPROM sits behind the low bits of the same address counter.
bool Pic16Target::ReadDataAt(uint32_t pc, uint32_t& value) const {
    if (eeprom_.empty()) {
        return false; // nothing drives the pin
    }
    // The flash documents' CPD: protected data memory reads as zeros.
    value = DataProtected() ? 0 : Peek(Space::Eeprom, pc % profile_.eepromBytes);
    return true;
}

// A cycle writes the latches of the row the address selects (its low bits are ignored).
// In the configuration half the rows hold the IDs; the configuration words are written
// only with the address exactly on them, alone (DS39589B 2.4.2.7-8, DS39607B 4.0).
void Pic16Target::WriteRow(uint32_t pc, bool replace) {
    const uint32_t row = profile_.rowWords;
    const Pic16Variant v = profile_.variant;
    const bool configAlone = v == Pic16Variant::F87XA || v == Pic16Variant::F8788;
    if (pc >= ConfigBase && configAlone) {
        const uint32_t offset = pc - ConfigBase;
        if (offset >= ConfigOffset && offset < ConfigOffset + profile_.configWords) {
            // 87/88 configuration bits are written to 0 or 1 by either begin command.
            WriteWord(pc, latch_[pc % row], replace || v == Pic16Variant::F8788);
        } else if (offset < ConfigOffset) {
            for (uint32_t i = 0; i < IdWords; ++i) {
                WriteWord(ConfigBase + i, latch_[i % row], replace);
            }
        }
        return;
    }
    const uint32_t base = pc - pc % row;
    for (uint32_t i = 0; i < row; ++i) {
        WriteWord(base + i, latch_[i], replace);
    }
}

// replace: erase-then-program; otherwise programming only clears bits.
void Pic16Target::WriteWord(uint32_t pc, uint32_t value, bool replace) {
    uint32_t* cell = nullptr;
    Space space = Space::Program;
    uint32_t index = 0;
    if (pc < ConfigBase) {
        if (program_.empty()) {
            return;
        }
        index = pc % profile_.programWords;
        cell = &program_[index];
    } else {
        const uint32_t offset = pc - ConfigBase;
        if (offset < IdWords) {
            space = Space::Id;
            index = offset;
            cell = &ids_[offset];
        } else if (offset >= ConfigOffset && offset < ConfigOffset + profile_.configWords) {
            space = Space::Config;
            index = offset - ConfigOffset;
            cell = &config_[index];
        }
    }
    if (cell == nullptr || NeverTakes(space, index)) {
        return;
    }
    *cell = replace ? value : (*cell & value);
}

// A data-memory write erases its byte first, except on the 62XA, whose cycles only program.
void Pic16Target::WriteDataByte(uint32_t pc, bool replace) {
    if (eeprom_.empty()) {
        return;
    }
    const uint32_t index = pc % profile_.eepromBytes;
    if (!NeverTakes(Space::Eeprom, index)) {
        eeprom_[index] = replace ? dataLatch_ : (eeprom_[index] & dataLatch_);
    }
}

// 87/88 Begin Erase: the 32-word row of the address, or in the configuration half the IDs.
// DS41204G/DS41287C Row Erase: the 16-word row at PC<11:4>, as both documents print it. On
// the 8K parts that ignores PC<12>, so a row erase above 1000h clears the row 1000h lower;
// the literal reading is kept as the stricter one for a programmer that row-erases there.
void Pic16Target::EraseRow(uint32_t pc) {
    if (pc >= ConfigBase) {
        ids_.assign(IdWords, WordMask());
        return;
    }
    if (program_.empty() || profile_.eraseRowWords == 0) {
        return;
    }
    constexpr uint32_t RowSelectBits = 0x0FF0; // PC<11:4>
    const uint32_t address = CalibratedFlash() ? pc & RowSelectBits : pc;
    const uint32_t base =
        address % profile_.programWords / profile_.eraseRowWords * profile_.eraseRowWords;
    for (uint32_t i = 0; i < profile_.eraseRowWords && base + i < program_.size(); ++i) {
        program_[base + i] = WordMask();
    }
}

// An erase cut short clears each area from its start up to the share of the time it ran.
void Pic16Target::ErasePart(unsigned scope, double fraction) {
    auto clear = [fraction](std::vector<uint32_t>& cells, uint32_t erased) {
        const auto reached = static_cast<size_t>(std::floor(fraction * cells.size()));
        for (size_t i = 0; i < reached && i < cells.size(); ++i) {
            cells[i] = erased;
        }
    };
    if ((scope & ScopeProgram) != 0) {
        clear(program_, WordMask());
    }
    if ((scope & ScopeData) != 0) {
        clear(eeprom_, 0xFF);
    }
    if ((scope & ScopeIds) != 0) {
        clear(ids_, WordMask());
    }
    if ((scope & ScopeConfig) != 0) {
        clear(config_, WordMask());
        if (fraction >= 1.0) {
            protectKnob_ = false;
        }
    }
    EraseCalibration(scope, fraction);
}

uint32_t Pic16Target::Size(Space space) const {
    switch (space) {
    case Space::Program:
        return static_cast<uint32_t>(program_.size());
    case Space::Eeprom:
        return static_cast<uint32_t>(eeprom_.size());
    case Space::Id:
        return IdWords;
    case Space::Config:
        return profile_.configWords;
    case Space::DeviceId:
        return 1;
    case Space::Calibration:
        return static_cast<uint32_t>(calibration_.size());
    }
    return 0;
}

uint32_t Pic16Target::ErasedValue(Space space) const {
    return space == Space::Eeprom ? 0xFF : WordMask();
}

uint32_t Pic16Target::Peek(Space space, uint32_t index) const {
    if (index >= Size(space)) {
        return ErasedValue(space);
    }
    uint32_t value = 0;
    switch (space) {
    case Space::Program:
        value = program_[index];
        break;
    case Space::Eeprom:
        value = eeprom_[index];
        break;
    case Space::Id:
        value = ids_[index];
        break;
    case Space::Config:
        // Unimplemented configuration bits read as the part's document says (1 on most),
        // whatever was written to them.
        value = (config_[index] & configImplemented_[index]) |
                (configFill_[index] & ~configImplemented_[index]);
        break;
    case Space::DeviceId:
        value = deviceId_;
        break;
    case Space::Calibration: {
        const CalibrationFacts& f = calibrationFacts_[index];
        value = (calibration_[index] & f.implemented) | (f.fill & ~f.implemented);
        break;
    }
    }
    const uint32_t width = space == Space::Eeprom ? 0xFF : WordMask();
    return ApplyStuck(space, index, value) & width;
}

void Pic16Target::Poke(Space space, uint32_t index, uint32_t value) {
    if (index >= Size(space)) {
        return;
    }
    const uint32_t v = value & (space == Space::Eeprom ? 0xFF : WordMask());
    switch (space) {
    case Space::Program:
        program_[index] = v;
        break;
    case Space::Eeprom:
        eeprom_[index] = v;
        break;
    case Space::Id:
        ids_[index] = v;
        break;
    case Space::Config:
        config_[index] = v;
        break;
    case Space::DeviceId:
        deviceId_ = v;
        break;
    case Space::Calibration:
        calibration_[index] = v;
        break;
    }
}

} // namespace Sim
