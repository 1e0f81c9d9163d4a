// Fast writes: which devices write in units, how the units are planned, and what one
// programming cycle puts on the wire.
#include "programmer/Wire.h"

#include "devices/DeviceFile.h"
#include "devices/IniFile.h"
#include "programmer/IcspCodes.h"

#include <vector>

using namespace wire;

namespace {
constexpr int64_t Ms = 1'000'000;

DeviceRecord FromFile(const std::string& text, const std::string& name) {
    DeviceRecord d = ReadDeviceSection(IniFile::Parse(text), name).record;
    d.DeviceName = name;
    d.Family = FamilyOf(name);
    d.WBufSize = 8;
    return d;
}

// What the device's module makes of its record.
bool Units(const DeviceRecord& d) {
    return MakePart(d)->WritesInUnits();
}
std::vector<WriteCycle> Plan(const DeviceRecord& d, int32_t used) {
    return MakePart(d)->PlanWriteCycles(used);
}

std::vector<int32_t> Firsts(const std::vector<WriteCycle>& cycles) {
    std::vector<int32_t> firsts;
    for (const WriteCycle& c : cycles) {
        firsts.push_back(c.addresses.front());
    }
    return firsts;
}
} // namespace

// The unit and its time come from the device file; without both, with a unit a kind cannot
// take, or with "escritura=palabra" in [Config], every location gets its own cycle.
TEST(FastWrite, TheDeviceFileChoosesTheMethod) {
    const std::string devices = "[PIC16F876A]\nProgMem=8192\nProgramming=Flash2\n"
                                "WriteUnit=8\nWriteTime=1000\n"
                                "[PIC16F84A]\nProgramming=Flash\nWriteUnit=2\nWriteTime=4000\n"
                                "[PIC16F877]\nProgramming=Flash\nWriteUnit=1\n"
                                "[PIC18F452]\nProgMem=32768\nProgramming=18fxx2xx8\n"
                                "WriteUnit=6\nWriteTime=1000\n"
                                "[PIC18F4550]\nProgMem=32768\nProgramming=18f2xx0\n"
                                "WriteUnit=32\nWriteTime=1000\n";
    EXPECT_TRUE(Units(FromFile(devices, "PIC16F876A")));
    EXPECT_FALSE(Units(FromFile(devices, "PIC16F84A"))) << "one latch: no 2-word unit";
    EXPECT_FALSE(Units(FromFile(devices, "PIC16F877"))) << "no WriteTime";
    EXPECT_EQ(FromFile(devices, "PIC18F452").WriteUnit, 0) << "6 is no power of two";
    EXPECT_TRUE(Units(FromFile(devices, "PIC18F4550")));
    for (const char* value : {"palabra", "Palabra", "PALABRA"}) {
        const std::string words = "[Config]\nescritura=" + std::string(value) + "\n" + devices;
        EXPECT_FALSE(Units(FromFile(words, "PIC16F876A"))) << value;
        EXPECT_FALSE(Units(FromFile(words, "PIC18F4550"))) << value;
    }
    EXPECT_TRUE(Units(FromFile("[Config]\nescritura=rapida\n" + devices, "PIC16F876A")));
}

// Rows in address order, the last one whole (its cells past the used size get the blank
// value); a 32-byte buffer likewise.
TEST(FastWrite, RowsAndBuffersCoverTheUsedCellsInWholeUnits) {
    DeviceRecord d = FromFile("[PIC16F876A]\nProgMem=8192\nProgramming=Flash2\nWriteUnit=8\n"
                              "WriteTime=1000\n",
                              "PIC16F876A");
    std::vector<WriteCycle> cycles = Plan(d, 20);
    EXPECT_EQ(Firsts(cycles), (std::vector<int32_t>{0, 8, 16}));
    EXPECT_EQ(cycles.back().addresses, (std::vector<int32_t>{16, 17, 18, 19, 20, 21, 22, 23}));
    EXPECT_EQ(Plan(d, 8192).size(), 1024u);
    EXPECT_TRUE(Plan(d, 0).empty());
    d.WordWrites = true;
    EXPECT_TRUE(Plan(d, 20).empty());
}

// DS39576: one cycle per offset for every panel, except at the offsets of the 512-byte boot
// block, where each panel gets a single-panel cycle; panels the image does not reach are
// written with the blank value in multi-panel cycles, but get no single-panel cycle.
TEST(FastWrite, PanelsShareACycleOutsideTheBootBlock) {
    const DeviceRecord d = FromFile("[PIC18F452]\nProgMem=32768\nProgramming=18fxx2xx8\n"
                                    "WriteUnit=8\nWriteTime=1000\n",
                                    "PIC18F452");
    const std::vector<WriteCycle> full = Plan(d, 32768);
    ASSERT_EQ(full.size(), 64u * 4 + 960);
    EXPECT_EQ(Firsts({full.begin(), full.begin() + 5}),
              (std::vector<int32_t>{0, 0x2000, 0x4000, 0x6000, 8}));
    for (size_t i = 0; i < 256; ++i) {
        EXPECT_FALSE(full[i].multiPanel) << i;
    }
    const WriteCycle& multi = full[256];
    EXPECT_TRUE(multi.multiPanel);
    ASSERT_EQ(multi.addresses.size(), 32u);
    EXPECT_EQ(multi.addresses[0], 512);
    EXPECT_EQ(multi.addresses[8], 0x2000 + 512);
    EXPECT_EQ(multi.addresses[31], 0x6000 + 519);

    const std::vector<WriteCycle> small = Plan(d, 100);
    EXPECT_EQ(small.size(), 13u); // bytes 0-99 of the boot block, panel 1 only
    const std::vector<WriteCycle> twoPanels = Plan(d, 0x2000 + 1024);
    EXPECT_EQ(twoPanels.size(), 64u * 2 + 960);
    EXPECT_EQ(twoPanels.back().addresses.size(), 32u);
}

// DS39589B: eight loads with increments between them, 011000 with the address on the
// row's last word, tprog1, End Programming, then the increment onto the next row.
TEST_F(WireTest, Row87XAGoesOutInOneProgramOnlyCycle) {
    SetDevice("PIC16F876A", 16, "Flash2");
    device.ProgMem = 8192;
    device.WriteUnit = 8;
    device.WriteTimeUs = 1000;
    const std::vector<int32_t> values = {1, 2, 3, 4, 5};
    Part().ProgramCycle(programmer, Part().PlanWriteCycles(5).front(), values);
    std::vector<Frame> expected;
    for (int32_t i = 0; i < 8; ++i) {
        expected.push_back(Cmd(Cmd16::LoadDataProgram, i < 5 ? values[i] : 0x3FFF));
        if (i < 7) {
            expected.push_back(Cmd(Cmd16::IncrementAddress));
        }
    }
    expected.push_back(Cmd(Cmd16::BeginProgramOnly));
    expected.push_back(Cmd(Cmd16::EndProgramming2));
    expected.push_back(Cmd(Cmd16::IncrementAddress));
    const std::vector<Frame> frames = Decode16(port, 14);
    ASSERT_EQ(frames, expected);
    const Frame& begin = frames[frames.size() - 3];
    const Frame& end = frames[frames.size() - 2];
    EXPECT_GE(end.start - begin.end, 1 * Ms);
    EXPECT_LT(end.start - begin.end, 1 * Ms + 10'000);
}

// DS39576B Table 3-4: multi-panel mode chosen once (EEPGD, CFGS, WREN, 3C0006h = 40h), then
// each panel's buffer from its own table pointer, the last write of each a plain 1100 but
// the last panel's, which starts programming.
TEST_F(WireTest, MultiPanelCycleFillsEveryPanelThenPulsesOnce) {
    SetDevice("PIC18F452", 18, "18fxx2xx8", 16);
    device.ProgMem = 32768;
    device.WriteUnit = 8;
    device.WriteTimeUs = 1000;
    const std::vector<WriteCycle> cycles = Part().PlanWriteCycles(32768);
    const std::vector<int32_t> values(32768, 0x5A);
    Part().ProgramCycle(programmer, cycles[256], values);
    Part().ProgramCycle(programmer, cycles[257], values);
    std::vector<int32_t> commands;
    int panelSelections = 0;
    for (const Frame& f : Decode18(port)) {
        if (f.command != Cmd18::CoreInstruction) {
            commands.push_back(f.command);
        }
        panelSelections += f.command == Cmd18::CoreInstruction && f.data == Pic18::BsfEecon1Wren;
    }
    EXPECT_EQ(panelSelections, 1);
    std::vector<int32_t> expected = {Cmd18::TableWrite}; // 40h to 3C0006h
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int panel = 0; panel < 4; ++panel) {
            expected.insert(expected.end(), 3, Cmd18::TableWritePostInc2);
            expected.push_back(panel < 3 ? Cmd18::TableWrite : Cmd18::TableWriteStartProg);
        }
    }
    EXPECT_EQ(commands, expected);
}
