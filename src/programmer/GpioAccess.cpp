#include "programmer/GpioAccess.h"

#include "programmer/PortAccess.h"

namespace {

const std::string Keys = "gpiochip, gpio_pgc, gpio_pgd, gpio_pgd_in, gpio_vpp, gpio_vdd, gpio_idle";

std::string Chip(const GpioAccess& a) {
    return a.label.empty() ? a.chip : a.chip + " (" + a.label + ")";
}

std::string Key(const std::string& key) {
    return "la clave " + key + " de la sección [Config] del fichero de dispositivos";
}

std::string WhatToDo(const GpioAccess& a) {
    switch (a.fault) {
    case GpioFault::UnknownKey:
        return "El adaptador GPIO no tiene " + Key(a.key) + ". Sus claves son " + Keys + ".";
    case GpioFault::BadValue:
        if (a.key == "gpiochip") {
            return "El valor «" + a.value + "» de " + Key(a.key) +
                   " no es válido: escriba el nombre del chip GPIO (gpiochip0), su ruta "
                   "(/dev/gpiochip0) o su etiqueta (pinctrl-bcm2711).";
        }
        return "El valor «" + a.value + "» de " + Key(a.key) +
               " no es válido: escriba el número de la línea GPIO (23) o su nombre en el "
               "núcleo (GPIO23), con «!» delante si el adaptador invierte la señal, o none "
               "si el adaptador no tiene esa línea.";
    case GpioFault::MissingLine:
        return "Según " + Key(a.key) +
               " el adaptador no tiene esa línea, pero el adaptador GPIO la necesita: "
               "gpio_pgc, gpio_pgd y gpio_vpp deben nombrar una línea GPIO.";
    case GpioFault::NoChip:
        return "No existe el chip GPIO " + a.chip + " (clave gpiochip de la sección [Config]). " +
               (a.detail.empty() ? "Este sistema no tiene ningún chip GPIO (/dev/gpiochip*)."
                                 : "Chips GPIO de este sistema: " + a.detail + ".");
    case GpioFault::NotAChip:
        return a.chip + " no es un chip GPIO" + (a.detail.empty() ? "" : " (" + a.detail + ")") +
               ": compruebe la clave gpiochip de la sección [Config].";
    case GpioFault::PermissionDenied:
        return "Su usuario no tiene permiso para abrir " + a.chip + ". Añádalo al grupo " +
               a.group + " («sudo usermod -aG " + a.group + " $USER») y vuelva a iniciar la " +
               "sesión.";
    case GpioFault::LineOutOfRange:
        return "La línea " + a.value + " de " + Key(a.key) + " no existe: el chip " + Chip(a) +
               (a.lines == 0 ? " no tiene líneas."
                             : " tiene las líneas 0 a " + std::to_string(a.lines - 1) + ".");
    case GpioFault::UnknownLineName:
        return "Ninguna línea del chip " + Chip(a) + " se llama «" + a.value + "» (" + Key(a.key) +
               ").";
    case GpioFault::SameLineTwice:
        return "Las claves " + a.otherKey + " y " + a.key +
               " de la sección [Config] nombran la misma línea " + a.value + " del chip " +
               Chip(a) + ": cada señal del adaptador necesita su propia línea.";
    case GpioFault::Unusable:
        return "No se pueden usar las líneas GPIO del chip " + Chip(a) +
               (a.detail.empty() ? "" : ": " + a.detail) + ".";
    case GpioFault::None:
    case GpioFault::Busy:
        break;
    }
    return "";
}

} // namespace

std::string GpioAccessMessage(const GpioAccess& a) {
    if (a.fault == GpioFault::None) {
        return "";
    }
    if (a.fault == GpioFault::Busy && a.key.empty()) {
        return "Las líneas GPIO del adaptador en el chip " + Chip(a) +
               " están ocupadas: las está usando otro programa. Espere a que termine, o "
               "cierre ese programa, y vuelva a intentarlo.";
    }
    if (a.fault == GpioFault::Busy) {
        return "Las líneas GPIO del adaptador están ocupadas: la línea " + a.value + " (" + a.key +
               ") del chip " + Chip(a) + " la está usando otro programa" +
               (a.detail.empty() ? "" : " (" + a.detail + ")") +
               ". Espere a que termine, o cierre ese programa, y vuelva a intentarlo.";
    }
    return PortDriverMessage + "\n" + WhatToDo(a);
}
