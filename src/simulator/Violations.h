#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Sim {

// The rules a simulated chip checks on the wire. Timing rules come first; the rest are
// sequence rules whose breach a real chip answers with a write that does not happen.
enum class Rule {
    ClockHigh,        // PIC18: clock held high shorter than P2B
    ClockLow,         // PIC18: clock held low shorter than P2A
    ClockPeriod,      // PIC18: rising edges closer than P2
    DataSetup,        // data changed too close before the sampling (falling) edge
    DataHold,         // data changed too close after the sampling edge
    EntryLevels,      // clock or data high when the programming voltage rose
    EntryHold,        // first clock too soon after entering programming mode
    SupplyOrder,      // supplies in an order the part forbids: PIC18 programming voltage without
                      // the supply up P13 before it; PIC16 (DS41191D, DS41204G, DS41287C)
                      // supply before the programming voltage while the configuration selects
                      // the internal oscillator with MCLR disabled (the chip runs its code)
    CommandToData,    // data word started too soon after its command
    CommandToCommand, // command started too soon after the previous command or data
    CommandToOperand, // PIC18: operand or read started too soon after the 4-bit command
    ReadTooSoon,      // data line sampled before the chip's output was valid
    ProgramTime,      // programming cycle cut short by the next command or by leaving
    EraseTime,        // erase cut short
    ProgramHold,      // PIC18: programming clock released before P9
    DischargeTime,    // high-voltage discharge cut short: PIC18 operand clocked before P10 after
                      // a programming or erase hold; PIC16 command sooner than TDIS after the
                      // End Programming of an externally timed write
    MissingEnd,       // externally timed cycle ended by something other than End Programming
    BeginWithoutLoad, // begin-programming command with nothing loaded since the last cycle
    PartialRow,       // row programmed by a cycle that needs every latch loaded, with one not
    StaleLatch,       // row write (program memory, ID row) with a latch still holding the word
                      // a configuration-half write left loaded for another location, not reset
                      // by the programmer (DS41204G, DS41287C)
    ConfigPulses,     // EPROM configuration word left with fewer pulses than its document asks
    UnknownCommand,   // command code the chip does not implement
    UnsupportedInstruction, // PIC18 core instruction outside the simulated subset
    BadProgramStart,        // PIC18: the command after a start-programming write was not a NOP
    WrongSpace,             // PIC18: EECON1 does not select (or enable) the space being written
    PanelMode,              // PIC18 (DS39576): write in a panel mode the part does not allow there
    UnknownEraseCode,       // PIC18: bulk erase started with a code the chip does not define
    EepromWriteRefused,     // PIC18: WR set without WREN, the unlock, or with EEPGD/CFGS set
    BusContention,          // chip drove the data line while the programmer was driving it
    Count
};

const char* RuleName(Rule rule);

// Counts rule breaches per rule and keeps the first few with their times for diagnostics.
class Violations {
public:
    struct Event {
        Rule rule;
        int64_t timeNs;
    };

    void Add(Rule rule, int64_t timeNs);
    int Count(Rule rule) const { return counts_[static_cast<size_t>(rule)]; }
    int Total() const;
    void Clear();
    const std::vector<Event>& FirstEvents() const { return events_; }
    // "ClockLow=2 ProgramTime=1", or "none"; for test failure messages.
    std::string Summary() const;

private:
    static constexpr size_t KeptEvents = 32;
    std::array<int, static_cast<size_t>(Rule::Count)> counts_{};
    std::vector<Event> events_;
};

} // namespace Sim
