#pragma once
#include "devices/DeviceRecord.h"
#include "simulator/Pic18Profile.h"
#include "simulator/Pic18WriteBuffer.h"
#include "simulator/Target.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace Sim {

// A PIC18 in programming mode, from DS39576 and DS39622: 4-bit commands with 16-bit
// operands sampled on falling edges, a subset of core instructions (W, the table pointer,
// EECON1's EEPGD, CFGS and WREN, NOP, GOTO, the data EEPROM registers), table reads and
// writes, data EEPROM reads and polled writes, the write buffer and its programming pulse,
// bulk erase through 3C0004h/3C0005h, the panel register 3C0006h, and the configuration
// bytes.
class Pic18Target : public Target {
public:
    static constexpr uint32_t IdBase = 0x200000;
    static constexpr uint32_t IdBytes = 8;
    static constexpr uint32_t ConfigBase = 0x300000;
    static constexpr uint32_t ConfigBytes = 14;
    static constexpr uint32_t EraseControlLow = 0x3C0004;
    static constexpr uint32_t EraseControlHigh = 0x3C0005;
    static constexpr uint32_t PanelControl = 0x3C0006;
    static constexpr uint32_t DeviceIdBase = 0x3FFFFE;
    static constexpr uint32_t DeviceIdBytes = 2;

    explicit Pic18Target(const DeviceRecord& device);
    explicit Pic18Target(const Pic18Profile& profile);

    const Pic18Profile& Profile() const { return profile_; }
    void SetTiming(const Pic18Timing& timing);

    // Chip registers, for tests.
    uint32_t TablePointer() const { return tblptr_; }
    uint8_t W() const { return w_; }
    bool Eepgd() const { return eepgd_; }
    bool Cfgs() const { return cfgs_; }
    bool Wren() const { return wren_; }
    uint8_t PanelRegister() const { return panel_; }
    // Target of the last complete two-word GOTO, or -1.
    int64_t LastGoto() const { return lastGoto_; }
    // Core instruction words outside the simulated subset, in the order received.
    const std::vector<uint16_t>& UnsupportedInstructions() const { return unsupported_; }
    // Erase codes written to 3C0004h(/3C0005h) that the chip does not define.
    const std::vector<uint16_t>& UnknownEraseCodes() const { return unknownErase_; }

    void EnterProgramMode(int64_t now, bool clock, bool data, int64_t supplySince) override;
    void LeaveProgramMode(int64_t now) override;
    void ClockRise(int64_t now, bool data) override;
    void ClockFall(int64_t now, bool data) override;
    void DataChange(int64_t now) override;

    uint32_t Size(Space space) const override;
    uint32_t Peek(Space space, uint32_t index) const override;
    void Poke(Space space, uint32_t index, uint32_t value) override;
    uint32_t ErasedValue(Space space) const override;

private:
    enum class Phase { Command, Operand };
    enum class Armed { None, Row, Config };

    // What a bulk erase clears: program ranges [first, second) and whole areas.
    struct EraseScope {
        std::vector<std::pair<uint32_t, uint32_t>> program;
        bool eeprom = false;
        bool ids = false;
        bool config = false;
        bool defined = false;
    };

    // Wire (Pic18Target.cpp).
    void OnOperandStart(int64_t now);
    void OnCommandDecoded(int64_t now);
    void OnOperandDone();
    void DriveReadBit(int64_t now);

    // Commands and instructions (Pic18Commands.cpp).
    static bool IsRead(int code);
    static bool IsTableWrite(int code);
    void StartTableRead(int code);
    void ExecuteCore(uint16_t word);
    void WriteTable(int code, uint16_t operand);
    void WriteControl(uint32_t address, uint8_t value);
    void CheckProgrammingNop(int code, int64_t now);
    void Program();
    void ProgramRow(const Pic18WriteBuffer::Row& row);
    bool PanelModeAllows(int64_t now);

    // Data EEPROM through EEADR, EEDATA and EECON1 (Pic18DataEeprom.cpp). False for an
    // instruction that is not one of its own.
    bool ExecuteDataEeprom(uint16_t word);
    void StartEepromWrite(int64_t now);
    void SettleEepromWrite(int64_t now, bool interrupted);
    uint32_t EepromAddress() const;

    // Erase (Pic18Erase.cpp).
    void CountEraseFrames(int64_t now);
    void ResolveErase(int64_t end);
    EraseScope ScopeFor(uint16_t code) const;
    EraseScope Fxx2xx8Scope(uint8_t code) const;
    EraseScope F2xx0Scope(uint16_t code) const;
    void Erase(const EraseScope& scope, double fraction);
    std::pair<uint32_t, uint32_t> Block(uint32_t number) const;

    // Memory (Pic18Memory.cpp).
    uint8_t ReadByte(uint32_t address) const;
    uint8_t* WritableCell(uint32_t address, Space& space, uint32_t& index);
    uint32_t BufferKey(uint32_t address) const;
    bool MultiPanel() const;

    Pic18Profile profile_;

    std::vector<uint8_t> program_;
    std::vector<uint8_t> eeprom_;
    std::vector<uint8_t> ids_;
    std::vector<uint8_t> config_;
    std::vector<uint8_t> deviceId_;
    // Configuration bits the part implements; the others read as 0 whatever was written.
    std::vector<uint8_t> configImplemented_;

    // Registers.
    uint32_t tblptr_ = 0;
    uint8_t w_ = 0;
    uint8_t tablat_ = 0;
    bool eepgd_ = false;
    bool cfgs_ = false;
    bool wren_ = false;
    uint8_t eraseLow_ = 0;
    uint8_t eraseHigh_ = 0;
    uint8_t panel_ = 0;
    bool panelSelected_ = false; // 3C0006h written since entry (it has no documented reset value)
    Pic18WriteBuffer buffer_;
    int gotoLow_ = -1; // first GOTO word's low byte, waiting for the second word
    int64_t lastGoto_ = -1;
    std::vector<uint16_t> unsupported_;
    std::vector<uint16_t> unknownErase_;

    // Data EEPROM registers and the write under way.
    uint8_t eeadr_ = 0;
    uint8_t eeadrh_ = 0;
    uint8_t eedata_ = 0;
    int unlock_ = 0; // DS39576: 1 after 55h, 2 after 55h AAh to EECON2
    bool eeWritePending_ = false;
    uint32_t eeWriteIndex_ = 0;
    uint8_t eeWriteData_ = 0;
    int64_t eeWriteEnd_ = 0;

    // Wire state.
    Phase phase_ = Phase::Command;
    int bitCount_ = 0;
    uint32_t shift_ = 0;
    int code_ = 0;
    int64_t commandEnd_ = -1;
    int64_t operandEnd_ = -1;
    uint8_t readByte_ = 0;

    // Programming pulse: armed by a start-programming table write, started by the fourth
    // rising clock of the next command, taken if that clock stays high P9.
    Armed armed_ = Armed::None;
    uint32_t armedAddress_ = 0;
    uint8_t armedConfigByte_ = 0xFF;
    int64_t pulseRise_ = -1;
    int64_t holdEnd_ = -1;    // fourth falling edge of a programming or erase NOP
    int64_t dischargeNs_ = 0; // low time owed after holdEnd_

    // Bulk erase: armed by a write to 3C0004h, started by the fourth falling clock of the
    // second command after it, complete if the clock then stays low P11.
    bool eraseArmed_ = false;
    int eraseFrames_ = 0;
    bool eraseRunning_ = false;
    int64_t eraseStart_ = 0;
    uint16_t eraseCode_ = 0;
};

} // namespace Sim
