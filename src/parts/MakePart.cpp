#include "parts/Documents.h"

#include "devices/Algorithms.h"

#include <map>
#include <string>

std::unique_ptr<PartModule> MakePart(const DeviceRecord& device) {
    using Factory = std::unique_ptr<PartModule> (*)(const DeviceRecord&);
    static const std::map<std::string, Factory> modules = {
        {"DS30262", MakeDs30262}, {"DS30034", MakeDs30034}, {"DS41196", MakeDs41196},
        {"DS39025", MakeDs39025}, {"DS30324", MakeDs30324}, {"DS39589", MakeDs39589},
        {"DS39607", MakeDs39607}, {"DS30228", MakeDs30228}, {"DS39576", MakeDs39576},
        {"DS39622", MakeDs39622}, {"DS41191", MakeDs41191}, {"DS41204", MakeDs41204},
        {"DS41287", MakeDs41287},
    };
    // A record made without the device file (tests, tools) names no document: its kind
    // and name choose, as the device file would have.
    const std::string name =
        device.Algorithm.empty()
            ? FallbackAlgorithm(device.Programming, device.DeviceName, device.Family)
            : device.Algorithm;
    const auto it = modules.find(name);
    return it != modules.end() ? it->second(device) : MakeUnknownKind(device);
}
