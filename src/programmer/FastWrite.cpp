#include "programmer/FastWrite.h"

#include "programmer/Programmer.h"

#include <algorithm>

namespace {
constexpr int32_t Family16 = 16;
constexpr int32_t Family18 = 18;
constexpr uint32_t ErasedByte = 0xFF;
constexpr uint32_t HighByteWeight = 256;
constexpr uint32_t MicrosPerMs = 1000;

bool MultiPanelKind(const DeviceRecord& d) {
    return d.Family == Family18 && d.Programming == "18fxx2xx8";
}

// Cells [first, first + count) that exist on the part.
void AppendUnit(std::vector<int32_t>& to, int32_t first, int32_t count, int32_t progMem) {
    for (int32_t a = first; a < first + count && a < progMem; ++a) {
        to.push_back(a);
    }
}
} // namespace

bool FastWrites(const DeviceRecord& d) {
    if (d.WordWrites || d.WriteUnit <= 0 || d.WriteTimeUs <= 0) {
        return false;
    }
    const std::string& kind = d.Programming;
    if (d.Family == Family16) {
        // The "Flash" parts have one latch: their unit is the word.
        return (kind == "Flash" && d.WriteUnit == 1) || kind == "Flash1" || kind == "Flash2";
    }
    // PIC18 table writes carry a pair of bytes; DS39576 panels are 8 KiB.
    return d.Family == Family18 && d.WriteUnit >= 2 &&
           (kind == "18f2xx0" || (kind == "18fxx2xx8" && d.WriteUnit <= BootBytes18));
}

std::vector<WriteCycle> PlanWriteCycles(const DeviceRecord& d, int32_t progUsed) {
    std::vector<WriteCycle> cycles;
    const int32_t unit = d.WriteUnit;
    const int32_t used = std::min(progUsed, d.ProgMem);
    if (!FastWrites(d) || used <= 0) {
        return cycles;
    }
    if (!MultiPanelKind(d)) {
        for (int32_t first = 0; first < used; first += unit) {
            WriteCycle c;
            AppendUnit(c.addresses, first, unit, d.ProgMem);
            cycles.push_back(c);
        }
        return cycles;
    }
    const int32_t panels = (d.ProgMem + PanelBytes18 - 1) / PanelBytes18;
    for (int32_t offset = 0; offset < PanelBytes18 && offset < used; offset += unit) {
        if (offset < BootBytes18) {
            // The boot block, at the start of the first panel, takes single-panel writes
            // (DS39576B Table 3-7); so does every panel at the same offsets.
            for (int32_t p = 0; p < panels && p * PanelBytes18 + offset < used; ++p) {
                WriteCycle c;
                AppendUnit(c.addresses, p * PanelBytes18 + offset, unit, d.ProgMem);
                cycles.push_back(c);
            }
            continue;
        }
        // Every panel's buffer is programmed by the pulse: each is filled, with the erased
        // value past the used size.
        WriteCycle c;
        c.multiPanel = true;
        for (int32_t p = 0; p < panels; ++p) {
            AppendUnit(c.addresses, p * PanelBytes18 + offset, unit, d.ProgMem);
        }
        cycles.push_back(c);
    }
    return cycles;
}

void Programmer::WaitCycle(int32_t micros) {
    delay_.SleepMs(static_cast<uint32_t>(micros) / MicrosPerMs);
    delay_.WaitMicros(static_cast<int32_t>(static_cast<uint32_t>(micros) % MicrosPerMs));
}

void Programmer::ProgramCycle(const WriteCycle& cycle, const std::vector<int32_t>& values) {
    if (cycle.addresses.empty()) {
        return;
    }
    const uint32_t blank = device_.Family == Family16 ? (1U << device_.ProgBits) - 1 : ErasedByte;
    const auto valueAt = [&values, blank](int32_t a) {
        return a >= 0 && static_cast<size_t>(a) < values.size() ? static_cast<uint32_t>(values[a])
                                                                : blank;
    };
    if (device_.Family == Family16) {
        ProgramUnit16(cycle, valueAt);
    } else {
        ProgramUnit18(cycle, valueAt);
    }
}

// Loads with increments between them, the begin command with the address still on the
// unit's last word (the unit the address selects), the cycle's time, End Programming where
// the cycle is externally timed, then the increment onto the next unit.
void Programmer::ProgramUnit16(const WriteCycle& cycle,
                               const std::function<uint32_t(int32_t)>& valueAt) {
    const std::string& kind = device_.Programming;
    const bool pairs = kind == "Flash1";
    const size_t n = cycle.addresses.size();
    for (size_t i = 0; i < n; ++i) {
        IcspCommand16(Cmd16::LoadDataProgram, valueAt(cycle.addresses[i]));
        if (i + 1 < n) {
            IcspCommand16(Cmd16::IncrementAddress);
        }
    }
    // 7X: 001000 begins its externally timed pulse; the others' program-only 011000.
    IcspCommand16(pairs ? Cmd16::BeginEraseProgram : Cmd16::BeginProgramOnly);
    WaitCycle(device_.WriteTimeUs);
    if (pairs) {
        IcspCommand16(Cmd16::EndProgramming);
    } else if (kind == "Flash2") {
        IcspCommand16(Cmd16::EndProgramming2);
    }
    IcspCommand16(Cmd16::IncrementAddress);
}

// One buffer per panel: each loaded from its first byte, pairs post-incrementing, the last
// pair a plain write (1100) but for the last panel's, which starts programming (1111) with
// the table pointer still in the buffer.
void Programmer::ProgramUnit18(const WriteCycle& cycle,
                               const std::function<uint32_t(int32_t)>& valueAt) {
    if (device_.Programming == "18fxx2xx8") {
        const PanelMode wanted = cycle.multiPanel ? PanelMode::Multi : PanelMode::Single;
        if (panelMode_ != wanted) {
            SelectPanelMode18(cycle.multiPanel ? Pic18::MultiPanelWrites
                                               : Pic18::SinglePanelWrites);
            panelMode_ = wanted;
        }
    }
    IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Eepgd);
    IcspCommand18(Cmd18::CoreInstruction, Pic18::BcfEecon1Cfgs);
    const std::vector<int32_t>& a = cycle.addresses;
    const size_t unit = cycle.multiPanel ? static_cast<size_t>(device_.WriteUnit) : a.size();
    for (size_t start = 0; start < a.size(); start += unit) {
        const size_t end = std::min(start + unit, a.size());
        LoadTablePointer(static_cast<uint32_t>(a[start]));
        for (size_t i = start; i < end; i += 2) {
            const uint32_t low = valueAt(a[i]);
            const uint32_t high = i + 1 < end ? valueAt(a[i + 1]) : ErasedByte;
            const uint32_t operand = low + high * HighByteWeight;
            if (i + 2 < end) {
                IcspCommand18(Cmd18::TableWritePostInc2, operand);
            } else if (end < a.size()) {
                IcspCommand18(Cmd18::TableWrite, operand);
            } else {
                IcspCommand18(Cmd18::TableWriteStartProg, operand);
            }
        }
    }
    ProgramPulse18(device_.WriteTimeUs);
}
