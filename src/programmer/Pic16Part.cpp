#include "programmer/Pic16Part.h"

#include <string>

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The program has always waited 11 ms after every bulk erase; that covers each self-timed
// erase but the 7X's.
constexpr uint32_t UsualEraseMs = 11;

} // namespace

Pic16Part Pic16PartOf(const DeviceRecord& device) {
    const std::string& kind = device.Programming;
    const std::string& name = device.DeviceName;
    if (device.Family != 16) {
        return Pic16Part::Other;
    }
    if (kind == "OTP") {
        return Pic16Part::Eprom;
    }
    if (kind == "Flash1") {
        return Pic16Part::F7X;
    }
    if (kind == "Flash2") {
        return EndsWith(name, "16F87") || EndsWith(name, "16F88") ? Pic16Part::F8788
                                                                  : Pic16Part::F87XA;
    }
    if (kind != "Flash") {
        return Pic16Part::Other;
    }
    if (Contains(name, "16F62") || Contains(name, "16F648")) {
        return EndsWith(name, "A") ? Pic16Part::F62XA : Pic16Part::F62X;
    }
    return Contains(name, "16F87") ? Pic16Part::F87X : Pic16Part::F84A;
}

Pic16Waits WaitsOf(Pic16Part part) {
    Pic16Waits w{};
    w.programEraseMs = UsualEraseMs;
    w.dataEraseMs = UsualEraseMs;
    switch (part) {
    case Pic16Part::F62X:
        w.wordWriteMs = 13;   // DS30034D: 001000 is Tera (5 ms max) + Tprog (8 ms max)
        w.configWriteMs = 13; // the same cycle at 2007h
        w.unprotectMs = 13;   // code-protect disable (DS30034D 3.3): Tera + Tprog
        break;
    case Pic16Part::F62XA:
        w.wordWriteMs = 4;   // DS41196G: X01000 programs only, TPROG 4 ms max
        w.configWriteMs = 4; // TPROG covers IDs and the configuration word too
        w.unprotectMs = 6;   // bulk erase of each memory, TERA 6 ms max
        break;
    case Pic16Part::F7X:
        w.wordWriteMs = 1;     // DS30324B: tprog 1 ms, the pulse's minimum and maximum
        w.configWriteMs = 1;   // the same pulse
        w.programEraseMs = 30; // Chip Erase 001001: tera 30 ms min
        w.unprotectMs = 40;    // the 40 ms it always had, above tera
        break;
    case Pic16Part::F87XA:
        w.wordWriteMs = 2;    // DS39589B: 011000 to 010111, tprog1 1 ms min (2 ms kept)
        w.configWriteMs = 10; // 001000 at 2007h: tprog2 8 ms max (10 ms kept)
        w.idEraseMs = 10;     // 001000 on the ID row: tprog2 8 ms max (10 ms kept)
        w.unprotectMs = 40;   // Chip Erase: tprog3 8 ms max (40 ms kept)
        break;
    case Pic16Part::F8788:
        w.wordWriteMs = 2;   // DS39607B: 011000 to 010111, tprog1 1 ms min (2 ms below 4.5 V)
        w.configWriteMs = 2; // 011000 at 2007h, tprog1
        w.idEraseMs = 2;     // Begin Erase to 010111, tprog2 1 ms min (2 ms below 4.5 V)
        w.unprotectMs = 40;  // Chip Erase: tprog4 8 ms (40 ms kept)
        break;
    case Pic16Part::Eprom:
        w.wordWriteMs = 1;   // DS30228K: program pulse 100 us min (1 ms kept)
        w.configWriteMs = 0; // configuration word: 100 pulses of 100 us, see ProgramConfigWord
        break;
    default:
        // DS30262E (F84A): 001000 8 ms max; DS39025F (87X): tera + tprog 8 ms max; the
        // program's 10 ms is kept. Code-protect disable: 10 ms (DS30262E 4.1), 8 ms
        // (DS39025F 2.5.2); the program's 11 ms is kept.
        w.wordWriteMs = 10;
        w.configWriteMs = 10;
        w.unprotectMs = UsualEraseMs;
        break;
    }
    return w;
}
