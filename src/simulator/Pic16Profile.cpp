#include "simulator/Pic16Profile.h"

#include <string>

namespace Sim {

namespace {

constexpr int64_t Ns = 1;
constexpr int64_t Us = 1000 * Ns;
constexpr int64_t Ms = 1000 * Us;

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

Pic16Variant ChooseVariant(const DeviceRecord& device) {
    const std::string& kind = device.Programming;
    const std::string& name = device.DeviceName;
    if (kind == "OTP") {
        return Pic16Variant::Eprom;
    }
    if (kind == "Flash1") {
        return Pic16Variant::F7X;
    }
    if (kind == "Flash2") {
        return Pic16Variant::F87XA;
    }
    if (Contains(name, "16F62") || Contains(name, "16F648")) {
        return EndsWith(name, "A") ? Pic16Variant::F62XA : Pic16Variant::F62X;
    }
    if (Contains(name, "16F87")) {
        return Pic16Variant::F87X;
    }
    return Pic16Variant::F84A;
}

// Wire timing common to every mid-range part. The clock phases and the data-phase low
// time are set to what the program's sequences give (one 0.1 us port access per edge);
// the documents ask 100 ns high and low, and Tdly2 = 1 us low in data words on the
// F84A/62X/87X generation (DS30262, DS30034, DS39025).
Pic16Timing WireTiming() {
    Pic16Timing t{};
    t.clockHighNs = 100 * Ns;    // Tset1 + Thld1 window, 100 ns
    t.clockLowNs = 100 * Ns;     // 100 ns
    t.dataClockLowNs = 100 * Ns; // Tdly2: documented 1 us, sequences give 100 ns
    t.setupNs = 100 * Ns;        // Tset1
    t.holdNs = 100 * Ns;         // Thld1
    t.commandDelayNs = 1 * Us;   // Tdly1 (87XA: 100 ns at VDD >= 4.5 V)
    // Thld0 is 100 ns to 5 us by part. The program starts writing right after an erase
    // without a fresh entry sequence, so its first clock comes 100 ns after programming
    // voltage: the shortest documented hold.
    t.entryHoldNs = 100;
    return t;
}

// Cycle times. Where the program's fixed waits are shorter than the documented time the
// figure is set to the wait, and the documented one is given beside it.
void SetCycleTimes(Pic16Profile& p, const DeviceRecord& device) {
    Pic16Timing& t = p.timing;
    t.pulseNs = 1 * Ms;     // 87XA tprog1 (DS39589); 16F7X taken as the same
    t.chipEraseNs = 8 * Ms; // 87XA chip erase, 8 ms max (DS39589)
    switch (p.variant) {
    case Pic16Variant::F84A: // DS30262
        t.programNs = 8 * Ms;
        t.dataWriteNs = 8 * Ms;
        t.programOnlyNs = 4 * Ms;
        t.bulkEraseNs = 10 * Ms;
        break;
    case Pic16Variant::F62X: // DS30034: erase 5 ms + program 8 ms documented; the program
                             // waits 3 ms after 001000 on every 16F62x
        t.programNs = 3 * Ms;
        t.dataWriteNs = 3 * Ms;
        t.programOnlyNs = 3 * Ms;
        t.bulkEraseNs = 10 * Ms;
        break;
    case Pic16Variant::F62XA: // DS41196: TPROG 4 ms, data 6 ms, TERA 6 ms. The 627A/628A
                              // get the program's 3 ms wait; the 648A gets 10 ms
        t.programNs = Contains(device.DeviceName, "16F62") ? 3 * Ms : 4 * Ms;
        t.programOnlyNs = t.programNs;
        t.dataWriteNs = 6 * Ms;
        t.bulkEraseNs = 6 * Ms;
        break;
    case Pic16Variant::F87X: // DS39025: erase 4 ms + program 4 ms
        t.programNs = 8 * Ms;
        t.dataWriteNs = 8 * Ms;
        t.programOnlyNs = 4 * Ms;
        t.bulkEraseNs = 8 * Ms;
        break;
    case Pic16Variant::F7X: // no documented erase time at hand; the 62XA's TERA
        t.programNs = 0;
        t.dataWriteNs = 0;
        t.programOnlyNs = 0;
        t.bulkEraseNs = 6 * Ms;
        break;
    case Pic16Variant::F87XA: // DS39589: row write 8 ms max, bulk erase about 4 ms
        t.programNs = 8 * Ms;
        t.dataWriteNs = 8 * Ms;
        t.programOnlyNs = 0; // externally timed, see pulseNs
        t.bulkEraseNs = 4 * Ms;
        break;
    case Pic16Variant::Eprom: // DS30228: at least 100 us per pulse, nothing erases
        t.pulseNs = 100 * Us;
        t.programNs = 0;
        t.dataWriteNs = 0;
        t.programOnlyNs = 0;
        t.bulkEraseNs = 0;
        break;
    }
}

// The configuration bits that enable code protection, from each family's word layout:
// any of them at 0 protects (all CP bits of the F84A; CP1:CP0 pairs elsewhere).
uint16_t ProtectMask(Pic16Variant variant, const std::string& name) {
    switch (variant) {
    case Pic16Variant::F84A:
        return 0x3FF0;
    case Pic16Variant::F62X:
        return 0x3C00;
    case Pic16Variant::F62XA:
    case Pic16Variant::F87XA:
        return 0x2000;
    case Pic16Variant::F87X:
        return 0x3030;
    case Pic16Variant::F7X:
        return 0x0010;
    case Pic16Variant::Eprom:
        return EndsWith(name, "16C71") ? 0x0010 : 0x3F30;
    }
    return 0;
}

} // namespace

Pic16Profile MakePic16Profile(const DeviceRecord& device) {
    Pic16Profile p;
    p.variant = ChooseVariant(device);
    p.programWords = device.ProgMem > 0 ? static_cast<uint32_t>(device.ProgMem) : 0;
    p.eepromBytes = device.EEProm > 0 ? static_cast<uint32_t>(device.EEProm) : 0;
    p.wordBits = device.ProgBits > 0 && device.ProgBits <= 16 ? device.ProgBits : 14;
    p.rowWords = p.variant == Pic16Variant::F87XA ? 8 : 1;
    const std::string& name = device.DeviceName;
    p.configWords = EndsWith(name, "16F87") || EndsWith(name, "16F88") ? 2 : 1;
    // Protection bits lie inside the word; a narrower part has none of a wider part's.
    p.protectMask = ProtectMask(p.variant, name) & ((1U << p.wordBits) - 1);
    p.hasDeviceId = p.variant != Pic16Variant::Eprom;
    p.topCommandBitsIgnored = p.variant == Pic16Variant::F84A;
    p.timing = WireTiming();
    SetCycleTimes(p, device);
    return p;
}

} // namespace Sim
