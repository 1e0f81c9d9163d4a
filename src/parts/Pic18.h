#pragma once
#include "parts/PartModule.h"

#include <cstdint>
#include <vector>

// What the PIC18 documents share: the device ID at 3FFFFEh, program memory through table
// writes into the write buffer and a programming NOP, erases through the bulk-erase
// control bytes at 3C0005h:3C0004h, the configuration bytes at 300000h, the data EEPROM
// through its registers. Each document supplies its erase codes, its configuration and
// EEPROM details, and (DS39576) its panels.
class Pic18Part : public PartModule {
public:
    using PartModule::PartModule;

    int32_t ReadDeviceId(Programmer& p) override;
    void ProgramLocation(Programmer& p, int32_t address, int32_t value, int32_t progUsed) override;
    const std::vector<int32_t>& WBuf() const override { return wbuf_; }
    void ProgramCycle(Programmer& p, const WriteCycle& cycle,
                      const std::vector<int32_t>& values) override;
    void WriteConfiguration(Programmer& p, const std::vector<int64_t>& words) override;

    void EraseProgram(Programmer& p, bool withIds, bool withConfig) override;
    void EraseData(Programmer& p) override;
    void EraseIds(Programmer& p, int32_t progUsed) override;
    void EraseConfig(Programmer& p) override;
    bool ErasesWholeChipForFullWrite() const override { return true; }
    void EraseWholeChip(Programmer& p) override;
    void Unprotect(Programmer& p) override;

    void WriteDataByte(Programmer& p, int32_t address, int32_t value) override;
    int32_t ReadDataByte(Programmer& p, int32_t address) override;
    void NextDataByte(Programmer&) override {}

protected:
    // A bulk-erase control value: the byte for 3C0005h (kNoHigh: left alone) and 3C0004h.
    struct EraseCode {
        int high;
        int low;
    };
    static constexpr int kNoHigh = -1;

    // The program-memory erase steps, and the whole-chip one.
    virtual std::vector<EraseCode> ProgramEraseSteps() const = 0;
    virtual EraseCode WholeChipCode() const = 0;
    // True when the document repeats the byte in both halves of the operand (DS39622K);
    // otherwise it goes in the low half with 00h above it (DS39576B: 3C0004h is even).
    virtual bool EraseBytesInBothHalves() const = 0;
    // Instructions the document sends between setting EECON1 and the configuration writes
    // (DS39576B: GOTO 100000h).
    virtual void BeforeConfigurationWrites(Programmer&) {}
    // DS39576B: a write to the data EEPROM starts only after 55h and AAh went to EECON2.
    virtual bool UnlocksEepromWrites() const { return false; }
    // DS39622K: a NOP between MOVWF TABLAT and the shift-out.
    virtual bool NopBeforeShiftOut() const { return false; }
    // Sets up the target for a new block of ProgramLocation (DS39576: single-panel mode).
    virtual void BeforeBlock(Programmer&) {}
    // DS39576: the panel mode a unit write needs.
    virtual void BeforeUnit(Programmer&, const WriteCycle&) {}

    // One erase step: the control bytes, a NOP and the erase hold.
    void EraseStep(Programmer& p, const EraseCode& code);
    void ChipErase(Programmer& p);

private:
    void PointEeprom(Programmer& p, int32_t address);
    int32_t ShiftOutW(Programmer& p);

    std::vector<int32_t> wbuf_;
};
