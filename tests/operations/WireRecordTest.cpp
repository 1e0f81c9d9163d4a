// The wire of every shipped device, kept: each command's port writes, with the virtual
// time of each, folded into a fingerprint and compared with tests/data/wire/golden.txt.
// A change of any byte, of their order or of any wait shows up here, so moving code
// between layers can be proved to leave the wire alone. When the wire is meant to change,
// regenerate the file and review the lines that moved:
//   PRAVIK_WIRE_UPDATE=<dir> build/default/tests/test_operations --gtest_filter='Wire*'
//   cat <dir>/*.txt > tests/data/wire/golden.txt
#include "common/HexText.h"
#include "devices/DeviceFile.h"
#include "operations/ShippedDevices.h"
#include "operations/SimBench.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// Between the programmer and the simulated adapter: every byte written and its time go
// into an FNV-1a hash on their way to the chip.
class FingerprintPort : public Port {
public:
    FingerprintPort(Port& inner, const Delay& delay) : inner_(inner), delay_(delay) {}

    void WriteData(uint8_t value) override {
        Mix(static_cast<uint64_t>(delay_.Now()));
        Mix(value);
        ++writes_;
        inner_.WriteData(value);
    }
    uint8_t ReadStatus() override { return inner_.ReadStatus(); }

    std::string TakeLine() {
        std::ostringstream line;
        line << writes_ << " " << std::hex << hash_;
        writes_ = 0;
        hash_ = kOffset;
        return line.str();
    }

private:
    static constexpr uint64_t kOffset = 14695981039346656037ULL;
    static constexpr uint64_t kPrime = 1099511628211ULL;
    void Mix(uint64_t value) {
        for (int i = 0; i < 8; ++i) {
            hash_ = (hash_ ^ ((value >> (8 * i)) & 0xFF)) * kPrime;
        }
    }

    Port& inner_;
    const Delay& delay_;
    uint64_t hash_ = kOffset;
    uint64_t writes_ = 0;
};

// An image with every memory in use: program words or bytes from a fixed pattern (the
// first 1024 cells: every write unit, the boot block and multi-panel writes of the PIC18
// parts), EEPROM, identifier, the device's recommended configuration.
void FillImage(SimBench& b) {
    constexpr int32_t kCells = 1024;
    const bool f16 = b.device.Family == 16;
    const int64_t maxWord = f16 ? (1 << b.device.ProgBits) - 1 : 0xFF;
    for (int32_t a = 0; a < 96; ++a) {
        b.image.HexEditG.SetAt(a, Hex((a * 0x1A3 + 5) % (maxWord + 1), f16 ? 4 : 2));
    }
    b.image.ProgUsed = std::min(b.device.ProgMem, kCells);
    b.image.HexEditG.SetAt(b.image.ProgUsed - 1, f16 ? "0123" : "5A");
    for (int32_t a = 0; a < b.device.EEProm; a += 5) {
        b.image.DatosEditG.SetAt(a, Hex(a % 256, 2));
    }
    b.image.EEPromUsed = b.device.EEProm;
    b.image.SetIdent(0x1234);
    if (!f16) {
        b.image.EditIdent = "0123456789ABCDEF";
    }
}

// "device method command writes hash", one line per command, both write methods.
std::vector<std::string> RecordDevice(const std::string& name) {
    std::vector<std::string> lines;
    for (const bool words : {false, true}) {
        SimBench b(name);
        b.device.WordWrites = words;
        if (b.device.VppMaxMillivolts > 0) {
            b.device.AdapterVppMillivolts = b.device.VppMaxMillivolts;
        }
        FingerprintPort port(*b.port, b.delay);
        Programmer programmer(port, b.delay, b.device, b.host.messages);
        OperationEngine engine(programmer, b.device, b.image, b.config16, b.config18, b.host);
        b.host.scope = Scope{true, true, true, true};
        FillImage(b);
        port.TakeLine();
        using Command = bool (OperationEngine::*)();
        const std::pair<const char*, Command> commands[] = {
            {"write", &OperationEngine::BotonEscribirClick},
            {"verify", &OperationEngine::BotonVerificarClick},
            {"read", &OperationEngine::BotonLeerClick},
            {"blank", &OperationEngine::BotonBlkChkClick},
            {"erase", &OperationEngine::BorrarPrograma1Click},
            {"unprotect", &OperationEngine::BotonDesprotegeClick},
        };
        for (const auto& [command, run] : commands) {
            b.host.messages.yesAnswers = {true};
            (engine.*run)();
            lines.push_back(name + (words ? " palabra " : " unidades ") + command + " " +
                            port.TakeLine());
        }
    }
    return lines;
}

std::map<std::string, std::string> Golden() {
    std::map<std::string, std::string> golden;
    std::ifstream in(PRAVIK_TESTDATA_DIR "/wire/golden.txt");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string device, method, command;
        words >> device >> method >> command;
        golden[device + " " + method + " " + command] = line;
    }
    return golden;
}

class Wire : public ::testing::TestWithParam<std::string> {};

} // namespace

TEST_P(Wire, EveryCommandKeepsItsRecordedWire) {
    const std::vector<std::string> lines = RecordDevice(GetParam());
    if (const char* dir = std::getenv("PRAVIK_WIRE_UPDATE")) {
        std::ofstream out(std::string(dir) + "/" + GetParam() + ".txt");
        for (const std::string& line : lines) {
            out << line << "\n";
        }
        return;
    }
    static const std::map<std::string, std::string> golden = Golden();
    for (const std::string& line : lines) {
        std::istringstream words(line);
        std::string device, method, command;
        words >> device >> method >> command;
        const auto it = golden.find(device + " " + method + " " + command);
        ASSERT_NE(it, golden.end()) << "no recorded wire for: " << line;
        EXPECT_EQ(line, it->second);
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, Wire, ::testing::ValuesIn(ShippedDeviceNames()),
                         [](const auto& info) { return info.param; });
