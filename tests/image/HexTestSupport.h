#pragma once
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceRecord.h"
#include "image/HexReader.h"
#include "image/MemoryImage.h"
#include "support/ScriptedMessages.h"

#include <sstream>
#include <string>

// A device, its image and configuration models, and a scripted message box, ready for a
// HEX load the way the window does one (tables reset, identifier FFFF).
struct HexBench {
    DeviceRecord device;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    ScriptedMessages messages;

    static HexBench Family16(int progMem = 8192, int eeprom = 256) {
        HexBench b;
        b.device.DeviceName = "PIC16F876A";
        b.device.Family = 16;
        b.device.ProgMem = progMem;
        b.device.EEProm = eeprom;
        b.device.ProgBits = 14;
        b.device.ConfigStart = 0x2000;
        b.device.EEPromStart = 0x2100;
        return b;
    }
    static HexBench Family18(int progMem = 32768) {
        HexBench b;
        b.device.DeviceName = "PIC18F452";
        b.device.Family = 18;
        b.device.ProgMem = progMem;
        b.device.EEProm = 256;
        b.device.ProgBits = 16;
        b.device.ConfigStart = 0x300000;
        b.device.EEPromStart = 0xF00000;
        return b;
    }

    void Load(std::istream& in) {
        image.InitHexEditG(device);
        image.InitDatosEditG(device);
        image.SetIdent(0xFFFF);
        ReadHexRecords(in, HexLoadTargets{device, image, config16, config18, messages, {}});
    }
    void Load(const std::string& text) {
        std::istringstream in(text);
        Load(in);
    }
};
