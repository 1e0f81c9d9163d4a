#include "simulator/Pic16Profile.h"

#include "simulator/FlashParts.h"

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
    if (const FlashPart* part = FindFlashPart(name)) {
        return part->variant;
    }
    if (kind == "OTP") {
        return Pic16Variant::Eprom;
    }
    if (kind == "Flash1") {
        return Pic16Variant::F7X;
    }
    if (kind == "Flash2") {
        return EndsWith(name, "16F87") || EndsWith(name, "16F88") ? Pic16Variant::F8788
                                                                  : Pic16Variant::F87XA;
    }
    if (Contains(name, "16F62") || Contains(name, "16F648")) {
        return EndsWith(name, "A") ? Pic16Variant::F62XA : Pic16Variant::F62X;
    }
    if (Contains(name, "16F87")) {
        return Pic16Variant::F87X;
    }
    return Pic16Variant::F84A;
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
    case Pic16Variant::F8788:
        return 0x2000;
    case Pic16Variant::F87X:
        return 0x3030;
    case Pic16Variant::F7X:
        return 0x0010;
    case Pic16Variant::Eprom:
        return EndsWith(name, "16C71") ? 0x0010 : 0x3F30;
    case Pic16Variant::F629: // DS41191D Reg. 3-1: CP bit 7
        return 0x0080;
    case Pic16Variant::F690: // DS41204G Reg. 4-1/4-2, DS41287C Reg. 4-1: CP bit 6
    case Pic16Variant::F88X:
        return 0x0040;
    }
    return 0;
}

// The CPD bit of the flash documents (0 = data memory protected).
uint16_t DataProtectMask(Pic16Variant variant) {
    switch (variant) {
    case Pic16Variant::F629: // DS41191D Reg. 3-1: CPD bit 8
        return 0x0100;
    case Pic16Variant::F690: // DS41204G Reg. 4-1/4-2, DS41287C Reg. 4-1: CPD bit 7
    case Pic16Variant::F88X:
        return 0x0080;
    default:
        return 0;
    }
}

// Latches one programming cycle writes: DS39589B 8-word rows, DS39607B 4-word groups,
// DS30324B even/odd pairs; one word elsewhere.
uint32_t RowWords(Pic16Variant variant, const FlashPart* part) {
    if (part != nullptr) {
        return part->latches; // DS41204G §3.1.1, DS41287C §3.2.1-3.2.2
    }
    switch (variant) {
    case Pic16Variant::F87XA:
        return 8;
    case Pic16Variant::F8788:
        return 4;
    case Pic16Variant::F7X:
        return 2;
    default:
        return 1;
    }
}

} // namespace

// One table per programming document; symbols as the documents name them.
Pic16Timing TimingOf(Pic16Variant variant) {
    Pic16Timing t{};
    // Every mid-range document: Tset1 = Thld1 = 100 ns around the falling edge (DS30228K
    // gives no figure of its own for EPROM parts: the same is taken) and Tdly1 = Tdly2 =
    // 1 us from the last falling clock of a command to the next rising one. No document
    // sets clock high or low times.
    t.setupNs = 100 * Ns;
    t.holdNs = 100 * Ns;
    t.commandDelayNs = 1 * Us;
    t.dataValidNs = 80 * Ns; // Tdly3
    t.entryHoldNs = 5 * Us;  // Thld0
    switch (variant) {
    case Pic16Variant::F84A: // DS30262E Table 5-1, 2.3.1
        t.entryHoldNs = 100 * Ns;
        t.eraseProgramNs = 8 * Ms; // 001000: erase 4 ms + program 4 ms, maximum
        t.programOnlyNs = 4 * Ms;  // 011000, maximum
        t.dataWriteNs = 8 * Ms;    // 001000 on data memory
        t.bulkEraseNs = 10 * Ms;   // 001001/001011 and a begin command
        t.setupEraseNs = 10 * Ms;  // code-protect disable (DS30262E 4.1)
        break;
    case Pic16Variant::F62X:        // DS30034D Table 4-1
        t.eraseProgramNs = 13 * Ms; // 001000: Tera 5 ms + Tprog 8 ms, maximum
        t.programOnlyNs = 8 * Ms;   // 011000: Tprog
        t.dataWriteNs = 8 * Ms;     // EEPROM writes: Tprog
        t.bulkEraseNs = 5 * Ms;     // Tera
        t.setupEraseNs = 13 * Ms;   // code-protect disable (DS30034D 3.3): Tera + Tprog
        break;
    case Pic16Variant::F62XA:     // DS41196G Table 4-1
        t.programOnlyNs = 4 * Ms; // X01000: TPROG (program memory, IDs, configuration)
        t.dataWriteNs = 6 * Ms;   // X01000 on data memory: TDPROG
        t.bulkEraseNs = 6 * Ms;   // TERA, self-timed from the bulk erase command
        break;
    case Pic16Variant::F87X:       // DS39025F Table 6-1
        t.eraseProgramNs = 8 * Ms; // 001000: tera 4 ms + tprog 4 ms, maximum
        t.programOnlyNs = 4 * Ms;  // 011000: tprog (4.5-5.5 V)
        t.dataWriteNs = 8 * Ms;    // 001000 on data memory
        t.setupEraseNs = 8 * Ms;   // Setup1/Setup2 erase (DS39025F 2.5.1, 2.5.2)
        break;
    case Pic16Variant::F7X: // DS30324B Table 5-1
        t.dataValidNs = 200 * Ns;
        // Thld0 is drawn without a value; the 5 us of the generation's other flash
        // documents (DS39025F, DS39589B) is kept.
        t.pulseNs = 1 * Ms;      // tprog, 001000 to 001110 (its minimum and maximum)
        t.chipEraseNs = 30 * Ms; // 001001: tera, self-timed (4.75-5.25 V)
        break;
    case Pic16Variant::F87XA:        // DS39589B Table 6-1
        t.commandDelayNs = 100 * Ns; // Tdly1/Tdly2 at VDD >= 4.5 V
        t.eraseProgramNs = 8 * Ms;   // 001000 row cycle: tprog2, maximum
        t.dataWriteNs = 8 * Ms;      // 001000 on data memory (no time of its own)
        t.pulseNs = 1 * Ms;          // 011000 to 010111: tprog1
        // 001001/001011 run on the 001000 that follows them; the document gives 4 ms
        // typical, so the maximum of that internally timed cycle, tprog2, is taken.
        t.bulkEraseNs = 8 * Ms;
        t.chipEraseNs = 8 * Ms; // 011111: tprog3, maximum (4.5-5.5 V)
        break;
    case Pic16Variant::F8788:        // DS39607B Table 7-1, at VDD >= 4.5 V
        t.commandDelayNs = 100 * Ns; // Tdly1/Tdly2
        t.pulseNs = 1 * Ms;          // 011000 to 010111: tprog1 (2 ms below 4.5 V)
        t.rowEraseNs = 1 * Ms;       // 001000 to 010111: tprog2 (2 ms below 4.5 V)
        t.bulkEraseNs = 2 * Ms;      // 001001/001011, 001000 to 010111: tprog3
        t.chipEraseNs = 8 * Ms;      // 011111: tprog4, self-timed
        // The notes give no data-memory cycle of this document; DS39589B's 001000 cycle
        // maximum (tprog2, 8 ms) is assumed.
        t.dataWriteNs = 8 * Ms;
        break;
    case Pic16Variant::Eprom: // DS30228K
        t.dataValidNs = 200 * Ns;
        t.entryHoldNs = 2 * Us;
        t.pulseNs = 100 * Us; // program pulse, 001000 to 001110
        break;
    case Pic16Variant::F629: // DS41191D Table 5-1
        // THLD0 5 us from VDD to the first clock; the simulated adapter raises VDD before
        // or with VPP, so the 5 us are counted from VPP (also TPPDP, 5 us).
        // Configuration words and IDs take the program memory figures (none of their own).
        t.programOnlyNs = 2500 * Us; // TPROG1 program memory, maximum
        t.dataWriteNs = 6 * Ms;      // TPROG1 data memory, maximum
        t.pulseNs = 2 * Ms;          // TPROG2 (min = max = 2 ms as printed; the max is not judged)
        t.bulkEraseNs = 8 * Ms;      // TERA, maximum
        t.dischargeNs = 500 * Ns;    // TDIS (TDLY1 1 us after every command is larger)
        break;
    case Pic16Variant::F690: // DS41204G Table 6-1
    case Pic16Variant::F88X: // DS41287C Table 6-1
        // TPROG1 of configuration and calibration words is not stated: the program figure.
        t.programOnlyNs = 3 * Ms; // TPROG1 program memory, minimum (no maximum given)
        t.dataWriteNs = 6 * Ms;   // TPROG1 data memory, minimum (no maximum given)
        // TPROG2: 3 ms minimum on DS41204G; 2 ms minimum (2.5 ms maximum, not judged) on
        // DS41287C.
        t.pulseNs = variant == Pic16Variant::F690 ? 3 * Ms : 2 * Ms;
        t.bulkEraseNs = 6 * Ms;   // TERA, maximum; also the self-timed Row Erase
        t.dischargeNs = 100 * Us; // TDIS after End Programming (DS41204G §3.1.5, DS41287C §3.2.6)
        // THLD0 is 0-2 us (DS41204G) or 0-1 us (DS41287C); with VDD before VPP the first
        // clock waits TPPDP, 5 us, after VPP (Fig. 3-2), which the 5 us default keeps.
        break;
    }
    return t;
}

Pic16Profile MakePic16Profile(const DeviceRecord& device) {
    Pic16Profile p;
    const FlashPart* part = FindFlashPart(device.DeviceName);
    p.variant = ChooseVariant(device);
    p.programWords = device.ProgMem > 0 ? static_cast<uint32_t>(device.ProgMem) : 0;
    p.eepromBytes = device.EEProm > 0 ? static_cast<uint32_t>(device.EEProm) : 0;
    p.wordBits = device.ProgBits > 0 && device.ProgBits <= 16 ? device.ProgBits : 14;
    if (part != nullptr) {
        p.wordBits = 14; // the flash documents' parts have 14-bit words whatever the record says
        p.configPeriod = part->configPeriod;
    }
    p.rowWords = RowWords(p.variant, part);
    // 16-word Row Erase: DS41204G §3.1.5.12, DS41287C §3.2.6.12.
    const bool rowErase = p.variant == Pic16Variant::F690 || p.variant == Pic16Variant::F88X;
    p.eraseRowWords = p.variant == Pic16Variant::F8788 ? 32 : (rowErase ? 16 : 0);
    // CONFIG2 at 2008h: DS39607B (16F87/88), DS41287C Reg. 4-2.
    p.configWords = p.variant == Pic16Variant::F8788 || p.variant == Pic16Variant::F88X ? 2 : 1;
    p.dataProtectMask = DataProtectMask(p.variant);
    // Protection bits lie inside the word; a narrower part has none of a wider part's.
    const std::string& name = device.DeviceName;
    p.protectMask = ProtectMask(p.variant, name) & ((1U << p.wordBits) - 1);
    p.hasDeviceId = p.variant != Pic16Variant::Eprom;
    p.timing = TimingOf(p.variant);
    return p;
}

} // namespace Sim
