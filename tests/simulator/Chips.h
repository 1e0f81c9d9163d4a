#pragma once
#include "Wire.h"
#include "devices/DeviceRecord.h"
#include "programmer/VirtualDelay.h"
#include "simulator/AdapterLines.h"
#include "simulator/MakeTarget.h"
#include "simulator/Pic16Target.h"
#include "simulator/Pic18Target.h"
#include "simulator/SimulatedPort.h"

#include <memory>
#include <string>

// Device records for the chips the tests plug in, with the sizes of the device file.
inline DeviceRecord Device(const std::string& name, int32_t family, int32_t progMem, int32_t eeprom,
                           const std::string& programming) {
    DeviceRecord d;
    d.DeviceName = name;
    d.Family = family;
    d.ProgMem = progMem;
    d.EEProm = eeprom;
    d.ProgBits = family == 16 ? 14 : 16;
    d.Programming = programming;
    d.WBufSize = 8;
    return d;
}

inline DeviceRecord F84A() {
    return Device("PIC16F84A", 16, 1024, 64, "Flash");
}
inline DeviceRecord F628A() {
    return Device("PIC16F628A", 16, 2048, 128, "Flash");
}
inline DeviceRecord F877() {
    return Device("PIC16F877", 16, 8192, 256, "Flash");
}
inline DeviceRecord F876A() {
    return Device("PIC16F876A", 16, 8192, 256, "Flash2");
}
inline DeviceRecord F74() {
    return Device("PIC16F74", 16, 4096, 0, "Flash1");
}
inline DeviceRecord C74B() {
    return Device("PIC16C74B", 16, 4096, 0, "OTP");
}
// Parts of the three flash documents; the algorithm name is one the simulator does not use
// to choose them (the part's name does).
inline DeviceRecord F675() { // DS41191D
    return Device("PIC12F675", 12, 1024, 128, "Flash");
}
inline DeviceRecord F635() { // DS41204G, calibration words at 2008h and 2009h
    return Device("PIC12F635", 12, 1024, 128, "Flash");
}
inline DeviceRecord F690() { // DS41204G
    return Device("PIC16F690", 16, 4096, 256, "Flash");
}
inline DeviceRecord F883() { // DS41287C, 4 latches
    return Device("PIC16F883", 16, 4096, 256, "Flash");
}
inline DeviceRecord F887() { // DS41287C, 8 latches
    return Device("PIC16F887", 16, 8192, 256, "Flash");
}
inline DeviceRecord F452() {
    return Device("PIC18F452", 18, 32768, 256, "18fxx2xx8");
}
inline DeviceRecord F2520() {
    return Device("PIC18F2520", 18, 32768, 256, "18f2xx0");
}

// A chip in a simulated adapter, with the wire to drive it.
template <typename Chip> struct Bench {
    explicit Bench(const DeviceRecord& device)
        : port(delay, std::make_unique<Chip>(device)), wire(port, delay),
          chip(static_cast<Chip&>(*port.Chip())) {}

    VirtualDelay delay;
    Sim::SimulatedPort port;
    Wire wire;
    Chip& chip;
};

// Codes from the mid-range programming documents (bits 5..0).
namespace Cmd16 {
inline constexpr int LoadConfiguration = 0x00;
inline constexpr int Setup1 = 0x01;
inline constexpr int LoadProgram = 0x02;
inline constexpr int LoadData = 0x03;
inline constexpr int ReadProgram = 0x04;
inline constexpr int ReadData = 0x05;
inline constexpr int Increment = 0x06;
inline constexpr int Setup2 = 0x07;
inline constexpr int BeginEraseProgram = 0x08;
inline constexpr int BulkEraseProgram = 0x09;
inline constexpr int EndProgrammingFlash = 0x0A; // DS41191D, DS41204G, DS41287C
inline constexpr int BulkEraseData = 0x0B;
inline constexpr int EndProgramming = 0x0E;
inline constexpr int EndProgramming87XA = 0x17;
inline constexpr int BeginProgramOnly = 0x18;
inline constexpr int RowErase = 0x11; // DS41204G, DS41287C
inline constexpr int ChipErase = 0x1F;
} // namespace Cmd16

// PIC18 4-bit commands and core instruction words.
namespace Cmd18 {
inline constexpr int ShiftOutTablat = 0x2;
inline constexpr int TableRead = 0x8;
inline constexpr int TableReadPostInc = 0x9;
inline constexpr int TableReadPostDec = 0xA;
inline constexpr int TableReadPreInc = 0xB;
inline constexpr int TableWrite = 0xC;
inline constexpr int TableWritePostInc2 = 0xD;
inline constexpr int TableWriteStartPostInc2 = 0xE;
inline constexpr int TableWriteStart = 0xF;
inline constexpr uint16_t BsfEepgd = 0x8EA6;
inline constexpr uint16_t BsfCfgs = 0x8CA6;
inline constexpr uint16_t BcfCfgs = 0x9CA6;
inline constexpr uint16_t BsfWren = 0x84A6;
} // namespace Cmd18
