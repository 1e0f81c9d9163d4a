#include "operations/ProgressText.h"

#include "common/HexText.h"

ProgressText FormatProgress(const std::string& action, const std::string& memoryName,
                            int32_t address, int32_t progUsed, int32_t eepromUsed) {
    ProgressText t;
    t.accion = action == "Escribiendo" ? "Escribiendo " + memoryName + " mientras verifica."
                                       : action + " " + memoryName;
    t.accion += "...";
    t.dir = Hex(address, 4);
    t.maxProg = Hex(progUsed, 4);
    t.maxEEProm = Hex(eepromUsed, 4);
    t.pumpEvents = address < 5 || address % 16 == 0;
    return t;
}
