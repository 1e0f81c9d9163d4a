#include "simulator/Pic18Target.h"

#include <algorithm>
#include <cmath>

namespace Sim {

namespace {
// DS39576: one byte in 3C0004h.
constexpr uint8_t EraseChip39576 = 0x80;
constexpr uint8_t EraseEeprom39576 = 0x81;
constexpr uint8_t EraseBoot39576 = 0x83;
constexpr uint8_t ErasePanel1 = 0x88;
constexpr uint8_t ErasePanel4 = 0x8B;

// DS39622: 3C0005h:3C0004h.
// Rev K lists only 3F8Fh for the chip erase (earlier revisions 0F87h).
constexpr uint16_t EraseChip39622 = 0x3F8F;
constexpr uint16_t EraseEeprom39622 = 0x0084;
constexpr uint16_t EraseBoot39622 = 0x0081;
constexpr uint16_t EraseConfig39622 = 0x0082;
constexpr uint16_t EraseBlockLow39622 = 0x0080; // with one bit of 0x01..0x20 above it
constexpr uint32_t Blocks39622 = 6;
} // namespace

void Pic18Target::CountEraseFrames(int64_t now) {
    if (!eraseArmed_ || ++eraseFrames_ < 2) {
        return;
    }
    eraseArmed_ = false;
    if (!ScopeFor(eraseCode_).defined) {
        unknownErase_.push_back(eraseCode_);
        violations_.Add(Rule::UnknownEraseCode, now);
        return;
    }
    eraseRunning_ = true;
    eraseStart_ = now;
}

// The erase runs while the clock stays low for P11; the next clock before that cuts it
// short, and one before P11 + P10 breaks the discharge time.
void Pic18Target::ResolveErase(int64_t end) {
    eraseRunning_ = false;
    const int64_t elapsed = end - eraseStart_;
    const Pic18Timing& t = profile_.timing;
    const EraseScope scope = ScopeFor(eraseCode_);
    if (elapsed < t.eraseHoldNs) {
        violations_.Add(Rule::EraseTime, end);
        Erase(scope, static_cast<double>(elapsed) / static_cast<double>(t.eraseHoldNs));
        return;
    }
    Erase(scope, 1.0);
    if (elapsed < t.eraseHoldNs + t.dischargeNs) {
        violations_.Add(Rule::DischargeTime, end);
    }
}

Pic18Target::EraseScope Pic18Target::ScopeFor(uint16_t code) const {
    return profile_.variant == Pic18Variant::F2xx0 ? F2xx0Scope(code)
                                                   : Fxx2xx8Scope(static_cast<uint8_t>(code));
}

Pic18Target::EraseScope Pic18Target::Fxx2xx8Scope(uint8_t code) const {
    EraseScope s;
    s.defined = true;
    if (code == EraseChip39576) {
        s.program.push_back({0, profile_.programBytes});
        s.eeprom = s.ids = s.config = true;
    } else if (code == EraseEeprom39576) {
        s.eeprom = true;
    } else if (code == EraseBoot39576) {
        s.program.push_back({0, profile_.bootBytes});
    } else if (code >= ErasePanel1 && code <= ErasePanel4) {
        s.program.push_back(Block(code - ErasePanel1));
    } else {
        s.defined = false;
    }
    return s;
}

Pic18Target::EraseScope Pic18Target::F2xx0Scope(uint16_t code) const {
    EraseScope s;
    s.defined = true;
    if (code == EraseChip39622) {
        s.program.push_back({0, profile_.programBytes});
        s.eeprom = s.ids = s.config = true;
        return s;
    }
    if (code == EraseEeprom39622) {
        s.eeprom = true;
        return s;
    }
    if (code == EraseBoot39622) {
        s.program.push_back({0, profile_.bootBytes});
        return s;
    }
    if (code == EraseConfig39622) {
        s.config = true;
        return s;
    }
    for (uint32_t block = 0; block < Blocks39622; ++block) {
        if (code == ((0x0100u << block) | EraseBlockLow39622)) {
            s.program.push_back(Block(block));
            return s;
        }
    }
    s.defined = false;
    return s;
}

// Panels and code blocks split the memory above the boot block into equal parts.
std::pair<uint32_t, uint32_t> Pic18Target::Block(uint32_t number) const {
    const uint32_t start = std::max(profile_.bootBytes, number * profile_.blockBytes);
    const uint32_t end = std::min((number + 1) * profile_.blockBytes, profile_.programBytes);
    return {start, std::max(start, end)};
}

// A cut-short erase clears each area from its start up to the share of the time it ran.
void Pic18Target::Erase(const EraseScope& scope, double fraction) {
    auto reach = [fraction](uint32_t length) {
        return static_cast<uint32_t>(std::floor(fraction * length));
    };
    const uint32_t size = profile_.programBytes;
    for (const auto& [first, last] : scope.program) {
        // Blocks of the code table may lie past the end of a smaller part.
        const uint32_t from = std::min(first, size);
        const uint32_t to = std::min(first + reach(last - first), size);
        if (to > from) {
            std::fill(program_.begin() + from, program_.begin() + to, 0xFF);
        }
    }
    auto clear = [&](std::vector<uint8_t>& cells) {
        std::fill(cells.begin(), cells.begin() + reach(static_cast<uint32_t>(cells.size())), 0xFF);
    };
    if (scope.eeprom) {
        clear(eeprom_);
    }
    if (scope.ids) {
        clear(ids_);
    }
    if (scope.config) {
        clear(config_);
        if (fraction >= 1.0) {
            protectKnob_ = false;
        }
    }
}

} // namespace Sim
