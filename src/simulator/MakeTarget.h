#pragma once
#include "devices/DeviceRecord.h"
#include "simulator/Target.h"

#include <memory>

namespace Sim {

// A fresh (erased) simulated chip for the selected device, with its factory calibration: a
// PIC16 target for family 16 and for the PIC12F parts of the mid-range flash documents
// (DS41191D, DS41204G), a PIC18 target for family 18, null for anything else.
std::unique_ptr<Target> MakeTarget(const DeviceRecord& device);

} // namespace Sim
