#pragma once
#include "parts/Mid16.h"

#include <cstdint>
#include <vector>

// What DS41191D, DS41204G and DS41287C share: bulk erases that are self-timed from their
// own command (TERA; no load before, no begin after), that work on code-protected chips,
// and whose reach depends on the address counter (user memory: program memory and, on
// DS41204G/DS41287C, the configuration word; 2000h: the IDs and the configuration too);
// End Programming 001010 followed by TDIS; data EEPROM written by the internally timed
// cycle. Nothing erases the IDs or the configuration word without program memory, so their
// own erases send nothing. What a program erase clears beyond the areas asked for (IDs,
// configuration) is read before and written back after, the configuration unprotected: the
// erase of a protected chip lifts its protection.
class SelfTimed16 : public Mid16Part {
public:
    // The figures of one document, in microseconds.
    struct Timing {
        uint32_t eraseUs;     // TERA, maximum
        int32_t wordUs;       // one program or configuration word
        bool externalWords;   // words end with End Programming (else internally timed)
        uint32_t dischargeUs; // TDIS after End Programming
        uint32_t dataUs;      // TPROG1 of a data EEPROM byte
        uint32_t protectBits; // CP and CPD in the configuration word
    };

    SelfTimed16(const DeviceRecord& device, const Timing& timing);

    void EraseProgram(Programmer& p, bool withIds, bool withConfig) override;
    void EraseData(Programmer& p) override;
    void EraseIds(Programmer&, int32_t) override {}
    void EraseConfig(Programmer&) override {}
    void WriteDataByte(Programmer& p, int32_t address, int32_t value) override;
    // Code protect off (DS41204G Fig. 3-20, DS41287C Fig. 3-21): Bulk Erase PM, Load
    // Configuration, Bulk Erase PM, Bulk Erase DM; the calibration words are kept.
    void Unprotect(Programmer& p) override;
    Phrase EntryAdvice() const override;

protected:
    void ProgramWord(Programmer& p, int32_t value) override;
    bool UnitWritesAllowed() const override { return true; }
    int32_t UnitBegin() const override;
    int32_t UnitEnd() const override;
    void AfterUnitEnd(Programmer& p) override;

    // After a program-memory erase, before the IDs and configuration are written back
    // (DS41191D: OSCCAL). The chip is in programming mode with its counter at 0.
    virtual void AfterProgramErase(Programmer&) {}
    // Self-timed bulk erase of one memory where the counter points, and its TERA.
    void BulkEraseHere(Programmer& p, int32_t command);

    Timing timing_;

private:
    struct Kept {
        std::vector<int32_t> ids;
        std::vector<int32_t> config;
    };
    Kept ReadKept(Programmer& p, bool keepIds, bool keepConfig);
    void WriteKept(Programmer& p, const Kept& kept);
};
