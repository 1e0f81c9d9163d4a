#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
constexpr int32_t kErasedByte = 0xFF;
} // namespace

OperationEngine::PhaseEnd OperationEngine::EepromPhase(Operation op) {
    // Every part with data EEPROM has it read and written, each byte the way its document
    // says (family 16 through the data-memory commands, family 18 through its EEPROM
    // registers). EPROM parts have none.
    PartModule& part = Part();
    if (!Selected().eeprom || device_.EEProm <= 0 || !part.HasDataEeprom()) {
        return PhaseEnd::Done;
    }
    p_.EnterProgMode();
    if (op == opRead) {
        image_.InitDatosEditG(device_);
        image_.EEPromUsed = device_.EEProm;
    }
    for (int32_t a = 0; a < image_.EEPromUsed; ++a) {
        if (host_.CancelRequested()) {
            return Cancelled();
        }
        Progress(Say("operations", "EEPROM"), a);
        const int64_t v = ParseCell(image_.DatosEditG.At(a));
        if (op != opRead) {
            if (v < 0 || v > 0xFF) {
                return Fail(
                    Say("operations",
                        "Error en los códigos de datos (fuera de rango), dir: %1 fila: %2 col: %3")
                        .Arg(Hex(a, 4))
                        .Arg(Hex(a / 16, 4))
                        .Arg(Hex(a % 16, 2)));
            }
            if (op == opWrite) {
                part.WriteDataByte(p_, a, static_cast<int32_t>(v));
            }
        }
        const int32_t d = part.ReadDataByte(p_, a);
        if (op == opRead) {
            image_.DatosEditG.SetAt(a, Hex(d, 2));
        } else if (op == opBlankCheck) {
            // Blank means erased, whatever the image holds.
            if (d != kErasedByte) {
                return Fail(Say("operations", "Error de borrado en %1").Arg(Hex(a, 4)));
            }
        } else if (d != v) {
            return Fail(Say("operations", "Error de verificación en dir: %1").Arg(Hex(a, 4)));
        }
        part.NextDataByte(p_);
    }
    return PhaseEnd::Done;
}
