#include "operations/Operation.h"

#include "common/Phrase.h"

std::string ActionText(Operation op) {
    switch (op) {
    case opRead:
        return Say("operations", "Leyendo");
    case opWrite:
        return Say("operations", "Escribiendo");
    case opVerify:
        return Say("operations", "Verificando");
    case opBlankCheck:
        return Say("operations", "Comprobando Borrado");
    }
    return "";
}
