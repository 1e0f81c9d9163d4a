#pragma once
#include "common/Phrase.h"

// What the system said about a file or device, in the user's words (Spanish, lower case,
// no final stop): "no existe", "es un directorio", "permiso denegado"... An error number
// the program does not name gives its number.
Phrase SystemErrorText(int error);
