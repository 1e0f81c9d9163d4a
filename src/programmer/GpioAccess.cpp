#include "programmer/GpioAccess.h"

#include "programmer/PortAccess.h"

namespace {

const std::string Keys = "gpiochip, gpio_pgc, gpio_pgd, gpio_pgd_in, gpio_vpp, gpio_vdd, gpio_idle";

std::string Chip(const GpioAccess& a) {
    return a.label.empty() ? a.chip : a.chip + " (" + a.label + ")";
}

Phrase Key(const std::string& key) {
    return Say("programmer", "la clave %1 de la sección [Config] del fichero de dispositivos")
        .Arg(key);
}

Phrase WhatToDo(const GpioAccess& a) {
    switch (a.fault) {
    case GpioFault::UnknownKey:
        return Say("programmer", "El adaptador GPIO no tiene %1. Sus claves son %2.")
            .Arg(Key(a.key))
            .Arg(Keys);
    case GpioFault::BadValue:
        if (a.key == "gpiochip") {
            return Say("programmer", "El valor «%1» de %2 no es válido: escriba el nombre del chip "
                                     "GPIO (gpiochip0), su ruta (/dev/gpiochip0) o su etiqueta "
                                     "(pinctrl-bcm2711).")
                .Arg(a.value)
                .Arg(Key(a.key));
        }
        return Say("programmer", "El valor «%1» de %2 no es válido: escriba el número de la línea "
                                 "GPIO (23) o su nombre en el núcleo (GPIO23), con «!» delante si "
                                 "el adaptador invierte la señal, o none si el adaptador no tiene "
                                 "esa línea.")
            .Arg(a.value)
            .Arg(Key(a.key));
    case GpioFault::MissingLine:
        return Say("programmer", "Según %1 el adaptador no tiene esa línea, pero el adaptador GPIO "
                                 "la necesita: gpio_pgc, gpio_pgd y gpio_vpp deben nombrar una "
                                 "línea GPIO.")
            .Arg(Key(a.key));
    case GpioFault::NoChip:
        return a.detail.empty()
                   ? Say("programmer", "No existe el chip GPIO %1 (clave gpiochip de la sección "
                                       "[Config]). Este sistema no tiene ningún chip GPIO "
                                       "(/dev/gpiochip*).")
                         .Arg(a.chip)
                   : Say("programmer", "No existe el chip GPIO %1 (clave gpiochip de la sección "
                                       "[Config]). Chips GPIO de este sistema: %2.")
                         .Arg(a.chip)
                         .Arg(a.detail);
    case GpioFault::NotAChip:
        return a.detail.empty()
                   ? Say("programmer", "%1 no es un chip GPIO: compruebe la clave gpiochip de la "
                                       "sección [Config].")
                         .Arg(a.chip)
                   : Say("programmer", "%1 no es un chip GPIO (%2): compruebe la clave gpiochip "
                                       "de la sección [Config].")
                         .Arg(a.chip)
                         .Arg(a.detail);
    case GpioFault::PermissionDenied:
        return Say("programmer", "Su usuario no tiene permiso para abrir %1. Añádalo al grupo %2 "
                                 "(«sudo usermod -aG %2 $USER») y vuelva a iniciar la sesión.")
            .Arg(a.chip)
            .Arg(a.group);
    case GpioFault::LineOutOfRange:
        return a.lines == 0
                   ? Say("programmer", "La línea %1 de %2 no existe: el chip %3 no tiene líneas.")
                         .Arg(a.value)
                         .Arg(Key(a.key))
                         .Arg(Chip(a))
                   : Say("programmer",
                         "La línea %1 de %2 no existe: el chip %3 tiene las líneas 0 a %4.")
                         .Arg(a.value)
                         .Arg(Key(a.key))
                         .Arg(Chip(a))
                         .Arg(std::to_string(a.lines - 1));
    case GpioFault::UnknownLineName:
        return Say("programmer", "Ninguna línea del chip %1 se llama «%2» (%3).")
            .Arg(Chip(a))
            .Arg(a.value)
            .Arg(Key(a.key));
    case GpioFault::SameLineTwice:
        return Say("programmer", "Las claves %1 y %2 de la sección [Config] nombran la misma "
                                 "línea %3 del chip %4: cada señal del adaptador necesita su "
                                 "propia línea.")
            .Arg(a.otherKey)
            .Arg(a.key)
            .Arg(a.value)
            .Arg(Chip(a));
    case GpioFault::Unusable:
        return a.detail.empty()
                   ? Say("programmer", "No se pueden usar las líneas GPIO del chip %1.")
                         .Arg(Chip(a))
                   : Say("programmer", "No se pueden usar las líneas GPIO del chip %1: %2.")
                         .Arg(Chip(a))
                         .Arg(a.detail);
    case GpioFault::None:
    case GpioFault::Busy:
        break;
    }
    return "";
}

} // namespace

Phrase GpioAccessMessage(const GpioAccess& a) {
    if (a.fault == GpioFault::None) {
        return "";
    }
    if (a.fault == GpioFault::Busy && a.key.empty()) {
        return Say("programmer", "Las líneas GPIO del adaptador en el chip %1 están ocupadas: las "
                                 "está usando otro programa. Espere a que termine, o cierre ese "
                                 "programa, y vuelva a intentarlo.")
            .Arg(Chip(a));
    }
    if (a.fault == GpioFault::Busy) {
        return a.detail.empty()
                   ? Say("programmer", "Las líneas GPIO del adaptador están ocupadas: la línea %1 "
                                       "(%2) del chip %3 la está usando otro programa. Espere a "
                                       "que termine, o cierre ese programa, y vuelva a intentarlo.")
                         .Arg(a.value)
                         .Arg(a.key)
                         .Arg(Chip(a))
                   : Say("programmer", "Las líneas GPIO del adaptador están ocupadas: la línea %1 "
                                       "(%2) del chip %3 la está usando otro programa (%4). "
                                       "Espere a que termine, o cierre ese programa, y vuelva a "
                                       "intentarlo.")
                         .Arg(a.value)
                         .Arg(a.key)
                         .Arg(Chip(a))
                         .Arg(a.detail);
    }
    return Phrase::Joined({PortDriverMessage, "\n", WhatToDo(a)});
}
