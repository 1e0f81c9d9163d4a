#include "simulator/Pic18Target.h"

namespace Sim {

namespace {
// Core instructions that reach the data EEPROM (DS39576B Tables 3-6/3-8, DS39622K
// Tables 3-7/3-9): its address, data and control registers.
constexpr uint16_t MovwfEeadr = 0x6EA9;
constexpr uint16_t MovwfEeadrh = 0x6EAA;
constexpr uint16_t MovwfEedata = 0x6EA8;
constexpr uint16_t MovwfEecon2 = 0x6EA7;
constexpr uint16_t MovfEecon1W = 0x50A6;
constexpr uint16_t MovfEedataW = 0x50A8;
constexpr uint16_t BsfRd = 0x80A6;
constexpr uint16_t BsfWr = 0x82A6;

// EECON1 bits as MOVF EECON1,W shows them.
constexpr uint8_t Eecon1Eepgd = 0x80;
constexpr uint8_t Eecon1Cfgs = 0x40;
constexpr uint8_t Eecon1Wren = 0x04;
constexpr uint8_t Eecon1Wr = 0x02;

// DS39576B: WR starts a data write only after 55h then AAh went to EECON2.
constexpr uint8_t UnlockFirst = 0x55;
constexpr uint8_t UnlockSecond = 0xAA;

// A data EEPROM write takes 4 ms (DS39622K P11A, the data write polling time; the same
// typical time for the DS39576B parts, whose document gives no figure and has the
// programmer poll WR). WR reads 1 until then.
constexpr int64_t DataWriteNs = 4'000'000;
} // namespace

uint32_t Pic18Target::EepromAddress() const {
    const uint32_t address = static_cast<uint32_t>(eeadrh_) << 8 | eeadr_;
    return eeprom_.empty() ? 0 : address % static_cast<uint32_t>(eeprom_.size());
}

// A write under way lands when its time has passed; another access before then cuts it
// short and the byte is lost.
void Pic18Target::SettleEepromWrite(int64_t now, bool interrupted) {
    if (!eeWritePending_) {
        return;
    }
    if (now >= eeWriteEnd_) {
        if (!NeverTakes(Space::Eeprom, eeWriteIndex_) && eeWriteIndex_ < eeprom_.size()) {
            eeprom_[eeWriteIndex_] = eeWriteData_; // the byte is erased, then written
        }
        eeWritePending_ = false;
    } else if (interrupted) {
        violations_.Add(Rule::ProgramTime, now);
        eeWritePending_ = false;
    }
}

bool Pic18Target::ExecuteDataEeprom(uint16_t word) {
    const int64_t now = clock_.LastFall();
    SettleEepromWrite(now, false);
    switch (word) {
    case MovwfEeadr:
        eeadr_ = w_;
        break;
    case MovwfEeadrh:
        eeadrh_ = w_;
        break;
    case MovwfEedata:
        eedata_ = w_;
        break;
    case MovwfEecon2:
        unlock_ = (unlock_ == 0 && w_ == UnlockFirst)    ? 1
                  : (unlock_ == 1 && w_ == UnlockSecond) ? 2
                                                         : 0;
        break;
    case MovfEecon1W:
        w_ = static_cast<uint8_t>((eepgd_ ? Eecon1Eepgd : 0) | (cfgs_ ? Eecon1Cfgs : 0) |
                                  (wren_ ? Eecon1Wren : 0) | (eeWritePending_ ? Eecon1Wr : 0));
        break;
    case MovfEedataW:
        w_ = eedata_;
        break;
    case BsfRd:
        SettleEepromWrite(now, true);
        if (eepgd_ || cfgs_) {
            violations_.Add(Rule::WrongSpace, now);
        } else if (!eeprom_.empty()) {
            eedata_ = static_cast<uint8_t>(Peek(Space::Eeprom, EepromAddress()));
        }
        break;
    case BsfWr:
        StartEepromWrite(now);
        break;
    default:
        return false;
    }
    return true;
}

void Pic18Target::StartEepromWrite(int64_t now) {
    SettleEepromWrite(now, true);
    const bool unlocked = profile_.variant != Pic18Variant::Fxx2xx8 || unlock_ == 2;
    unlock_ = 0;
    if (eepgd_ || cfgs_ || !wren_ || !unlocked || eeprom_.empty()) {
        violations_.Add(Rule::EepromWriteRefused, now);
        return;
    }
    eeWritePending_ = true;
    eeWriteIndex_ = EepromAddress();
    eeWriteData_ = eedata_;
    eeWriteEnd_ = now + DataWriteNs;
}

} // namespace Sim
