#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
constexpr int32_t kIdWordBase = 0x3F80; // ID words carry their nibble in bits 0-3
constexpr int kIdWords = 4;
constexpr int kStepsToConfigWord = 3; // from 0x2004 to 0x2007
constexpr int32_t kIdStart18 = 0x200000;
constexpr int kIdBytes18 = 8;
constexpr int32_t kErasedByte18 = 0xFF;

} // namespace

OperationEngine::PhaseEnd OperationEngine::IdConfigPhase(Operation op) {
    const Scope s = Selected();
    if (device_.Family == 18) {
        const PhaseEnd ids = s.ident ? IdPhase18(op) : PhaseEnd::Done;
        return ids == PhaseEnd::Done && s.config ? ConfigPhase18(op) : ids;
    }
    if (!s.ident && !s.config) {
        return PhaseEnd::Done;
    }
    p_.EnterProgMode();
    Cmd16(Cmd16::LoadConfiguration, 0);
    if (s.ident) {
        if (IdPhase16(op) != PhaseEnd::Done) {
            return PhaseEnd::Failed;
        }
    } else {
        for (int i = 0; i < kIdWords; ++i) {
            Cmd16(Cmd16::IncrementAddress);
        }
    }
    for (int i = 0; i < kStepsToConfigWord; ++i) {
        Cmd16(Cmd16::IncrementAddress);
    }
    return s.config ? ConfigPhase16(op) : PhaseEnd::Done;
}

OperationEngine::PhaseEnd OperationEngine::IdPhase16(Operation op) {
    const int32_t id = image_.GetIdent();
    host_.ImageChanged();
    int32_t acc = 0;
    for (int i = 0; i < kIdWords; ++i) {
        const int shift = 4 * i;
        if (op == opWrite) {
            Part().ProgramLocation(p_, i, ((id >> shift) & 0xF) + kIdWordBase, image_.ProgUsed);
        }
        Progress(Say("operations", "Identificador"), i);
        if (!(op == opWrite && !Part().ReadsBackWhileWriting())) {
            const int32_t d = Cmd16(Cmd16::ReadDataProgram);
            acc += (d % 16) << shift;
            const int32_t expected = id % (1 << (shift + 4));
            if (op == opRead) {
                image_.SetIdent(acc);
                host_.ImageChanged();
            } else if (op == opBlankCheck) {
                if (Cmd16(Cmd16::ReadDataProgram) != BlankWord()) {
                    return Fail(Say("operations", "Error de borrado en ID pos %1 %2==%3")
                                    .Arg(Hex(i, 2))
                                    .Arg(Hex(expected, 4))
                                    .Arg(Hex(acc, 4)));
                }
            } else if (expected != acc) {
                return Fail(Say("operations", "Error de verificación de ID pos %1 %2==%3")
                                .Arg(Hex(i, 2))
                                .Arg(Hex(expected, 4))
                                .Arg(Hex(acc, 4)));
            }
        }
        Cmd16(Cmd16::IncrementAddress);
    }
    return PhaseEnd::Done;
}

OperationEngine::PhaseEnd OperationEngine::ConfigPhase16(Operation op) {
    Progress(Say("operations", "Pal_Conf"), -1);
    PhaseEnd end = ConfigWordPhase16(op, 0);
    if (end == PhaseEnd::Done && device_.ConfigWords >= 2) {
        Cmd16(Cmd16::IncrementAddress); // 2007h to the second word at 2008h
        end = ConfigWordPhase16(op, 1);
    }
    return end;
}

// One configuration word where the address counter points: 2007h (word 0) or 2008h.
OperationEngine::PhaseEnd OperationEngine::ConfigWordPhase16(Operation op, size_t word) {
    const bool second = word > 0;
    // The image's word, with whatever the part keeps of the chip's own (calibration bits).
    const int32_t cw =
        Part().ConfigWordFor(word, second ? config16_.Word2 : config16_.GetConfigWord());
    if (op == opWrite) {
        Part().ProgramConfigWord(p_, cw);
    }
    if (op == opWrite && !Part().ReadsBackWhileWriting()) {
        return PhaseEnd::Done;
    }
    const int32_t d = Cmd16(Cmd16::ReadDataProgram);
    if (op == opRead) {
        if (second) {
            config16_.Word2 = d;
        } else {
            config16_.SetConfigWord(d);
        }
        host_.ImageChanged();
    } else if (op == opBlankCheck) {
        if (!ConfigMatches(word, d,
                           Part().ConfigWordFor(word, static_cast<int32_t>(BlankWord())))) {
            return Fail(second
                            ? Say("operations", "Error de borrado de la palabra de configuración 2")
                            : Say("operations", "Error de borrado de la palabra de configuración"));
        }
    } else if (!ConfigMatches(word, d, cw)) {
        return Fail(second ? Say("operations", "Error al verificar palabra de configuración 2.")
                           : Say("operations", "Error al verificar palabra de configuración."));
    }
    return PhaseEnd::Done;
}

// The eight ID bytes at 200000h, written as one write-buffer row (single-panel on the
// DS39576B parts, as ProgramLocation sets it up) and read back with table reads.
OperationEngine::PhaseEnd OperationEngine::IdPhase18(Operation op) {
    p_.EnterProgMode();
    Progress(Say("operations", "Identificador"), 0);
    if (op == opWrite) {
        for (int i = 0; i < kIdBytes18; ++i) {
            Part().ProgramLocation(p_, kIdStart18 + i, image_.IdByte18(i), kIdStart18 + kIdBytes18);
        }
    }
    p_.LoadTablePointer(kIdStart18);
    for (int i = 0; i < kIdBytes18; ++i) {
        const int32_t d = Cmd18(Cmd18::TableReadPostInc);
        const int32_t expected = image_.IdByte18(i);
        if (op == opRead) {
            image_.SetIdByte18(i, d);
        } else if (op == opBlankCheck) {
            if (d != kErasedByte18) {
                return Fail(Say("operations", "Error de borrado en ID pos %1").Arg(Hex(i, 2)));
            }
        } else if (d != expected) {
            return Fail(Say("operations", "Error de verificación de ID pos %1 %2==%3")
                            .Arg(Hex(i, 2))
                            .Arg(Hex(expected, 2))
                            .Arg(Hex(d, 2)));
        }
    }
    if (op == opRead) {
        host_.ImageChanged();
    }
    return PhaseEnd::Done;
}

OperationEngine::PhaseEnd OperationEngine::ConfigPhase18(Operation op) {
    p_.EnterProgMode();
    Progress(Say("operations", "Pal_Conf"), -1);
    if (op == opWrite) {
        std::vector<int64_t> words;
        for (const std::string& field : config18_.EditConf) {
            words.push_back(ParseCell(field));
        }
        Part().WriteConfiguration(p_, words);
    }
    if (op == opRead) {
        p_.PointTableAtConfig18();
        for (size_t n = 0; n < config18_.EditConf.size(); ++n) {
            const int32_t lo = Cmd18(Cmd18::TableReadPostInc);
            const int32_t hi = Cmd18(Cmd18::TableReadPostInc);
            config18_.EditConf[n] = Hex(hi * 256 + lo, 4);
        }
        host_.ImageChanged();
    }
    if ((op == opWrite || op == opVerify) && !CheckConfig18()) {
        return PhaseEnd::Failed;
    }
    // Unimplemented configuration bits read as 0, so a blank check has nothing it could
    // compare them with.
    return PhaseEnd::Done;
}

bool OperationEngine::CheckConfig18() {
    p_.PointTableAtConfig18();
    for (size_t n = 0; n < config18_.EditConf.size(); ++n) {
        const std::string& field = config18_.EditConf[n];
        const int32_t lo = Cmd18(Cmd18::TableReadPostInc);
        const int32_t hi = Cmd18(Cmd18::TableReadPostInc);
        // A field is one word of four digits, CONFIGnH first; a text of any other length
        // or with other characters is no word the chip could hold.
        int64_t expected = 0;
        const bool same = field.size() == 4 && ParseHex(field, expected) &&
                          ConfigMatches(n, hi << 8 | lo, expected);
        if (!same) {
            Fail(Say("operations", "Error de verificación en el reg %1 de configuración.")
                     .Arg(std::to_string(n + 1)));
            return false;
        }
    }
    return true;
}
