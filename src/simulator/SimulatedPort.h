#pragma once
#include "programmer/Delay.h"
#include "programmer/Port.h"
#include "simulator/Target.h"

#include <cstdint>
#include <memory>

namespace Sim {

// The adapter and a simulated chip behind it. Each byte written to the data register
// becomes line levels; clock edges and data levels go to the target with the time of the
// write, taken from the Delay the command layers wait on (a VirtualDelay in tests).
// The simulated adapter powers the chip from the pre-entry state on (MCLR still low) and
// through programming mode, and not at rest: entering programming mode through the
// pre-entry state brings the supply up before the programming voltage.
class SimulatedPort : public Port {
public:
    // target may be null: an adapter with nothing plugged in.
    SimulatedPort(const Delay& delay, std::unique_ptr<Target> target);

    void WriteData(uint8_t value) override;
    uint8_t ReadStatus() override;

    // The chip in the socket; null when none was given.
    Target* Chip() { return target_.get(); }
    const Target* Chip() const { return target_.get(); }
    // Puts another chip in the socket (for instance after a device change). The adapter
    // lines keep their state; a chip put in while the lines say "programming" is not in
    // programming mode until they leave and re-enter it.
    void ReplaceChip(std::unique_ptr<Target> target);

    // Test knob: without a chip the released data line floats high and nothing answers.
    void SetChipPresent(bool present) { present_ = present; }
    bool ChipPresent() const { return present_ && target_ != nullptr; }

    // Last byte written to the data register.
    uint8_t Lines() const { return lines_; }
    // Level of the data line as the status register would report it.
    bool DataLineHigh() const;

private:
    static bool ProgrammingState(uint8_t lines);
    static bool Powered(uint8_t lines);
    bool ProgrammerDrives() const;
    bool LevelAtChip() const;
    void ForwardEdges(uint8_t before, int64_t now);
    void CheckContention(int64_t now);

    const Delay& delay_;
    std::unique_ptr<Target> target_;
    // The register holds whatever it held before the program first writes it; assume the
    // adapter's rest state so that the first write is not taken for a mode change.
    uint8_t lines_;
    bool present_ = true;
    int64_t poweredSince_ = -1; // -1 while the chip is unpowered
};

} // namespace Sim
