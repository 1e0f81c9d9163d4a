#include "programmer/PortAccess.h"

#include "common/HexText.h"

namespace {

std::string Address(uint16_t portBase) {
    return "0x" + Hex(portBase, 3);
}

Phrase WhatToDo(const PortAccess& a) {
    switch (a.fault) {
    case PortFault::NoParportDriver:
        return Say(
            "programmer",
            "El núcleo no tiene cargados los módulos del puerto paralelo (no existe "
            "/proc/sys/dev/parport). Cárguelos con «sudo modprobe -a parport_pc ppdev»; "
            "para que se carguen en cada arranque, añada parport_pc y ppdev a /etc/modules.");
    case PortFault::NoPortAtAddress:
        return Say("programmer",
                   "El núcleo no conoce ningún puerto paralelo en la dirección %1 (véase "
                   "/proc/sys/dev/parport). Compruebe el valor «port» de la sección [Config] del "
                   "fichero de dispositivos.")
            .Arg(Address(a.portBase));
    case PortFault::NoDeviceNode:
        return Say("programmer",
                   "No existe %1: el módulo ppdev del núcleo no está cargado. Cárguelo con «sudo "
                   "modprobe ppdev»; para que se cargue en cada arranque, añada ppdev a "
                   "/etc/modules.")
            .Arg(a.device);
    case PortFault::PermissionDenied:
        return Say("programmer",
                   "Su usuario no tiene permiso para abrir %1. Añádalo al grupo %2 («sudo usermod "
                   "-aG %2 $USER») y vuelva a iniciar la sesión, o dé acceso al puerto con una "
                   "regla de udev, por ejemplo en /etc/udev/rules.d/60-pravik.rules: "
                   "KERNEL==\"parport[0-9]*\", GROUP=\"%2\", MODE=\"0660\".")
            .Arg(a.device)
            .Arg(a.group);
    case PortFault::Unusable: {
        const Phrase port = a.device.empty() ? Address(a.portBase) : a.device;
        return a.detail.empty()
                   ? Say("programmer", "No se puede usar %1.").Arg(port)
                   : Say("programmer", "No se puede usar %1: %2.").Arg(port).Arg(a.detail);
    }
    case PortFault::None:
    case PortFault::Busy:
        break;
    }
    return "";
}

} // namespace

Phrase PortAccessMessage(const PortAccess& a) {
    if (a.fault == PortFault::None) {
        return "";
    }
    if (a.fault == PortFault::Busy) {
        const Phrase port = a.device.empty() ? Say("programmer", "en %1").Arg(Address(a.portBase))
                                             : Phrase(a.device);
        return a.detail.empty()
                   ? Say("programmer", "El puerto paralelo %1 está ocupado: lo está usando otro "
                                       "programa. Espere a que termine, o cierre ese programa, y "
                                       "vuelva a intentarlo.")
                         .Arg(port)
                   : Say("programmer", "El puerto paralelo %1 está ocupado: lo está usando otro "
                                       "programa (%2). Espere a que termine, o cierre ese "
                                       "programa, y vuelva a intentarlo.")
                         .Arg(port)
                         .Arg(a.detail);
    }
    // Without a programmer the program can still be tried, on the simulated adapter.
    return Phrase::Joined({PortDriverMessage, "\n", WhatToDo(a), "\n",
                           Say("programmer", "Para probar el programa sin programador, use el "
                                             "adaptador simulado: «pravik --adapter simulator» o "
                                             "«pravik-cli --adapter simulator».")});
}
