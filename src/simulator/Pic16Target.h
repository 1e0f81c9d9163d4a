#pragma once
#include "devices/DeviceRecord.h"
#include "simulator/FlashParts.h"
#include "simulator/Pic16Profile.h"
#include "simulator/Target.h"

#include <cstdint>
#include <map>
#include <vector>

namespace Sim {

// A mid-range PIC16 in programming mode, from the programming documents: 6-bit
// commands and 16-clock data words sampled on falling clock edges, read data driven on
// rising edges, the address counter with its user and configuration halves, the data latch
// (a row of latches on the 87XA, 87/88 and 7X), internally and externally timed programming
// cycles, the bulk, chip, row and Setup1/Setup2 erases, code protection and EPROM parts,
// and the factory calibration of the DS41191D, DS41204G and DS41287C parts.
// Each variant accepts only the commands its document defines.
class Pic16Target : public Target {
public:
    static constexpr uint32_t ConfigBase = 0x2000; // first address of the configuration half
    static constexpr uint32_t AddressEnd = 0x4000; // end of the programming address space
    static constexpr uint32_t IdWords = 4;
    static constexpr uint32_t DeviceIdOffset = 6;
    static constexpr uint32_t ConfigOffset = 7;
    // DS30228K: an EPROM configuration word is programmed with this many pulses.
    static constexpr int ConfigWordPulses = 100;

    explicit Pic16Target(const DeviceRecord& device);
    explicit Pic16Target(const Pic16Profile& profile);

    const Pic16Profile& Profile() const { return profile_; }
    // Lets a test or a front end tighten or relax the chip's minimum times.
    void SetTiming(const Pic16Timing& timing);
    uint32_t AddressCounter() const { return pc_; }
    // Programming pulses an EPROM location has received (its configuration-half address
    // for IDs and configuration).
    int PulsesAt(uint32_t address) const;
    // Configuration-half address of calibration word `index` (Space::Calibration); 0 when
    // the part has no such word.
    uint32_t CalibrationAddress(uint32_t index) const;

    void EnterProgramMode(int64_t now, bool clock, bool data, int64_t supplySince) override;
    void LeaveProgramMode(int64_t now) override;
    void ClockRise(int64_t now, bool data) override;
    void ClockFall(int64_t now, bool data) override;
    void DataChange(int64_t now) override;

    uint32_t Size(Space space) const override;
    uint32_t Peek(Space space, uint32_t index) const override;
    void Poke(Space space, uint32_t index, uint32_t value) override;
    uint32_t ErasedValue(Space space) const override;
    bool CodeProtected() const override;

protected:
    void RestoreFactoryCalibration() override;

private:
    enum class Phase { Command, Load, Read };
    enum class Latch { None, Program, Data };
    // Areas an erase clears; the calibration words by their configuration-half address.
    enum Scope : unsigned {
        ScopeProgram = 1,
        ScopeData = 2,
        ScopeIds = 4,
        ScopeConfig = 8,
        ScopeCal2008 = 16,
        ScopeCal2009 = 32,
    };
    static constexpr unsigned ScopeAll = ScopeProgram | ScopeData | ScopeIds | ScopeConfig;

    // A programming or erase cycle under way. It takes effect only when it has run its
    // full time before the next command (or, externally timed, before End Programming).
    struct Cycle {
        bool active = false;
        bool erase = false;
        unsigned scope = 0;
        bool rowErase = false; // 16F87/88 Begin Erase: the row (or the IDs) at pc
        bool toData = false;
        bool replace = false; // erase-then-program; otherwise bits only go 1 -> 0
        bool external = false;
        bool pulse = false; // EPROM pulse, counted towards "takes after k pulses"
        bool flash = false; // write of a DS41191D/DS41204G/DS41287C part (its latch rules)
        uint32_t pc = 0;
        int64_t start = 0;
        int64_t minNs = 0;
        int64_t interruptAt = -1;
    };

    // Wire decoding (Pic16Target.cpp).
    void FrameStart(int64_t now);
    void DriveReadBit(int64_t now);
    void FinishFrame(int64_t now);

    // Commands and cycles (Pic16Commands.cpp).
    int Normalise(int code) const;
    bool Defines(int code) const;
    void OnCommand(int code, int64_t now);
    void Dispatch(int code, int64_t now);
    void OnWordLoaded(uint32_t word);
    void Increment();
    void BeginCycle(int code, int64_t now);
    void BeginWrite(int code, int64_t now);
    void BulkErase(int code, int64_t now);
    void ChipErase(int64_t now);
    unsigned SetupEraseScope() const;
    void StartCycle(const Cycle& cycle, int64_t now);
    void ResolveCycle(int64_t end, bool byEndCommand);
    void Conclude(const Cycle& cycle, int64_t end, bool byEndCommand);
    void ApplyWrite(const Cycle& cycle);
    bool OlderFlash() const;
    bool ExternalEnd() const;
    bool EndsCycle(int code) const;

    // The DS41191D, DS41204G and DS41287C parts (Pic16FlashCommands.cpp,
    // Pic16FlashLatches.cpp, Pic16FlashErase.cpp, Pic16FlashMemory.cpp).
    bool CalibratedFlash() const;
    int NormaliseFlash(int code) const;
    bool DefinesFlash(int code) const;
    void BeginFlashWrite(int code, int64_t now);
    bool RowWritten(uint32_t pc) const;
    void ApplyFlashWrite(const Cycle& cycle);
    bool KeepsLatches(uint32_t pc) const;
    void CheckStaleLatches(uint32_t pc, int64_t now);
    void MarkStaleLatches(uint32_t pc);
    void SettleLatches(const Cycle& cycle);
    void FlashBulkErase(int code, int64_t now);
    void FlashRowErase(int64_t now);
    unsigned BulkEraseReach() const;
    void EraseCalibration(unsigned scope, double fraction);
    bool RunsItsCode() const;
    bool DataProtected() const;
    uint32_t ConfigAddress(uint32_t pc) const;
    int CalibrationIndexAt(uint32_t address) const;
    uint32_t ReadFlashConfigHalf(uint32_t pc) const;
    void WriteFlashConfigHalf(uint32_t pc, uint32_t value);

    // Memory map (Pic16Memory.cpp).
    uint32_t WordMask() const { return (uint32_t{1} << profile_.wordBits) - 1; }
    uint32_t ReadProgramAt(uint32_t pc) const;
    uint32_t ReadConfigHalf(uint32_t pc) const;
    bool ReadDataAt(uint32_t pc, uint32_t& value) const;
    void CheckRowLoaded(uint32_t pc, int64_t now);
    void WriteRow(uint32_t pc, bool replace);
    void WriteWord(uint32_t pc, uint32_t value, bool replace);
    void WriteDataByte(uint32_t pc, bool replace);
    void EraseRow(uint32_t pc);
    void ErasePart(unsigned scope, double fraction);
    void ResetLatches();
    void ForgetLoads();

    Pic16Profile profile_;

    std::vector<uint32_t> program_;
    std::vector<uint32_t> eeprom_;
    std::vector<uint32_t> ids_;
    std::vector<uint32_t> config_;
    // Configuration bits the part implements; the others read as configFill_ whatever was
    // written (1 on most parts).
    std::vector<uint32_t> configImplemented_;
    std::vector<uint32_t> configFill_;
    // Factory calibration: words of the configuration half (Space::Calibration), and the
    // DS41191D OSCCAL RETLW (program word 03FFh) and band-gap bits; 0 where the part has none.
    std::vector<CalibrationFacts> calibrationFacts_;
    std::vector<uint32_t> calibration_;
    uint32_t osccalFactory_ = 0;
    uint32_t bandGapFactory_ = 0;
    uint32_t deviceId_ = 0;
    std::map<uint32_t, int> pulses_;

    uint32_t pc_ = 0;
    std::vector<uint32_t> latch_;
    std::vector<bool> loaded_; // latches loaded since the last cycle
    // Latches still holding the word of a configuration-half write that leaves them loaded
    // (DS41204G §3.1.3, DS41287C §3.2.4), until reloaded, reset or programming mode ends.
    std::vector<bool> stale_;
    std::vector<uint32_t> loadedAt_; // configuration-half-resolved address of each latch's load
    uint32_t dataLatch_ = 0xFF;
    Latch lastLoad_ = Latch::None;
    bool anyLoaded_ = false;          // a load since the last cycle
    bool dataLoadSinceEntry_ = false; // a Load Data (program or data memory) since entry
    int configPulses_ = 0;            // EPROM: pulses on the configuration word since entry

    Phase phase_ = Phase::Command;
    int bitCount_ = 0;
    uint32_t shift_ = 0;
    int64_t lastFrameEnd_ = -1;
    int64_t dischargeFrom_ = -1; // End Programming of an externally timed write (TDIS)
    uint32_t readValue_ = 0;
    bool readDriven_ = false;

    Cycle cycle_;
    int setupStage_ = 0;     // 1 after Setup1, 2 after Setup1 Setup2
    bool bulkArmed_ = false; // a bulk erase waits for its begin command
    unsigned bulkScope_ = 0; // what it will clear (0 when refused by protection)
};

} // namespace Sim
