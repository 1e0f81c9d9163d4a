#include "common/SystemError.h"

#include <cerrno>

Phrase SystemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return Say("common", "no existe");
    case EISDIR:
        return Say("common", "es un directorio");
    case ENOTDIR:
        return Say("common", "una parte de la ruta no es un directorio");
    case EACCES:
    case EPERM:
        return Say("common", "permiso denegado");
    case EROFS:
        return Say("common", "el sistema de ficheros es de solo lectura");
    case ENOSPC:
        return Say("common", "no queda espacio en el disco");
    case EDQUOT:
        return Say("common", "se ha agotado la cuota de disco");
    case ENAMETOOLONG:
        return Say("common", "el nombre es demasiado largo");
    case EBUSY:
        return Say("common", "está ocupado");
    case ENXIO:
    case ENODEV:
        return Say("common", "el dispositivo no existe");
    case EIO:
        return Say("common", "error de entrada/salida");
    case EEXIST:
        return Say("common", "ya existe");
    case ELOOP:
        return Say("common", "demasiados enlaces simbólicos");
    case EMFILE:
    case ENFILE:
        return Say("common", "demasiados ficheros abiertos");
    default:
        return Say("common", "error del sistema %1").Arg(std::to_string(error));
    }
}
