#pragma once
#include "parts/PartModule.h"

#include <memory>

// The modules, one per programming document (the files of the same names).
std::unique_ptr<PartModule> MakeDs30262(const DeviceRecord& device); // PIC16F84A
std::unique_ptr<PartModule> MakeDs30034(const DeviceRecord& device); // PIC16F627/628
std::unique_ptr<PartModule> MakeDs41196(const DeviceRecord& device); // PIC16F627A/628A/648A
std::unique_ptr<PartModule> MakeDs39025(const DeviceRecord& device); // PIC16F870-877
std::unique_ptr<PartModule> MakeDs30324(const DeviceRecord& device); // PIC16F73-77
std::unique_ptr<PartModule> MakeDs39589(const DeviceRecord& device); // PIC16F873A-877A
std::unique_ptr<PartModule> MakeDs39607(const DeviceRecord& device); // PIC16F87/88
std::unique_ptr<PartModule> MakeDs30228(const DeviceRecord& device); // PIC16C EPROM parts
std::unique_ptr<PartModule> MakeDs39576(const DeviceRecord& device); // PIC18FXX2/XX8
std::unique_ptr<PartModule> MakeDs39622(const DeviceRecord& device); // PIC18F2XXX/4XXX
std::unique_ptr<PartModule> MakeDs41191(const DeviceRecord& device); // PIC12F629/675, 16F630/676
std::unique_ptr<PartModule> MakeDs41204(const DeviceRecord& device); // PIC12F683, 16F684-690
std::unique_ptr<PartModule> MakeDs41287(const DeviceRecord& device); // PIC16F882-887
// A "Programming" kind the program does not know, of either family: the sequences it
// always got (see UnknownKind.cpp).
std::unique_ptr<PartModule> MakeUnknownKind(const DeviceRecord& device);
