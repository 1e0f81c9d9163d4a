#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalMessages.h"
#include "cli/Workbench.h"
#include "common/HexText.h"

#include <cstdio>
#include <string>

int RunInfo(const Workbench& bench) {
    const DeviceRecord& d = bench.device;
    // Addresses in the device file's own hexadecimal form, so a line can be pasted back.
    std::printf("DeviceName=%s\n", d.DeviceName.c_str());
    std::printf("Family=%d\n", d.Family);
    std::printf("ProgMem=%d\n", d.ProgMem);
    std::printf("EEProm=%d\n", d.EEProm);
    std::printf("ProgBits=%d\n", d.ProgBits);
    std::printf("RAM=%d\n", d.RAM);
    std::printf("ConfigStart=0x%s\n", Hex(d.ConfigStart, 4).c_str());
    std::printf("EEPromStart=0x%s\n", Hex(d.EEPromStart, 4).c_str());
    std::printf("Programming=%s\n", d.Programming.c_str());
    if (!d.Algorithm.empty()) {
        std::printf("Algoritmo=%s\n", d.Algorithm.c_str());
    }
    std::printf("WBufSize=%d\n", d.WBufSize);
    if (d.ConfigWords > 1) {
        std::printf("ConfigWords=%d\n", d.ConfigWords);
    }
    if (d.DeviceId >= 0) {
        std::printf("DeviceID=0x%s\n", Hex(d.DeviceId, 4).c_str());
        std::printf("DeviceIDMask=0x%s\n", Hex(d.DeviceIdMask, 4).c_str());
    }
    if (!d.ConfigMasks.empty()) {
        std::string masks;
        for (uint32_t m : d.ConfigMasks) {
            masks += (masks.empty() ? "$" : " $") + Hex(m, 4);
        }
        std::printf("PalConfMask=%s\n", masks.c_str());
    }
    return ExitStatus::Ok;
}

int RunConvert(const CliOptions& o, Workbench& bench, TerminalMessages& messages) {
    if (!LoadHex(bench, o.files[0], messages)) {
        return ExitStatus::Failed;
    }
    if (o.ident && !ApplyIdent(bench, *o.ident, messages)) {
        return ExitStatus::Usage;
    }
    return SaveHex(bench, o.files[1], messages) ? ExitStatus::Ok : ExitStatus::Failed;
}
