#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
// Data-memory write cycles, maximum: DS30262E 8 ms, DS30034D Tprog 8 ms, DS41196G TDPROG
// 6 ms, DS39025F 8 ms; the 10 ms they always had cover them.
constexpr uint32_t kEepromWriteMs = 10;
// DS39589B: a data-memory Begin Erase/Programming cycle is internally timed, at most 8 ms.
constexpr uint32_t kFlash2EepromWriteMs = 8;
constexpr int32_t kErasedByte = 0xFF;
} // namespace

OperationEngine::PhaseEnd OperationEngine::EepromPhase(Operation op) {
    // Every part with data EEPROM has it read and written: family 16 through the
    // data-memory commands, family 18 through its EEPROM registers. EPROM parts have none.
    if (!Selected().eeprom || device_.EEProm <= 0 || Kind("OTP")) {
        return PhaseEnd::Done;
    }
    const bool family18 = device_.Family == 18;
    p_.EnterProgMode();
    if (op == opRead) {
        image_.InitDatosEditG(device_);
        image_.EEPromUsed = device_.EEProm;
    }
    for (int32_t a = 0; a < image_.EEPromUsed; ++a) {
        if (host_.CancelRequested()) {
            return Cancelled();
        }
        Progress("EEPROM", a);
        const int64_t v = ParseCell(image_.DatosEditG.At(a));
        if (op != opRead) {
            if (v < 0 || v > 0xFF) {
                return Fail("Error en los códigos de datos (fuera de rango), dir: " + Hex(a, 4) +
                            " fila: " + Hex(a / 16, 4) + " col: " + Hex(a % 16, 2));
            }
            if (op == opWrite && family18) {
                WriteEeprom18(a, static_cast<int32_t>(v));
            } else if (op == opWrite) {
                Cmd16(Cmd16::LoadDataData, static_cast<uint32_t>(v));
                Cmd16(Cmd16::BeginEraseProgram);
                SleepMs(Kind("Flash2") ? kFlash2EepromWriteMs : kEepromWriteMs);
            }
        }
        const int32_t d = family18 ? ReadEeprom18(a) : Cmd16(Cmd16::ReadDataData) % 256;
        if (op == opRead) {
            image_.DatosEditG.SetAt(a, Hex(d, 2));
        } else if (op == opBlankCheck) {
            // Blank means erased, whatever the image holds.
            if (d != kErasedByte) {
                return Fail("Error de borrado en " + Hex(a, 4));
            }
        } else if (d != v) {
            return Fail("Error de verificación en dir: " + Hex(a, 4));
        }
        if (!family18) {
            Cmd16(Cmd16::IncrementAddress);
        }
    }
    return PhaseEnd::Done;
}
