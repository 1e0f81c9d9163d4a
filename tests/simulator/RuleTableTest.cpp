// Every rule the simulated chips judge, each with a wire sequence that breaks it once.
// A rule without such a case, or a check that stopped firing, fails here: "no breach" in
// the engine tests means something only while every rule can still be broken.
#include "Chips.h"

#include <functional>
#include <map>
#include <set>

#include <gtest/gtest.h>

using namespace Sim;
using namespace Sim::Lines;

namespace {

constexpr uint8_t Idle = LineIdle | LineRelease;
constexpr uint8_t Prep = LineIdle | LinePrep | LineRelease;
constexpr uint8_t Prog = LineProg;
constexpr uint8_t Read = LineProg | LineRelease;

// Any chip in the simulated adapter, driven through the roomy test wire.
struct AnyBench {
    explicit AnyBench(const DeviceRecord& device)
        : port(delay, MakeTarget(device)), wire(port, delay), chip(*port.Chip()) {}

    VirtualDelay delay;
    SimulatedPort port;
    Wire wire;
    Target& chip;
};

// PIC18 program-memory writes of a DS39622 part: EEPGD set, CFGS clear, pointer, data.
void ArmRow18(Wire& w, uint16_t startCommand = Cmd18::TableWriteStart) {
    w.Core(Cmd18::BsfEepgd);
    w.Core(Cmd18::BcfCfgs);
    w.SetTablePointer(0x000100);
    w.Command18(startCommand, 0x1234);
}

// A family 16 read up to the rising edge of clock 2, where the chip starts to drive bit 0.
void ReadToBit0(Wire& w) {
    w.Command16(Cmd16::ReadProgram);
    w.Put(Read, w.gapTenths);
    w.ClockIn(); // start bit
    w.Put(Read | LineClock, w.halfClockTenths);
}

// A PIC18 table read up to the rising edge of clock 9, where the chip drives bit 0.
void ReadToBit0(Wire& w, int) {
    w.Put(Prog, w.gapTenths);
    w.SendBits(Cmd18::TableRead, 4);
    w.Put(Read, w.gapTenths);
    for (int clock = 1; clock <= 8; ++clock) {
        w.ClockIn();
    }
    w.Put(Read | LineClock, w.halfClockTenths);
}

struct Case {
    const char* name;
    DeviceRecord device;
    std::function<void(AnyBench&)> drive;
    const char* expected; // Violations::Summary() afterwards
};

std::vector<Case> Cases() {
    using B = AnyBench;
    return {
        // --- clock, PIC18 only (no mid-range document sets clock times) ---
        {"P2B clock high 30 ns", F2520(),
         [](B& b) {
             b.wire.Put(Prog | LineClock, 5);
             b.wire.WaitNs(30);
             b.wire.Put(Prog, 0);
         },
         "ClockHigh=1"},
        {"P2A clock low 30 ns", F2520(),
         [](B& b) {
             b.wire.ClockOut(false);
             b.wire.WaitNs(30);
             b.wire.Put(Prog | LineClock, 0);
             b.wire.Put(Prog, 5);
         },
         "ClockLow=1"},
        {"P2 period 90 ns with 45 ns phases", F2520(),
         [](B& b) {
             b.wire.Put(Prog | LineClock, 5);
             b.wire.WaitNs(45);
             b.wire.Put(Prog, 0);
             b.wire.WaitNs(45);
             b.wire.Put(Prog | LineClock, 0);
             b.wire.Put(Prog, 5);
         },
         "ClockPeriod=1"},
        // --- data around the sampling edge ---
        {"Tset1 50 ns", F628A(),
         [](B& b) {
             b.wire.Put(Prog | LineClock, 5);
             b.wire.Put(Prog | LineClock | LineData, 4);
             b.wire.WaitNs(50);
             b.wire.Put(Prog | LineData, 0);
         },
         "DataSetup=1"},
        {"P3 10 ns", F2520(),
         [](B& b) {
             b.wire.Put(Prog | LineClock, 5);
             b.wire.Put(Prog | LineClock | LineData, 4);
             b.wire.WaitNs(10);
             b.wire.Put(Prog | LineData, 0);
         },
         "DataSetup=1"},
        {"Thld1 50 ns", F628A(),
         [](B& b) {
             b.wire.ClockOut(false);
             b.wire.WaitNs(50);
             b.wire.Put(Prog | LineData, 0);
         },
         "DataHold=1"},
        {"P4 10 ns", F2520(),
         [](B& b) {
             b.wire.ClockOut(false);
             b.wire.WaitNs(10);
             b.wire.Put(Prog | LineData, 0);
         },
         "DataHold=1"},
        // --- entering programming mode (each case starts out of it) ---
        {"clock high as MCLR rises", F84A(),
         [](B& b) {
             b.wire.Exit();
             b.wire.Put(Prep, 1);
             b.wire.WaitMs(1);
             b.wire.Put(Prog | LineClock, 0);
             b.wire.WaitMs(1);
             b.wire.Put(Prog, 0);
         },
         "EntryLevels=1"},
        {"Thld0 4 us", F628A(),
         [](B& b) {
             b.wire.Exit();
             b.wire.Put(Prep, 1);
             b.wire.WaitMs(1);
             b.wire.Put(Prog, 0);
             b.wire.Put(Prog | LineClock, 40);
         },
         "EntryHold=1"},
        {"P12 1 us", F452(),
         [](B& b) {
             b.wire.Exit();
             b.wire.Put(Prep, 1);
             b.wire.WaitMs(1);
             b.wire.Put(Prog, 0);
             b.wire.Put(Prog | LineClock, 10);
         },
         "EntryHold=1"},
        {"P13: VPP with the supply, no pre-entry state", F452(),
         [](B& b) {
             b.wire.Exit();
             b.wire.Put(Idle, 1);
             b.wire.Put(Prog, 1);
             b.wire.WaitMs(1);
         },
         "SupplyOrder=1"},
        // --- command framing ---
        {"Tdly1 command to data 0.7 us", F84A(),
         [](B& b) {
             // 0.2 us, then half a clock before the rising edge: 0.7 us in all. The first
             // command after entry has no frame before it.
             b.wire.gapTenths = 2;
             b.wire.Load16(Cmd16::LoadProgram, 0x0123);
         },
         "CommandToData=1"},
        {"Tdly1 command to command 0.7 us", F84A(),
         [](B& b) {
             b.wire.Command16(Cmd16::Increment);
             b.wire.gapTenths = 2;
             b.wire.Command16(Cmd16::Increment);
         },
         "CommandToCommand=1"},
        // P5A (40 ns) and P2A (40 ns) time the same low phase from a different start.
        {"P5A operand to command 30 ns", F2520(),
         [](B& b) {
             b.wire.Core(0x0000);
             b.wire.WaitNs(30);
             b.wire.Put(Prog | LineClock, 0);
             b.wire.Put(Prog, 5);
         },
         "ClockLow=1 CommandToCommand=1"},
        // P5 (20 ns) is shorter than P2A (40 ns): a command too close to its operand is also
        // a low phase too short, on every PIC18.
        {"P5 command to operand 10 ns", F2520(),
         [](B& b) {
             b.wire.Put(Prog, b.wire.gapTenths);
             b.wire.SendBits(0x0, 4);
             b.wire.WaitNs(10);
             b.wire.Put(Prog | LineClock, 0);
             b.wire.Put(Prog, 5);
         },
         "ClockLow=1 CommandToOperand=1"},
        {"Tdly3 sample 50 ns after the rising edge", F84A(),
         [](B& b) {
             ReadToBit0(b.wire);
             b.wire.WaitNs(50);
             b.port.ReadStatus();
         },
         "ReadTooSoon=1"},
        {"P14 sample 5 ns after the rising edge", F452(),
         [](B& b) {
             ReadToBit0(b.wire, 18);
             b.wire.WaitNs(5);
             b.port.ReadStatus();
         },
         "ReadTooSoon=1"},
        // --- programming and erase cycles ---
        {"F84A 001000 cut at 7 ms", F84A(),
         [](B& b) {
             b.wire.Load16(Cmd16::LoadProgram, 0x0222);
             b.wire.Command16(Cmd16::BeginEraseProgram);
             b.wire.WaitMs(7);
             b.wire.Command16(Cmd16::Increment);
         },
         "ProgramTime=1"},
        {"62X 001000 cut at 12 ms", Device("PIC16F628", 16, 2048, 128, "Flash"),
         [](B& b) {
             b.wire.Load16(Cmd16::LoadProgram, 0x0222);
             b.wire.Command16(Cmd16::BeginEraseProgram);
             b.wire.WaitMs(12);
             b.wire.Command16(Cmd16::Increment);
         },
         "ProgramTime=1"},
        {"7X chip erase cut at 20 ms", F74(),
         [](B& b) {
             b.wire.Command16(Cmd16::BulkEraseProgram);
             b.wire.WaitMs(20);
             b.wire.Command16(Cmd16::Increment);
         },
         "EraseTime=1"},
        {"P11 erase hold 2.5 ms", F452(),
         [](B& b) {
             b.wire.SetTablePointer(Pic18Target::EraseControlLow);
             b.wire.Command18(Cmd18::TableWrite, 0x0080);
             b.wire.Core(0x0000);
             b.wire.ErasingNop(2500);
         },
         "EraseTime=1"},
        {"P9 programming hold 0.9 ms", F2520(),
         [](B& b) {
             ArmRow18(b.wire);
             b.wire.ProgrammingNop(900, 100);
         },
         "ProgramHold=1"},
        {"P10 after programming 50 us", F2520(),
         [](B& b) {
             ArmRow18(b.wire);
             b.wire.ProgrammingNop(1000, 50);
         },
         "DischargeTime=1"},
        {"87XA program-only ended by an increment", F876A(),
         [](B& b) {
             b.wire.Load16(Cmd16::LoadProgram, 0x0AAA);
             b.wire.Command16(Cmd16::BeginProgramOnly);
             b.wire.WaitMs(2);
             b.wire.Command16(Cmd16::Increment);
         },
         "MissingEnd=1"},
        {"001000 with nothing loaded", F84A(),
         [](B& b) {
             b.wire.Command16(Cmd16::BeginEraseProgram);
             b.wire.WaitMs(8);
             b.wire.Command16(Cmd16::Increment);
         },
         "BeginWithoutLoad=1"},
        {"87XA row cycle with one latch of eight loaded", F876A(),
         [](B& b) {
             b.wire.Load16(Cmd16::LoadProgram, 0x0AAA);
             b.wire.Command16(Cmd16::BeginEraseProgram);
             b.wire.WaitMs(8);
             b.wire.Command16(Cmd16::Increment);
         },
         "PartialRow=1"},
        {"DS41204G TPROG2 cut at 2.5 ms", F690(),
         [](B& b) {
             b.wire.Load16(Cmd16::LoadProgram, 0x0222);
             b.wire.Command16(Cmd16::BeginProgramOnly);
             b.wire.WaitUs(2500);
             b.wire.Command16(Cmd16::EndProgrammingFlash);
         },
         "ProgramTime=1"},
        {"DS41287C TDIS 50 us after End Programming", F883(),
         [](B& b) {
             b.wire.Load16(Cmd16::LoadProgram, 0x0222);
             b.wire.Command16(Cmd16::BeginProgramOnly);
             b.wire.WaitMs(2);
             b.wire.Command16(Cmd16::EndProgrammingFlash);
             b.wire.WaitUs(50);
             b.wire.Command16(Cmd16::Increment);
         },
         "DischargeTime=1"},
        {"DS41204G entered VDD first with INTOSC and MCLRE = 0", F690(),
         [](B& b) {
             b.wire.Exit();
             b.chip.Poke(Space::Config, 0, 0x3FD4); // FOSC 100, MCLRE 0
             b.wire.Enter();
         },
         "SupplyOrder=1"},
        // 2007h leaves latch 3 loaded; the ID row written next lands it on 2003h.
        {"DS41204G ID written after 2007h without the latch reset", F690(),
         [](B& b) {
             b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
             for (int i = 0; i < 7; ++i) {
                 b.wire.Command16(Cmd16::Increment);
             }
             b.wire.Load16(Cmd16::LoadProgram, 0x3FE7);
             b.wire.Command16(Cmd16::BeginEraseProgram);
             b.wire.WaitMs(3);
             b.wire.Load16(Cmd16::LoadConfiguration, 0x3FF1);
             b.wire.Command16(Cmd16::BeginEraseProgram);
             b.wire.WaitMs(3);
             b.wire.Command16(Cmd16::Increment);
         },
         "StaleLatch=1"},
        {"EPROM configuration word with 3 pulses", C74B(),
         [](B& b) {
             b.wire.Load16(Cmd16::LoadConfiguration, 0x3FFF);
             for (int i = 0; i < 7; ++i) {
                 b.wire.Command16(Cmd16::Increment);
             }
             for (int pulse = 0; pulse < 3; ++pulse) {
                 b.wire.Load16(Cmd16::LoadProgram, 0x3F72);
                 b.wire.Command16(Cmd16::BeginEraseProgram);
                 b.wire.WaitUs(100);
                 b.wire.Command16(Cmd16::EndProgramming);
             }
             b.wire.Exit();
         },
         "ConfigPulses=1"},
        // --- commands and instructions ---
        {"87X has no bulk erase of data memory", F877(),
         [](B& b) { b.wire.Command16(Cmd16::BulkEraseData); }, "UnknownCommand=1"},
        {"DS41191D has no Row Erase", F675(), [](B& b) { b.wire.Command16(Cmd16::RowErase); },
         "UnknownCommand=1"},
        // Bit 5 of End Programming is don't-care on DS41204G (101010 is 001010) and fixed
        // on DS41191D; neither has the older parts' Setup1.
        {"DS41191D 101010", F675(), [](B& b) { b.wire.Command16(0x2A); }, "UnknownCommand=1"},
        {"DS41204G 101010 then Setup1", F690(),
         [](B& b) {
             b.wire.Command16(0x2A);
             b.wire.Command16(Cmd16::Setup1);
         },
         "UnknownCommand=1"},
        {"62XA has no 011000", F628A(), [](B& b) { b.wire.Command16(Cmd16::BeginProgramOnly); },
         "UnknownCommand=1"},
        {"PIC18 command 0001", F452(), [](B& b) { b.wire.Command18(0x1, 0x0000); },
         "UnknownCommand=1"},
        {"INCF TBLPTRL", F452(), [](B& b) { b.wire.Core(0x2AF6); }, "UnsupportedInstruction=1"},
        {"table write after a start-programming write", F2520(),
         [](B& b) {
             ArmRow18(b.wire);
             b.wire.Command18(Cmd18::TableWrite, 0x0000);
         },
         "BadProgramStart=1"},
        {"row programmed with EEPGD clear", F2520(),
         [](B& b) {
             b.wire.SetTablePointer(0x000100);
             b.wire.Command18(Cmd18::TableWriteStart, 0x1234);
             b.wire.ProgrammingNop(1000, 100);
         },
         "WrongSpace=1"},
        {"panel register written without WREN", F452(),
         [](B& b) {
             b.wire.Core(Cmd18::BsfEepgd);
             b.wire.Core(Cmd18::BsfCfgs);
             b.wire.SetTablePointer(Pic18Target::PanelControl);
             b.wire.Command18(Cmd18::TableWrite, 0x0000);
         },
         "WrongSpace=1"},
        {"DS39576 row written before choosing the panel mode", F452(),
         [](B& b) {
             ArmRow18(b.wire);
             b.wire.ProgrammingNop(1000, 100);
         },
         "PanelMode=1"},
        {"data EEPROM write without the 55h AAh unlock", F452(),
         [](B& b) {
             b.wire.Core(0x9EA6); // BCF EECON1, EEPGD
             b.wire.Core(0x9CA6); // BCF EECON1, CFGS
             b.wire.Core(0x84A6); // BSF EECON1, WREN
             b.wire.Core(0x82A6); // BSF EECON1, WR
         },
         "EepromWriteRefused=1"},
        {"DS39576 configuration erase 82h", F452(),
         [](B& b) {
             b.wire.SetTablePointer(Pic18Target::EraseControlLow);
             b.wire.Command18(Cmd18::TableWrite, 0x0082);
             b.wire.Core(0x0000);
             b.wire.ErasingNop(5100);
         },
         "UnknownEraseCode=1"},
        {"PIC16 data line driven during a read", F84A(),
         [](B& b) {
             ReadToBit0(b.wire);
             b.wire.Put(Prog | LineClock, 2);
             b.wire.Put(Prog, 3);
         },
         "BusContention=1"},
        {"PIC18 data line driven during a read", F452(),
         [](B& b) {
             ReadToBit0(b.wire, 18);
             b.wire.Put(Prog | LineClock, 2);
             b.wire.Put(Prog, 3);
         },
         "BusContention=1"},
    };
}

} // namespace

// Each case starts in programming mode, entered as the documents ask, and must end with
// exactly the breaches it names.
TEST(RuleTable, EachCaseBreaksExactlyItsRule) {
    for (const Case& c : Cases()) {
        AnyBench b(c.device);
        b.wire.Enter();
        ASSERT_EQ(b.chip.TimingViolations().Summary(), "none") << c.name << ": entry";
        c.drive(b);
        EXPECT_EQ(b.chip.TimingViolations().Summary(), c.expected) << c.name;
    }
}

// Every rule has a case that breaks it once; all but CommandToOperand have one that breaks
// nothing else (P5 lies inside P2A on every PIC18).
TEST(RuleTable, NoRuleIsWithoutACase) {
    std::map<std::string, Rule> byName;
    for (int r = 0; r < static_cast<int>(Rule::Count); ++r) {
        byName[RuleName(static_cast<Rule>(r))] = static_cast<Rule>(r);
    }
    std::set<Rule> once;
    std::set<Rule> alone;
    for (const Case& c : Cases()) {
        const std::string expected = c.expected;
        for (const auto& [name, rule] : byName) {
            if ((" " + expected + " ").find(" " + name + "=1 ") != std::string::npos) {
                once.insert(rule);
                if (expected == name + "=1") {
                    alone.insert(rule);
                }
            }
        }
    }
    for (const auto& [name, rule] : byName) {
        EXPECT_TRUE(once.count(rule)) << name << " has no case";
        if (rule != Rule::CommandToOperand) {
            EXPECT_TRUE(alone.count(rule)) << name << " is never broken alone";
        }
    }
}
