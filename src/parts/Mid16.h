#pragma once
#include "parts/PartModule.h"
#include "programmer/IcspCodes.h"

#include <cstdint>

// The waits of a mid-range document's sequences, in milliseconds: at least the maximum of
// a self-timed cycle and at least the minimum of an externally timed one. Where the
// program always waited longer, the longer wait stays.
struct Mid16Waits {
    uint32_t wordWriteMs = 10;    // one location: load, begin command, this wait [, End]
    uint32_t configWriteMs = 10;  // the configuration word
    uint32_t programEraseMs = 11; // program-memory erase (bulk, Setup1/Setup2 or chip erase)
    uint32_t dataEraseMs = 11;    // data-memory bulk erase
    uint32_t idEraseMs = 0;       // the ID locations' own erase, where the part has one
    uint32_t unprotectMs = 11;    // code-protect disable or chip erase, per memory erased
    // One data EEPROM byte. Maximum of the cycle: DS30262E 8 ms, DS30034D Tprog 8 ms,
    // DS41196G TDPROG 6 ms, DS39025F 8 ms; the 10 ms they always had cover them.
    uint32_t eepromWriteMs = 10;
};

// What the mid-range PIC16 documents share: the device ID at 2006h, the walk to the
// configuration memory, word-by-word writes where the address counter points, writes in
// units of loaded latches, data EEPROM through the data-memory commands, the ID and
// configuration erases through the part's own word cycle. Each document supplies its word
// cycle, its bulk erase and its unprotect.
class Mid16Part : public PartModule {
public:
    Mid16Part(const DeviceRecord& device, const Mid16Waits& waits)
        : PartModule(device), waits_(waits) {}

    int32_t ReadDeviceId(Programmer& p) override;
    void ProgramLocation(Programmer& p, int32_t address, int32_t value, int32_t progUsed) override;
    void ProgramCycle(Programmer& p, const WriteCycle& cycle,
                      const std::vector<int32_t>& values) override;
    void ProgramConfigWord(Programmer& p, int32_t value) override;

    void EraseProgram(Programmer& p, bool withIds, bool withConfig) override;
    void EraseData(Programmer& p) override;
    void EraseIds(Programmer& p, int32_t progUsed) override;
    void EraseConfig(Programmer& p) override;

    void WriteDataByte(Programmer& p, int32_t address, int32_t value) override;
    int32_t ReadDataByte(Programmer& p, int32_t address) override;
    void NextDataByte(Programmer& p) override;

    const Mid16Waits& Waits() const { return waits_; }

protected:
    static constexpr int32_t kErasedWord = 0x3FFF;
    static constexpr int kIdWords = 4;
    static constexpr int kStepsToDeviceId = 6;   // 2000h to 2006h
    static constexpr int kStepsToConfigWord = 7; // 2000h to 2007h

    // The word where the address counter points, by the document's cycle. The default is
    // the erase-and-program cycle 001000 of the oldest documents (DS30262E, DS30034D,
    // DS41196G, DS39025F), given the part's word time.
    virtual void ProgramWord(Programmer& p, int32_t value);
    // One memory's bulk erase. withIds: with the address in configuration memory, which
    // takes the IDs with program memory. The default is DS30262E's and DS30034D's: load,
    // bulk erase, a begin command that runs it.
    virtual void BulkErase(Programmer& p, bool programMemory, bool withIds);
    // One latch: the unit is the word, written by the program-only cycle after the erase.
    // Parts with rows of latches allow their longer units.
    bool UnitWritesAllowed() const override { return device_.WriteUnit == 1; }
    // The commands that begin and (-1: none) end the cycle of a unit write.
    virtual int32_t UnitBegin() const { return Cmd16::BeginProgramOnly; }
    virtual int32_t UnitEnd() const { return -1; }
    // After a unit's end command, before the next command (TDIS of the newer documents).
    virtual void AfterUnitEnd(Programmer&) {}

    // Load Configuration moves the address counter to 2000h with the loaded word in the
    // latches; steps increments follow (6 to the device ID, 7 to the configuration word).
    static void ConfigurationStep(Programmer& p, int32_t loaded, int steps);
    // The Setup1/Setup2 erase of the older parts (DS30262E, DS30034D, DS39025F): Setup1,
    // Setup2 and a begin command start it; after the wait Setup1 and Setup2 end it.
    static void SetupErase(Programmer& p, uint32_t waitMs);
    // Code-protect disable of the older parts: Load Configuration with `loaded`, the walk
    // to 2007h, then the Setup1/Setup2 erase (DS30262E 4.1, DS30034D 3.3, DS39025F 2.5.2).
    void SetupEraseAtConfig(Programmer& p, int32_t loaded);
    // Chip Erase 011111 with the address in configuration memory, where it takes the IDs
    // too (DS39589B 2.5.1.3, DS39607B 3.5.1.3).
    void ChipEraseAtConfig(Programmer& p);
    // Load, begin, the word's time, and an end command when the cycle has one.
    static void TimedWord(Programmer& p, int32_t value, int32_t begin, uint32_t waitMs,
                          int32_t end);

    Mid16Waits waits_;
};
