#pragma once
// Test helpers: a programmer wired to a RecordingPort and a VirtualDelay, and decoders
// that turn the recorded line states back into commands the way a target would see them
// (bits taken on falling clock edges), so tests state expectations as commands and data.
#include "common/Messages.h"
#include "devices/DeviceRecord.h"
#include "parts/PartModule.h"
#include "programmer/LineStates.h"
#include "programmer/Programmer.h"
#include "programmer/VirtualDelay.h"
#include "support/RecordingPort.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace wire {

// Records every message with its kind.
class MessageLog : public Messages {
public:
    void ShowError(const Phrase& m) override { log.push_back("error:" + m); }
    bool AskAbortIgnore(const Phrase& m) override {
        log.push_back("abort?:" + m);
        return true;
    }
    void ShowInfo(const Phrase& m) override { log.push_back("info:" + m); }
    bool AskYesNo(const Phrase& m) override {
        log.push_back("yes?:" + m);
        return true;
    }
    void ShowMessage(const Phrase& m) override { log.push_back("message:" + m); }
    std::vector<std::string> log;
};

// One edge the target would act on: the clock falling with the data line driven by the
// programmer (released = false) or by the target (released = true).
struct Edge {
    bool bit;
    bool released;
    size_t index; // index of the write that lowered the clock
};

inline std::vector<Edge> FallingEdges(const std::vector<RecordingPort::Write>& writes) {
    std::vector<Edge> edges;
    for (size_t i = 1; i < writes.size(); ++i) {
        const uint8_t prev = writes[i - 1].value;
        const uint8_t cur = writes[i].value;
        if ((prev & LineClock) && !(cur & LineClock) && (cur & LineProg)) {
            edges.push_back({(cur & LineData) != 0, (cur & LineRelease) != 0, i});
        }
    }
    return edges;
}

// A decoded command of either family.
struct Frame {
    int32_t command = 0;
    uint32_t data = 0;       // operand or data word sent (0 for reads and bare commands)
    int readClocks = 0;      // clocks with the line released (reads)
    int64_t start = 0;       // time of the frame's first write (StateProg)
    int64_t end = 0;         // time of its last write
    int64_t lastCmdHigh = 0; // how long the last command clock stayed high
    int64_t gapToData = 0;   // from the last command clock's fall to the first data write
};

inline bool operator==(const Frame& a, const Frame& b) {
    return a.command == b.command && a.data == b.data && a.readClocks == b.readClocks;
}

inline void PrintTo(const Frame& f, std::ostream* os) {
    *os << "{cmd " << f.command << ", data 0x" << std::hex << f.data << std::dec << ", read "
        << f.readClocks << "}";
}

inline Frame Cmd(int32_t command, uint32_t data = 0, int readClocks = 0) {
    Frame f;
    f.command = command;
    f.data = data;
    f.readClocks = readClocks;
    return f;
}

// Decodes a stream of commands with commandBits-bit commands. dataBits(command) gives the
// number of clocks of data sent after a command that sends data (0 when none); data
// clocks of reads are counted from the released edges.
template <typename DataBits>
std::vector<Frame> Decode(const std::vector<RecordingPort::Write>& writes, int commandBits,
                          DataBits dataBits, int dataShift) {
    const std::vector<Edge> edges = FallingEdges(writes);
    std::vector<Frame> frames;
    size_t e = 0;
    while (e + commandBits <= edges.size()) {
        Frame f;
        f.start = writes[edges[e].index - 2].time;
        for (int i = 0; i < commandBits; ++i) {
            f.command |= int32_t{edges[e + i].bit} << i;
        }
        const size_t lastCmd = edges[e + commandBits - 1].index;
        f.lastCmdHigh = writes[lastCmd].time - writes[lastCmd - 1].time;
        size_t lastIndex = lastCmd;
        e += commandBits;
        if (e < edges.size() && edges[e].released) {
            while (e < edges.size() && edges[e].released) {
                ++f.readClocks;
                lastIndex = edges[e++].index;
            }
        } else if (const int n = dataBits(f.command); n > 0 && e + n <= edges.size()) {
            f.gapToData = writes[edges[e].index - 1].time - writes[lastCmd].time;
            for (int i = 0; i < n; ++i) {
                f.data |= uint32_t{edges[e + i].bit} << i;
            }
            f.data >>= dataShift;
            lastIndex = edges[e + n - 1].index;
            e += n;
        }
        f.end = writes[lastIndex].time;
        frames.push_back(f);
    }
    return frames;
}

// Family 18: 4-bit commands, 16-bit operands (every command but the reads).
inline std::vector<Frame> Decode18(const RecordingPort& port) {
    return Decode(
        port.Writes(), 4, [](int32_t) { return 16; }, 0);
}

// Family 16: 6-bit commands; the three load commands carry a start bit, progBits data
// bits and a stop bit. Returns the data bits only.
inline std::vector<Frame> Decode16(const RecordingPort& port, int progBits) {
    const auto bits = [progBits](int32_t c) {
        return (c == 0 || c == 2 || c == 3) ? progBits + 2 : 0;
    };
    std::vector<Frame> frames = Decode(port.Writes(), 6, bits, 1);
    for (Frame& f : frames) {
        f.data &= (1U << progBits) - 1;
    }
    return frames;
}

// The status bytes a target puts on the line for a value sent least significant bit first.
inline std::vector<uint8_t> StatusBits(uint32_t value, int bits) {
    std::vector<uint8_t> status;
    for (int i = 0; i < bits; ++i) {
        status.push_back(((value >> i) & 1U) ? StatusDataIn : 0x00);
    }
    return status;
}

// A programmer on a recording port with virtual time.
class WireTest : public ::testing::Test {
protected:
    VirtualDelay delay;
    RecordingPort port{delay};
    DeviceRecord device;
    MessageLog messages;
    Programmer programmer{port, delay, device, messages};

    void SetDevice(const std::string& name, int32_t family, const std::string& programming,
                   int32_t progBits = 14) {
        device.DeviceName = name;
        device.Family = family;
        device.Programming = programming;
        device.ProgBits = progBits;
        device.WBufSize = 8;
    }

    // The module of the device as it is now, made again when its name or kind changed.
    PartModule& Part() {
        const std::string key = device.DeviceName + "/" + device.Programming + "/" +
                                device.Algorithm + "/" + std::to_string(device.Family);
        if (!part_ || key != partKey_) {
            part_ = MakePart(device);
            partKey_ = key;
        }
        return *part_;
    }

private:
    std::unique_ptr<PartModule> part_;
    std::string partKey_;
};

} // namespace wire
