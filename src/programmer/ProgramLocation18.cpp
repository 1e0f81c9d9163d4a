#include "programmer/Programmer.h"

#include <string>

namespace {
const std::string KindMultiPanel = "18fxx2xx8";
// The value of an erased byte: writing it leaves the location as it is.
constexpr uint32_t ErasedByte = 0xFF;
constexpr uint32_t HighByteWeight = 256;
} // namespace

// DS39576B Table 3-4: the panel register 3C0006h lies in configuration space, so EEPGD,
// CFGS and WREN are set before it is written.
void Programmer::SelectPanelMode18(uint32_t mode) {
    IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Eepgd);
    IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Cfgs);
    IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Wren);
    LoadTablePointer(Pic18::PanelWriteMode);
    IcspCommand18(Cmd18::TableWrite, mode);
}

// Sets the target up for a new block: on multi-panel parts single-panel mode, then table
// writes to program memory (EEPGD set, CFGS clear), then the table pointer at the block.
void Programmer::StartBlock18(uint32_t address) {
    if (device_.Programming == KindMultiPanel) {
        SelectPanelMode18(Pic18::SinglePanelWrites);
    }
    IcspCommand18(Cmd18::CoreInstruction, Pic18::BsfEecon1Eepgd);
    IcspCommand18(Cmd18::CoreInstruction, Pic18::BcfEecon1Cfgs);
    LoadTablePointer(address);
}

// Bytes travel in pairs, the even address in the low half of the operand. A byte at an
// odd address is paired with the slot before it; a last byte at an even address (an odd
// number of bytes in use) goes out alone, with the erased value in the high half, so that
// nothing outside the buffer is ever read.
void Programmer::ProgramLocation18(int32_t address, int32_t value, int32_t progUsed) {
    const int32_t size = device_.WBufSize;
    if (size <= 0 || address < 0) {
        return;
    }
    if (wbuf_.size() != static_cast<size_t>(size)) {
        wbuf_.resize(static_cast<size_t>(size), 0);
    }
    const int32_t slot = address % size;
    wbuf_[static_cast<size_t>(slot)] = value;
    if (slot == 0) {
        StartBlock18(static_cast<uint32_t>(address));
    }
    const bool lastOfBlock = slot == size - 1 || address == progUsed - 1;
    const bool odd = address % 2 != 0;
    if (!lastOfBlock && !odd) {
        return; // waits in the buffer for its odd partner
    }
    uint32_t low = static_cast<uint32_t>(value);
    uint32_t high = ErasedByte;
    if (odd) {
        high = static_cast<uint32_t>(value);
        low = slot > 0 ? static_cast<uint32_t>(wbuf_[static_cast<size_t>(slot - 1)]) : ErasedByte;
    }
    const uint32_t operand = low + high * HighByteWeight;
    if (lastOfBlock) {
        IcspCommand18(Cmd18::TableWriteStartProg, operand);
        IcspCommand18(Cmd18::NopProgramHold, Pic18::Nop);
    } else {
        IcspCommand18(Cmd18::TableWritePostInc2, operand);
    }
}
