#pragma once
#include "common/Phrase.h"

#include <cstdint>
#include <string>

// The texts of the progress window for one update.
struct ProgressText {
    Phrase accion;         // "Escribiendo Programa mientras verifica...." or "Leyendo Programa..."
    std::string dir;       // address, at least 4 hex digits (FFFFFFFF for -1)
    std::string maxProg;   // ProgUsed, 4 hex digits
    std::string maxEEProm; // EEPromUsed, 4 hex digits
    bool pumpEvents = false; // whether this update should let the window process events
};

ProgressText FormatProgress(const std::string& action, const std::string& memoryName,
                            int32_t address, int32_t progUsed, int32_t eepromUsed);
