#include "simulator/Pic18Target.h"

namespace Sim {

namespace {
// 4-bit commands (value of the bits as sent, LSB first).
constexpr int CoreInstruction = 0x0;
constexpr int ShiftOutTablat = 0x2;
constexpr int TableRead = 0x8;
constexpr int TableReadPostInc = 0x9;
constexpr int TableReadPostDec = 0xA;
constexpr int TableReadPreInc = 0xB;
constexpr int TableWrite = 0xC;
constexpr int TableWritePostInc2 = 0xD;
// DS39622K: start programming, post-increment by 2; DS39576B: post-decrement by 2 (Table
// 2-3), no programming.
constexpr int TableWrite1110 = 0xE;
constexpr int TableWriteStart = 0xF;

// Core instruction words of the simulated subset.
constexpr uint16_t Nop = 0x0000;
constexpr uint16_t MovlwMask = 0xFF00;
constexpr uint16_t Movlw = 0x0E00;
constexpr uint16_t MovwfTblptrU = 0x6EF8;
constexpr uint16_t MovwfTblptrH = 0x6EF7;
constexpr uint16_t MovwfTblptrL = 0x6EF6;
constexpr uint16_t MovwfTablat = 0x6EF5;
constexpr uint16_t BsfEepgd = 0x8EA6;
constexpr uint16_t BcfEepgd = 0x9EA6;
constexpr uint16_t BsfCfgs = 0x8CA6;
constexpr uint16_t BcfCfgs = 0x9CA6;
constexpr uint16_t BsfWren = 0x84A6;
constexpr uint16_t BcfWren = 0x94A6;
constexpr uint16_t GotoFirst = 0xEF00;  // low byte: address bits 8..1
constexpr uint16_t SecondWord = 0xF000; // low 12 bits: address bits 20..9
constexpr uint16_t PrefixMask = 0xF000;

// The table pointer is 22 bits wide: TBLPTRU holds six.
constexpr uint32_t TblptrMask = 0x3FFFFF;
constexpr uint32_t TblptrUMask = 0x3F;
} // namespace

bool Pic18Target::IsRead(int code) {
    return code == ShiftOutTablat || (code >= TableRead && code <= TableReadPreInc);
}

bool Pic18Target::IsTableWrite(int code) {
    return code >= TableWrite && code <= TableWriteStart;
}

// The byte to shift out is taken when the command is decoded; the table pointer then moves
// as the command says.
void Pic18Target::StartTableRead(int code) {
    if (code == ShiftOutTablat) {
        readByte_ = tablat_;
        return;
    }
    if (code == TableReadPreInc) {
        tblptr_ = (tblptr_ + 1) & TblptrMask;
    }
    tablat_ = ReadByte(tblptr_);
    readByte_ = tablat_;
    if (code == TableReadPostInc) {
        tblptr_ = (tblptr_ + 1) & TblptrMask;
    } else if (code == TableReadPostDec) {
        tblptr_ = (tblptr_ - 1) & TblptrMask;
    }
}

void Pic18Target::ExecuteCore(uint16_t word) {
    if (gotoLow_ >= 0 && (word & PrefixMask) == SecondWord) {
        const uint32_t target = (((word & 0x0FFFu) << 8) | static_cast<uint32_t>(gotoLow_)) << 1;
        lastGoto_ = target;
        gotoLow_ = -1;
        return;
    }
    gotoLow_ = -1;
    if ((word & MovlwMask) == Movlw) {
        w_ = static_cast<uint8_t>(word & 0xFF);
    } else if ((word & MovlwMask) == GotoFirst) {
        gotoLow_ = word & 0xFF;
    } else if (word == MovwfTblptrU) {
        tblptr_ = (tblptr_ & 0x00FFFF) | ((w_ & TblptrUMask) << 16);
    } else if (word == MovwfTblptrH) {
        tblptr_ = (tblptr_ & 0x3F00FF) | (uint32_t{w_} << 8);
    } else if (word == MovwfTblptrL) {
        tblptr_ = (tblptr_ & 0x3FFF00) | w_;
    } else if (word == MovwfTablat) {
        tablat_ = w_;
    } else if (word == BsfEepgd || word == BcfEepgd) {
        eepgd_ = word == BsfEepgd;
    } else if (word == BsfCfgs || word == BcfCfgs) {
        cfgs_ = word == BsfCfgs;
    } else if (word == BsfWren || word == BcfWren) {
        wren_ = word == BsfWren;
    } else if (ExecuteDataEeprom(word)) {
        // handled by the data EEPROM registers
    } else if (word != Nop && (word & PrefixMask) != SecondWord) {
        // A lone second word executes as a NOP on the PIC18; anything else is outside the
        // subset and would do something the simulation does not model.
        unsupported_.push_back(word);
        violations_.Add(Rule::UnsupportedInstruction, clock_.LastFall());
    }
}

// Low operand byte to the even address, high byte to the odd one. Configuration and control
// registers take one byte: the lane matching the address's parity.
void Pic18Target::WriteTable(int code, uint16_t operand) {
    const uint32_t address = tblptr_;
    const auto low = static_cast<uint8_t>(operand & 0xFF);
    const auto high = static_cast<uint8_t>(operand >> 8);
    const uint8_t lane = (address & 1) != 0 ? high : low;
    const bool ds39622 = profile_.variant == Pic18Variant::F2xx0;
    const bool start = code == TableWriteStart || (code == TableWrite1110 && ds39622);
    if (address >= ConfigBase && address < ConfigBase + ConfigBytes) {
        if (start) {
            armed_ = Armed::Config;
            armedAddress_ = address;
            armedConfigByte_ = lane;
        }
    } else if (address >= EraseControlLow && address <= PanelControl) {
        WriteControl(address, lane);
    } else {
        const uint32_t even = address & ~uint32_t{1};
        buffer_.Write(BufferKey(even), even, low);
        buffer_.Write(BufferKey(even), even + 1, high);
        if (start) {
            armed_ = Armed::Row;
            armedAddress_ = address;
        }
    }
    if (code == TableWritePostInc2 || (code == TableWrite1110 && ds39622)) {
        tblptr_ = (tblptr_ + 2) & TblptrMask;
    } else if (code == TableWrite1110) {
        tblptr_ = (tblptr_ - 2) & TblptrMask;
    }
}

// 3C0004h starts a bulk erase with the code in it (and in 3C0005h on DS39622 parts);
// 3C0006h selects single-panel (00h) or multi-panel (40h) writes on DS39576 parts, reached
// with EEPGD, CFGS and WREN set as DS39576B Table 3-4 sets them first.
void Pic18Target::WriteControl(uint32_t address, uint8_t value) {
    if (address == EraseControlLow) {
        eraseLow_ = value;
        eraseArmed_ = true;
        eraseFrames_ = 0;
        eraseCode_ = profile_.variant == Pic18Variant::F2xx0
                         ? static_cast<uint16_t>((eraseHigh_ << 8) | eraseLow_)
                         : eraseLow_;
    } else if (address == EraseControlHigh) {
        eraseHigh_ = value;
    } else if (profile_.variant == Pic18Variant::Fxx2xx8) {
        if (!eepgd_ || !cfgs_ || !wren_) {
            violations_.Add(Rule::WrongSpace, clock_.LastFall());
            return;
        }
        panel_ = value;
        panelSelected_ = true;
    }
}

// The command after a start-programming write: its fourth clock, held high for P9, is the
// programming pulse. Anything but a NOP there, or a shorter hold, leaves the row unwritten.
void Pic18Target::CheckProgrammingNop(int code, int64_t now) {
    if (armed_ == Armed::None) {
        return;
    }
    if (code != CoreInstruction) {
        violations_.Add(Rule::BadProgramStart, now);
    } else {
        if (pulseRise_ < 0 || now - pulseRise_ < profile_.timing.programHoldNs) {
            violations_.Add(Rule::ProgramHold, now);
        } else {
            Program();
        }
        // The programming NOP's fourth clock fell: P10 is owed before its operand.
        holdEnd_ = now;
        dischargeNs_ = profile_.timing.dischargeNs;
    }
    armed_ = Armed::None;
    pulseRise_ = -1;
    buffer_.Clear(); // the holding registers read 0xFF after every programming cycle
}

void Pic18Target::Program() {
    const int64_t now = clock_.LastFall();
    if (armed_ == Armed::Config) {
        // CFGS selects the configuration space; without it the write goes nowhere.
        const uint32_t index = armedAddress_ - ConfigBase;
        if (!cfgs_) {
            violations_.Add(Rule::WrongSpace, now);
        } else if (!NeverTakes(Space::Config, index)) {
            config_[index] = armedConfigByte_; // a configuration write replaces the byte
        }
        return;
    }
    if (cfgs_ || !eepgd_) {
        violations_.Add(Rule::WrongSpace, now);
        return;
    }
    if (!PanelModeAllows(now)) {
        return;
    }
    if (MultiPanel()) {
        for (const auto& [key, row] : buffer_.Rows()) {
            if (row.dirty) {
                ProgramRow(row);
            }
        }
    } else if (const Pic18WriteBuffer::Row* row = buffer_.Find(BufferKey(armedAddress_))) {
        // The holding registers go to the row the table pointer addresses when programming
        // starts ("TBLPTR kept in the region", DS39622K 3.2.1).
        Pic18WriteBuffer::Row at = *row;
        at.base = tblptr_ - tblptr_ % buffer_.RowBytes();
        ProgramRow(at);
    }
}

// DS39576: the panel register has no documented reset value, so a write needs it chosen
// since entry; multi-panel writes exclude the IDs and the boot block, which lies at the
// start of the first panel, and so every offset inside it.
bool Pic18Target::PanelModeAllows(int64_t now) {
    if (profile_.variant != Pic18Variant::Fxx2xx8) {
        return true;
    }
    bool allowed = panelSelected_;
    if (MultiPanel()) {
        // Every panel is programmed at the offset of the last write, whether its buffer was
        // written or not.
        allowed = allowed && armedAddress_ % profile_.blockBytes >= profile_.bootBytes;
        for (const auto& [key, row] : buffer_.Rows()) {
            allowed = allowed && !(row.dirty && row.base >= IdBase);
        }
    }
    if (!allowed) {
        violations_.Add(Rule::PanelMode, now);
    }
    return allowed;
}

// Flash programming only clears bits. Bytes outside program memory and the IDs are lost.
void Pic18Target::ProgramRow(const Pic18WriteBuffer::Row& row) {
    for (uint32_t i = 0; i < row.bytes.size(); ++i) {
        Space space = Space::Program;
        uint32_t index = 0;
        uint8_t* cell = WritableCell(row.base + i, space, index);
        if (cell != nullptr && !NeverTakes(space, index)) {
            *cell &= row.bytes[i];
        }
    }
}

} // namespace Sim
