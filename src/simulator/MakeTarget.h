#pragma once
#include "devices/DeviceRecord.h"
#include "simulator/Target.h"

#include <memory>

namespace Sim {

// A fresh (erased) simulated chip for the selected device: a PIC16 target for family 16,
// a PIC18 target for family 18, null for any other family.
std::unique_ptr<Target> MakeTarget(const DeviceRecord& device);

} // namespace Sim
