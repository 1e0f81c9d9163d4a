#pragma once
#include <cstdint>
#include <string>

// What an operation does with the selected memories.
enum Operation : uint8_t {
    opRead = 0,       // device into the image
    opWrite = 1,      // image into the device, checking as it goes
    opVerify = 2,     // device compared with the image
    opBlankCheck = 4, // device compared with the blank value
};

// The action line's verb: "Leyendo", "Escribiendo", "Verificando", "Comprobando Borrado".
std::string ActionText(Operation op);

// The memories an operation covers: the scope check boxes of the main window.
struct Scope {
    bool program = true;
    bool eeprom = false;
    bool config = false;
    bool ident = false;
};
