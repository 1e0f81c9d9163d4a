#include "simulator/Pic18Target.h"

namespace Sim {

namespace {
constexpr uint8_t MultiPanelBit = 0x40; // 3C0006h: 40h multi-panel, 00h single-panel
constexpr uint32_t IdBufferKey = 0xFFFFFFFF;
} // namespace

bool Pic18Target::MultiPanel() const {
    return profile_.variant == Pic18Variant::Fxx2xx8 && (panel_ & MultiPanelBit) != 0;
}

// In multi-panel mode each 8 KiB panel fills its own row; otherwise there is one row.
uint32_t Pic18Target::BufferKey(uint32_t address) const {
    if (!MultiPanel()) {
        return 0;
    }
    return address >= IdBase ? IdBufferKey : address / profile_.blockBytes;
}

// Table reads see program memory, IDs, configuration and device ID; the rest reads as 0.
uint8_t Pic18Target::ReadByte(uint32_t address) const {
    if (address < profile_.programBytes) {
        return CodeProtected() ? 0 : static_cast<uint8_t>(Peek(Space::Program, address));
    }
    if (address >= IdBase && address < IdBase + IdBytes) {
        return static_cast<uint8_t>(Peek(Space::Id, address - IdBase));
    }
    if (address >= ConfigBase && address < ConfigBase + ConfigBytes) {
        return static_cast<uint8_t>(Peek(Space::Config, address - ConfigBase));
    }
    if (address >= DeviceIdBase && address < DeviceIdBase + DeviceIdBytes) {
        return static_cast<uint8_t>(Peek(Space::DeviceId, address - DeviceIdBase));
    }
    return 0;
}

uint8_t* Pic18Target::WritableCell(uint32_t address, Space& space, uint32_t& index) {
    if (address < profile_.programBytes) {
        space = Space::Program;
        index = address;
        return &program_[address];
    }
    if (address >= IdBase && address < IdBase + IdBytes) {
        space = Space::Id;
        index = address - IdBase;
        return &ids_[index];
    }
    return nullptr;
}

uint32_t Pic18Target::Size(Space space) const {
    switch (space) {
    case Space::Program:
        return static_cast<uint32_t>(program_.size());
    case Space::Eeprom:
        return static_cast<uint32_t>(eeprom_.size());
    case Space::Id:
        return IdBytes;
    case Space::Config:
        return ConfigBytes;
    case Space::DeviceId:
        return DeviceIdBytes;
    case Space::Calibration:
        return 0; // none on the PIC18 parts
    }
    return 0;
}

uint32_t Pic18Target::ErasedValue(Space space) const {
    return space == Space::DeviceId ? 0x00 : 0xFF;
}

uint32_t Pic18Target::Peek(Space space, uint32_t index) const {
    if (index >= Size(space)) {
        return ErasedValue(space);
    }
    uint8_t value = 0;
    switch (space) {
    case Space::Program:
        value = program_[index];
        break;
    case Space::Eeprom:
        value = eeprom_[index];
        break;
    case Space::Id:
        value = ids_[index];
        break;
    case Space::Config:
        // Unimplemented configuration bits read as 0, whatever was written to them.
        value = config_[index] & configImplemented_[index];
        break;
    case Space::DeviceId:
        value = deviceId_[index];
        break;
    case Space::Calibration:
        break;
    }
    return ApplyStuck(space, index, value) & 0xFF;
}

void Pic18Target::Poke(Space space, uint32_t index, uint32_t value) {
    if (index >= Size(space)) {
        return;
    }
    const auto v = static_cast<uint8_t>(value);
    switch (space) {
    case Space::Program:
        program_[index] = v;
        break;
    case Space::Eeprom:
        eeprom_[index] = v;
        break;
    case Space::Id:
        ids_[index] = v;
        break;
    case Space::Config:
        config_[index] = v;
        break;
    case Space::DeviceId:
        deviceId_[index] = v;
        break;
    case Space::Calibration:
        break;
    }
}

} // namespace Sim
