#pragma once
#include "simulator/ClockChecker.h"
#include "simulator/Violations.h"

#include <cstdint>
#include <map>
#include <set>
#include <utility>

namespace Sim {

// The memories of a simulated chip, as tests and front ends inspect and preset them.
// Family 16: program words, EEPROM bytes, 4 ID words, the configuration word(s), the device
// ID word, and the factory calibration words of the configuration half: on the 12F635/683
// and 16F631-690 (DS41204G) index 0 is 2008h and, on the 635/636/639 only, index 1 is 2009h;
// on the 16F882-887 (DS41287C) index 0 is 2009h. Every other part has none (the 12F629/675
// and 16F630/676 keep their OSCCAL in program word 03FFh and their band-gap bits in the
// configuration word). Family 18: program bytes, EEPROM bytes, 8 ID bytes, 14 configuration
// bytes (300000h-30000Dh), 2 device ID bytes (3FFFFEh, 3FFFFFh), no calibration words.
enum class Space { Program, Eeprom, Id, Config, DeviceId, Calibration };

// What the chip does with its data pin right now.
enum class Drive { None, Low, High };

// A simulated target chip behind the adapter. SimulatedPort turns port writes into the
// calls of the wire section; everything else is for tests and front ends.
class Target {
public:
    virtual ~Target() = default;

    // --- the wire (times in ns) ---
    // Programming voltage rose; clock and data are the line levels at that moment, and the
    // supply has been up since supplySince (now when it rose with the programming voltage).
    virtual void EnterProgramMode(int64_t now, bool clock, bool data, int64_t supplySince) = 0;
    virtual void LeaveProgramMode(int64_t now) = 0;
    // data is the level the chip sees on its data pin at the edge.
    virtual void ClockRise(int64_t now, bool data) = 0;
    virtual void ClockFall(int64_t now, bool data) = 0;
    // The programmer changed the level it drives on the data line.
    virtual void DataChange(int64_t now) = 0;
    Drive DataOut() const { return drive_; }
    // What the programmer's sample of the data line at `now` sees of the chip's output:
    // until the chip's output-valid delay (Tdly3, P14) has passed since the clock edge that
    // changed it, the level before; such an early sample is counted.
    Drive SampleAt(int64_t now);
    bool InProgramMode() const { return inProgramMode_; }

    // --- memory, bypassing the wire ---
    virtual uint32_t Size(Space space) const = 0;
    // The value the chip holds, as a read over the wire would see it with protection off
    // (stuck bits applied). Out-of-range indexes read as the erased value.
    virtual uint32_t Peek(Space space, uint32_t index) const = 0;
    // Sets a cell; out-of-range indexes are ignored, values are cut to the cell width.
    virtual void Poke(Space space, uint32_t index, uint32_t value) = 0;
    virtual uint32_t ErasedValue(Space space) const = 0;
    // Sets every cell of every space to its erased value and puts back the factory
    // calibration the part leaves the factory with (a fresh chip).
    void EraseEverything();

    // --- test knobs ---
    // Bit `bit` of the cell reads as `high` whatever is written to it.
    void SetStuckBit(Space space, uint32_t index, int bit, bool high);
    // Programming this cell never changes it (erasing still works).
    void SetNeverTakes(Space space, uint32_t index);
    // Turns code protection on as if the protection bits were programmed; erasing the
    // configuration (chip erase, the code-protect disable sequence) turns it off.
    void SetCodeProtected(bool on) { protectKnob_ = on; }
    virtual bool CodeProtected() const { return protectKnob_; }
    // EPROM parts: a word takes only at the k-th programming pulse of its location.
    void SetPulsesToTake(int k) { pulsesToTake_ = k < 1 ? 1 : k; }
    void ClearKnobs();

    // --- rule breaches seen on the wire ---
    const Violations& TimingViolations() const { return violations_; }
    void ClearViolations() { violations_.Clear(); }
    // For breaches the adapter sees rather than the chip (bus contention).
    void Report(Rule rule, int64_t now) { violations_.Add(rule, now); }

protected:
    // Writes the factory calibration of a fresh chip over the erased cells; parts without
    // factory calibration have nothing to restore.
    virtual void RestoreFactoryCalibration() {}
    // Programming voltage rose: leaves any mode under way, starts timing the clock and
    // counts clock or data found high at that moment.
    void BeginProgramMode(int64_t now, bool clock, bool data);
    // The first clock after entry must come no sooner than holdNs.
    void CheckEntryHold(int64_t now, int64_t holdNs);
    // The chip starts driving `drive` (or lets go of the line) at `now`.
    void SetDrive(Drive drive, int64_t now);
    uint32_t ApplyStuck(Space space, uint32_t index, uint32_t value) const;
    bool NeverTakes(Space space, uint32_t index) const;

    Violations violations_;
    ClockChecker clock_{violations_};
    bool inProgramMode_ = false;
    bool protectKnob_ = false;
    // Longest time from a rising clock edge to valid read data (Tdly3, P14).
    int64_t dataValidNs_ = 0;
    int pulsesToTake_ = 1;

private:
    using Cell = std::pair<Space, uint32_t>;
    Drive drive_ = Drive::None;
    Drive driveBefore_ = Drive::None;
    int64_t driveSince_ = 0;
    struct Stuck {
        uint32_t mask = 0;
        uint32_t high = 0;
    };
    std::map<Cell, Stuck> stuck_;
    std::set<Cell> neverTakes_;
};

} // namespace Sim
