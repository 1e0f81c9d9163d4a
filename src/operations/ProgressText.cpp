#include "operations/ProgressText.h"

#include "common/HexText.h"

namespace {
// The action and memory words come from Say in the engine; each sentence is whole here.
Phrase Accion(const std::string& action, const std::string& memoryName) {
    const Phrase memory = Phrase::Template("operations", memoryName);
    if (action == "Escribiendo") {
        return Say("operations", "Escribiendo %1 mientras verifica....").Arg(memory);
    }
    if (action == "Leyendo") {
        return Say("operations", "Leyendo %1...").Arg(memory);
    }
    if (action == "Verificando") {
        return Say("operations", "Verificando %1...").Arg(memory);
    }
    if (action == "Comprobando Borrado") {
        return Say("operations", "Comprobando Borrado %1...").Arg(memory);
    }
    return Phrase(action + " " + memoryName + "...");
}
} // namespace

ProgressText FormatProgress(const std::string& action, const std::string& memoryName,
                            int32_t address, int32_t progUsed, int32_t eepromUsed) {
    ProgressText t;
    t.accion = Accion(action, memoryName);
    t.dir = Hex(address, 4);
    t.maxProg = Hex(progUsed, 4);
    t.maxEEProm = Hex(eepromUsed, 4);
    t.pumpEvents = address < 5 || address % 16 == 0;
    return t;
}
