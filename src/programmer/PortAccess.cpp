#include "programmer/PortAccess.h"

#include "common/HexText.h"

namespace {

std::string Address(uint16_t portBase) {
    return "0x" + Hex(portBase, 3);
}

std::string WhatToDo(const PortAccess& a) {
    switch (a.fault) {
    case PortFault::NoParportDriver:
        return "El núcleo no tiene cargados los módulos del puerto paralelo (no existe "
               "/proc/sys/dev/parport). Cárguelos con «sudo modprobe -a parport_pc ppdev»; "
               "para que se carguen en cada arranque, añada parport_pc y ppdev a /etc/modules.";
    case PortFault::NoPortAtAddress:
        return "El núcleo no conoce ningún puerto paralelo en la dirección " + Address(a.portBase) +
               " (véase /proc/sys/dev/parport). Compruebe el valor «port» de la sección "
               "[Config] del fichero de dispositivos.";
    case PortFault::NoDeviceNode:
        return "No existe " + a.device +
               ": el módulo ppdev del núcleo no está cargado. Cárguelo con «sudo modprobe "
               "ppdev»; para que se cargue en cada arranque, añada ppdev a /etc/modules.";
    case PortFault::PermissionDenied:
        return "Su usuario no tiene permiso para abrir " + a.device + ". Añádalo al grupo " +
               a.group + " («sudo usermod -aG " + a.group + " $USER») y vuelva a iniciar la " +
               "sesión, o dé acceso al puerto con una regla de udev, por ejemplo en " +
               "/etc/udev/rules.d/60-pravik.rules: KERNEL==\"parport[0-9]*\", GROUP=\"" + a.group +
               "\", MODE=\"0660\".";
    case PortFault::Unusable:
        return "No se puede usar " + (a.device.empty() ? Address(a.portBase) : a.device) +
               (a.detail.empty() ? "" : ": " + a.detail) + ".";
    case PortFault::None:
    case PortFault::Busy:
        break;
    }
    return "";
}

} // namespace

std::string PortAccessMessage(const PortAccess& a) {
    if (a.fault == PortFault::None) {
        return "";
    }
    if (a.fault == PortFault::Busy) {
        const std::string port = a.device.empty() ? "en " + Address(a.portBase) : a.device;
        return "El puerto paralelo " + port + " está ocupado: lo está usando otro programa" +
               (a.detail.empty() ? "" : " (" + a.detail + ")") +
               ". Espere a que termine, o cierre ese programa, y vuelva a intentarlo.";
    }
    // Without a programmer the program can still be tried, on the simulated adapter.
    return PortDriverMessage + "\n" + WhatToDo(a) +
           "\nPara probar el programa sin programador, use el adaptador simulado: «pravik "
           "--adapter simulator» o «pravik-cli --adapter simulator».";
}
