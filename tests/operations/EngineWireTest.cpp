// The exact commands the engine puts on the wire, decoded from a recording port.
#include "operations/OperationEngine.h"
#include "operations/RecordingHost.h"
#include "programmer/Wire.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace {

// The recorded line states as a list of events: "enter", "exit" (programming-mode
// sequences) and the family 16 commands in between, as "c<code>" or "c<code>=<data hex>".
std::vector<std::string> Events16(const RecordingPort& port) {
    std::vector<std::string> events;
    const auto& writes = port.Writes();
    size_t segmentStart = 0;
    auto flush = [&](size_t end) {
        const std::vector<RecordingPort::Write> part(writes.begin() + segmentStart,
                                                     writes.begin() + end);
        const auto dataBits = [](int32_t c) { return (c == 0 || c == 2 || c == 3) ? 16 : 0; };
        for (wire::Frame f : wire::Decode(part, 6, dataBits, 1)) {
            f.data &= 0x3FFF;
            std::string e = "c" + std::to_string(f.command);
            if (f.command == 0 || f.command == 2 || f.command == 3) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "=%04X", f.data);
                e += buf;
            }
            events.push_back(e);
        }
    };
    for (size_t i = 0; i < writes.size(); ++i) {
        const uint8_t v = writes[i].value;
        const bool prep = v == StatePrep;
        const bool idle = v == StateIdle && (i == 0 || writes[i - 1].value != StatePrep);
        if (prep || idle) {
            flush(i);
            events.push_back(prep ? "enter" : "exit");
            segmentStart = i + 1;
        }
    }
    flush(writes.size());
    return events;
}

class EngineWire : public wire::WireTest {
protected:
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    RecordingHost host;
    OperationEngine engine{programmer, device, image, config16, config18, host};

    void Flash16(int progMem = 64) {
        SetDevice("PIC16F84A", 16, "Flash");
        device.ProgMem = progMem;
        device.EEProm = 64;
        image.InitHexEditG(device);
        image.InitDatosEditG(device);
    }
};

} // namespace

// The F84A's bulk erase (DS30262E: load, 001001, a begin command, 10 ms), then the words
// after a fresh entry: the erase leaves programming mode, and the first clock of a write
// must follow the entry sequence's hold.
TEST_F(EngineWire, TwoWordFlashWriteSendsEraseThenEntersAgainForTheWords) {
    Flash16();
    image.EditProgramCell(1, 1, "1234");
    image.EditProgramCell(2, 1, "0ABC");
    port.QueueStatus(wire::StatusBits(0x1234, 14));
    port.QueueStatus(wire::StatusBits(0x0ABC, 14));
    EXPECT_TRUE(engine.RunOperation(opWrite));
    const std::vector<std::string> expected = {"enter",
                                               // erase of program memory
                                               "enter", "c2=3FFF", "c9", "c8", "exit",
                                               // the two words
                                               "enter", "c2=1234", "c8", "c4", "c6", "c2=0ABC",
                                               "c8", "c4", "c6", "exit", "exit", "exit"};
    EXPECT_EQ(Events16(port), expected);
    EXPECT_EQ(host.messages.Texts(), std::vector<std::string>{"Operación Completada."});
    EXPECT_TRUE(host.mainEnabled);
    EXPECT_EQ(port.Writes().back().value, StateIdle);
}

TEST_F(EngineWire, EraseAreasWithNothingSelectedOnlyLeavesProgrammingMode) {
    Flash16();
    EXPECT_TRUE(engine.EraseAreas(false, false, false, false));
    EXPECT_EQ(Events16(port), std::vector<std::string>{"exit"});
    EXPECT_EQ(delay.Now(), 20'000'100); // 10 ms, StateIdle, 10 ms
}

TEST_F(EngineWire, Flash2IdentEraseProgramsTheFourIdWordsAsOneRow) {
    Flash16();
    device.Programming = "Flash2";
    EXPECT_TRUE(engine.EraseAreas(false, false, true, false));
    const std::vector<std::string> expected = {"enter",   "c0=0000", "c2=3FFF", "c6",
                                               "c2=3FFF", "c6",      "c2=3FFF", "c6",
                                               "c2=3FFF", "c6",      "c8",      "exit"};
    EXPECT_EQ(Events16(port), expected);
}

// Each part's program-memory erase, with the ID area in scope where a program erase with
// the address in configuration memory takes the IDs too: only commands its document
// defines, and a begin command only where the erase waits for one.
TEST_F(EngineWire, EachPartErasesProgramMemoryWithItsOwnCommands) {
    struct Case {
        const char* name;
        const char* kind;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        // DS30262E, DS30034D: load, bulk erase, a begin command that runs it.
        {"PIC16F84A", "Flash", {"enter", "c0=3FFF", "c2=3FFF", "c9", "c8"}},
        {"PIC16F628", "Flash", {"enter", "c0=3FFF", "c2=3FFF", "c9", "c8"}},
        // DS41196G: self-timed from 001001, no begin command.
        {"PIC16F628A", "Flash", {"enter", "c0=3FFF", "c2=3FFF", "c9"}},
        // DS39025F: no bulk-erase command; Setup1, Setup2, begin, Setup1, Setup2.
        {"PIC16F877", "Flash", {"enter", "c2=3FFF", "c1", "c7", "c8", "c1", "c7"}},
        // DS30324B: Chip Erase 001001, self-timed.
        {"PIC16F77", "Flash1", {"enter", "c9"}},
        // DS39589B: 001001 runs on the 001000 after it.
        {"PIC16F876A", "Flash2", {"enter", "c0=3FFF", "c9", "c8"}},
        // DS39607B: a Load Data first after entry, Begin Erase ended by End Programming.
        {"PIC16F88", "Flash2", {"enter", "c0=3FFF", "c2=0001", "c9", "c8", "c23"}},
    };
    for (const Case& c : cases) {
        port.Clear();
        Flash16();
        SetDevice(c.name, 16, c.kind);
        EXPECT_TRUE(engine.EraseAreas(true, false, true, false));
        std::vector<std::string> events = Events16(port);
        events.resize(c.events.size());
        EXPECT_EQ(events, c.events) << c.name;
    }
}

// DS39622K: each control byte in both halves of the operand, a configuration erase 82h.
// DS39576B: the byte at 3C0004h alone (00h above it), and no configuration erase code:
// those parts' configuration bytes are replaced by writing.
TEST_F(EngineWire, Family18EraseStepsOfEachDocument) {
    struct Case {
        const char* name;
        const char* kind;
        std::vector<uint32_t> controlWrites;
        int eraseSteps;
    };
    const std::vector<Case> cases = {
        {"PIC18F2520",
         "18f2xx0",
         {0x0000, 0x8181, 0x0101, 0x8080, 0x0202, 0x8080, 0x0404, 0x8080, 0x0808, 0x8080, 0x0000,
          0x8282},
         6},
        {"PIC18F452", "18fxx2xx8", {0x0083, 0x0088, 0x0089, 0x008A, 0x008B}, 5},
    };
    for (const Case& c : cases) {
        port.Clear();
        SetDevice(c.name, 18, c.kind, 16);
        EXPECT_TRUE(engine.EraseAreas(true, true, false, true));
        std::vector<uint32_t> controlWrites;
        int eraseHolds = 0;
        for (const wire::Frame& f : wire::Decode18(port)) {
            if (f.command == Cmd18::TableWrite) {
                controlWrites.push_back(f.data);
            }
            // The erase hold is a NOP whose fourth clock is not held: count its 6 ms pause.
            eraseHolds += f.command == 0 && f.data == 0 && f.end - f.start > 5'000'000;
        }
        EXPECT_EQ(controlWrites, c.controlWrites) << c.name;
        EXPECT_EQ(eraseHolds, c.eraseSteps) << c.name;
    }
}

// With every memory in scope a family 18 write starts from the chip erase, the one erase
// that clears the ID locations: 3F8Fh in both control bytes (DS39622K), 80h (DS39576B).
TEST_F(EngineWire, Family18WholeChipInScopeIsOneChipErase) {
    const std::vector<std::pair<const char*, std::vector<uint32_t>>> cases = {
        {"18f2xx0", {0x3F3F, 0x8F8F}}, {"18fxx2xx8", {0x0080}}};
    for (const auto& [kind, codes] : cases) {
        port.Clear();
        SetDevice("PIC18F4550", 18, kind, 16);
        EXPECT_TRUE(engine.EraseAreas(true, true, true, true));
        std::vector<uint32_t> controlWrites;
        for (const wire::Frame& f : wire::Decode18(port)) {
            if (f.command == Cmd18::TableWrite) {
                controlWrites.push_back(f.data);
            }
        }
        EXPECT_EQ(controlWrites, codes) << kind;
    }
}

TEST_F(EngineWire, OtpPartsAreNeverErased) {
    Flash16();
    device.Programming = "OTP";
    EXPECT_FALSE(engine.EraseAreas(true, true, true, true));
    host.messages.yesAnswers = {true};
    engine.BorrarPrograma1Click();
    engine.BotonDesprotegeClick();
    EXPECT_TRUE(port.Writes().empty());
    EXPECT_EQ(host.messages.Texts(),
              (std::vector<std::string>{"Esta función solo funciona con dispositivos FLASH",
                                        "Se borrará todo el contenido del programa. ¿Desea "
                                        "continuar?",
                                        "Esta función solo funciona con dispositivos FLASH",
                                        "Esta función solo funciona con dispositivos FLASH"}));
}

TEST_F(EngineWire, UnprotectAnsweredNoSendsNothing) {
    Flash16();
    host.messages.yesAnswers = {false};
    EXPECT_FALSE(engine.BotonDesprotegeClick());
    EXPECT_TRUE(port.Writes().empty());
    // Answered Yes, the chip is asked for its device ID first; the recording port's
    // silent line reads as zeros, so no chip answered and nothing is erased.
    host.messages.yesAnswers = {true};
    EXPECT_FALSE(engine.BotonDesprotegeClick());
    EXPECT_EQ(host.messages.Texts().back().rfind("No responde ningún PIC (ID leído: 0000).", 0),
              0u);
    EXPECT_EQ(port.Writes().back().value, StateIdle);
}

TEST_F(EngineWire, RangeErrorStopsAfterTheEarlierLocationsWereWritten) {
    Flash16();
    device.Programming = "Flash1"; // no read-back, so the status line needs no script
    for (int a = 0; a < 5; ++a) {
        image.EditProgramCell(a + 1, 1, "0001");
    }
    image.EditProgramCell(6, 1, "4000");
    image.EditProgramCell(7, 1, "0001");
    EXPECT_FALSE(engine.RunOperation(opWrite));
    int loads = 0;
    for (const std::string& e : Events16(port)) {
        loads += e == "c2=0001";
    }
    EXPECT_EQ(loads, 5);
    EXPECT_EQ(host.messages.Texts(),
              std::vector<std::string>{"Error en los códigos de programa (fuera de rango), "
                                       "dir: 0005 fila: 0000 col: 05"});
    EXPECT_FALSE(host.mainEnabled); // the calling command enables it
    EXPECT_EQ(port.Writes().back().value, StateIdle);
}

TEST_F(EngineWire, EmptyOrNegativeCellsAreOutOfRange) {
    Flash16();
    device.Programming = "Flash1";
    image.EditProgramCell(1, 1, "");
    EXPECT_FALSE(engine.RunOperation(opVerify));
    image.EditProgramCell(1, 1, "FFFFFFFF");
    EXPECT_FALSE(engine.RunOperation(opWrite));
    EXPECT_EQ(host.messages.log.size(), 2u);
    EXPECT_EQ(host.messages.log[1].text.substr(0, 26), "Error en los códigos de p");
}
