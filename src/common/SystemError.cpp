#include "common/SystemError.h"

#include <cerrno>

std::string SystemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "no existe";
    case EISDIR:
        return "es un directorio";
    case ENOTDIR:
        return "una parte de la ruta no es un directorio";
    case EACCES:
    case EPERM:
        return "permiso denegado";
    case EROFS:
        return "el sistema de ficheros es de solo lectura";
    case ENOSPC:
        return "no queda espacio en el disco";
    case EDQUOT:
        return "se ha agotado la cuota de disco";
    case ENAMETOOLONG:
        return "el nombre es demasiado largo";
    case EBUSY:
        return "está ocupado";
    case ENXIO:
    case ENODEV:
        return "el dispositivo no existe";
    case EIO:
        return "error de entrada/salida";
    case EEXIST:
        return "ya existe";
    case ELOOP:
        return "demasiados enlaces simbólicos";
    case EMFILE:
    case ENFILE:
        return "demasiados ficheros abiertos";
    default:
        return "error del sistema " + std::to_string(error);
    }
}
