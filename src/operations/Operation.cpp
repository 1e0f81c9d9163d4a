#include "operations/Operation.h"

std::string ActionText(Operation op) {
    switch (op) {
    case opRead:
        return "Leyendo";
    case opWrite:
        return "Escribiendo";
    case opVerify:
        return "Verificando";
    case opBlankCheck:
        return "Comprobando Borrado";
    }
    return "";
}
