#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
constexpr int32_t kProgressEvery = 32;
constexpr int32_t kBlock18 = 8;
} // namespace

OperationEngine::PhaseEnd OperationEngine::ProgramPhase(Operation op) {
    if (!Selected().program) {
        return PhaseEnd::Done;
    }
    if (op == opRead) {
        image_.InitHexEditG(device_);
        image_.ProgUsed = device_.ProgMem;
    }
    if (op == opWrite && Part().WritesInUnits()) {
        return FastWriteProgram();
    }
    const int64_t maxValue = device_.Family == 18 ? 0xFF : (int64_t{1} << device_.ProgBits) - 1;
    for (int32_t a = 0; a < image_.ProgUsed; ++a) {
        if (host_.CancelRequested()) {
            if (op == opRead) {
                image_.ProgUsed = a + a % 2;
            }
            return Cancelled();
        }
        int64_t v = ParseCell(image_.HexEditG.At(a));
        if (op != opRead) {
            // A negative value (eight hex digits with the top bit set) is as far out of
            // range as one above the word.
            if (v < 0 || v > maxValue) {
                return FailRange(a);
            }
            // A location that keeps the chip's calibration gets the chip's value.
            v = ExpectedAt(a, v);
            if (op == opWrite) {
                Part().ProgramLocation(p_, a, static_cast<int32_t>(v), image_.ProgUsed);
            }
        }
        if (a % kProgressEvery == 0) {
            Progress(Say("operations", "Programa"), a);
        }
        PhaseEnd end = device_.Family == 18 ? ReadBack18(op, a) : ReadBack16(op, a, v);
        if (end != PhaseEnd::Done) {
            return end;
        }
    }
    return PhaseEnd::Done;
}

OperationEngine::PhaseEnd OperationEngine::FailRange(int32_t a) {
    rangeFailed_ = true;
    return Fail(Say("operations",
                    "Error en los códigos de programa (fuera de rango), dir: %1 fila: %2 col: %3")
                    .Arg(Hex(a, 4))
                    .Arg(Hex(a / 16, 4))
                    .Arg(Hex(a % 16, 2)));
}

// The write in the device's units: every cell is range-checked first (with the message and
// address of a location-by-location write), then each unit goes out in one programming
// cycle. Nothing is read back here: RunOperation verifies every location afterwards, from
// address 0, since the address counter of family 16 parts only counts up.
OperationEngine::PhaseEnd OperationEngine::FastWriteProgram() {
    const int64_t maxValue = device_.Family == 18 ? 0xFF : (int64_t{1} << device_.ProgBits) - 1;
    std::vector<int32_t> values(static_cast<size_t>(image_.ProgUsed));
    for (int32_t a = 0; a < image_.ProgUsed; ++a) {
        const int64_t v = ParseCell(image_.HexEditG.At(a));
        if (v < 0 || v > maxValue) {
            return FailRange(a);
        }
        values[static_cast<size_t>(a)] = static_cast<int32_t>(ExpectedAt(a, v));
    }
    // Progress counts the cells written so far: for units in address order that is the
    // first address of the unit; DS39576 multi-panel cycles write every panel at once.
    int32_t done = 0;
    PartModule& part = Part();
    for (const WriteCycle& cycle : part.PlanWriteCycles(image_.ProgUsed)) {
        if (host_.CancelRequested()) {
            return Cancelled();
        }
        if (done % kProgressEvery == 0 && done < image_.ProgUsed) {
            Progress(Say("operations", "Programa"), done);
        }
        part.ProgramCycle(p_, cycle, values);
        done += static_cast<int32_t>(cycle.addresses.size());
    }
    return PhaseEnd::Done;
}

OperationEngine::PhaseEnd OperationEngine::ReadBack16(Operation op, int32_t a, int64_t v) {
    if (!(op == opWrite && !Part().ReadsBackWhileWriting())) {
        const int32_t d = Cmd16(Cmd16::ReadDataProgram);
        if (op == opRead) {
            image_.HexEditG.SetAt(a, Hex(d, 4));
        } else if (op == opBlankCheck) {
            if (d != ExpectedAt(a, BlankWord())) {
                return Fail(Say("operations", "Error de borrado en %1").Arg(Hex(a, 4)));
            }
        } else if (d != v) {
            return Fail(Say("operations",
                            "Error verificando en %1. Compruebe modo programación y dispositivo.")
                            .Arg(Hex(a, 4)));
        }
    }
    Cmd16(Cmd16::IncrementAddress);
    return PhaseEnd::Done;
}

OperationEngine::PhaseEnd OperationEngine::ReadBack18(Operation op, int32_t a) {
    if (op == opRead || op == opBlankCheck) {
        if (a == 0) {
            Cmd18(Cmd18::CoreInstruction, Pic18::Movlw(0));
            Cmd18(Cmd18::CoreInstruction, Pic18::MovwfTblptru);
            Cmd18(Cmd18::CoreInstruction, Pic18::MovwfTblptrh);
            Cmd18(Cmd18::CoreInstruction, Pic18::MovwfTblptrl);
        }
        const int32_t d = Cmd18(Cmd18::TableReadPostInc);
        if (op == opRead) {
            image_.HexEditG.SetAt(a, Hex(d, 2));
        } else if (d != 0xFF) {
            return Fail(Say("operations", "Error de borrado en %1").Arg(Hex(a, 4)));
        }
        return PhaseEnd::Done;
    }
    if (a % kBlock18 == kBlock18 - 1 || a == image_.ProgUsed - 1) {
        if (!VerifyBlock18(op, a)) {
            return PhaseEnd::Failed;
        }
    }
    return PhaseEnd::Done;
}

bool OperationEngine::VerifyBlock18(Operation op, int32_t a) {
    const int32_t first = a / kBlock18 * kBlock18;
    const int32_t count = a % kBlock18 + 1;
    p_.LoadTablePointer(static_cast<uint32_t>(first));
    for (int32_t k = 0; k < count; ++k) {
        const int32_t d = Cmd18(Cmd18::TableReadPostInc);
        const int64_t e = op == opWrite ? Part().WBuf()[static_cast<size_t>(k)]
                                        : ParseCell(image_.HexEditG.At(first + k));
        if (d != e) {
            host_.Msg().ShowInfo(
                Say("operations", "Escribe: %1   Lee: %2").Arg(Hex(e, 4)).Arg(Hex(d, 4)));
            Fail(Say("operations",
                     "Error verificando en %1. Compruebe modo programación y dispositivo.")
                     .Arg(Hex(first + k, 4)));
            return false;
        }
    }
    return true;
}

// The read-back of a write in units on family 18: one table pointer load at address 0,
// then one post-incrementing table read per byte, instead of a pointer load for every
// 8-byte block (a third of the time of a block verify). A wrong byte is reported with the
// texts and the address of the block verify.
OperationEngine::PhaseEnd OperationEngine::VerifyWrittenProgram18() {
    p_.LoadTablePointer(0);
    for (int32_t a = 0; a < image_.ProgUsed; ++a) {
        if (host_.CancelRequested()) {
            return Cancelled();
        }
        if (a % kProgressEvery == 0) {
            Progress(Say("operations", "Programa"), a);
        }
        const int32_t d = Cmd18(Cmd18::TableReadPostInc);
        const int64_t e = ParseCell(image_.HexEditG.At(a));
        if (d != e) {
            host_.Msg().ShowInfo(
                Say("operations", "Escribe: %1   Lee: %2").Arg(Hex(e, 4)).Arg(Hex(d, 4)));
            return Fail(Say("operations",
                            "Error verificando en %1. Compruebe modo programación y dispositivo.")
                            .Arg(Hex(a, 4)));
        }
    }
    return PhaseEnd::Done;
}
