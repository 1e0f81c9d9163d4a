// Feeds arbitrary bytes to the device-file reader as a device file, lists its devices and
// selects each of them into fresh models, as the "Dispositivo" menu would. Checks that a
// selection either refuses and changes nothing, or leaves the record within its bounds,
// blank grids of the record's sizes, and an image that saves as well-formed records and,
// where the device's memories do not overlap, loads back the same.
#include "FuzzSupport.h"

#include "common/HexText.h"
#include "common/SettingsStore.h"
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceFile.h"
#include "devices/IniFile.h"
#include "image/HexReader.h"
#include "image/HexWriter.h"
#include "image/MemoryImage.h"
#include "workbench/DeviceSelection.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// Selection reads the device file afresh from its path, so the input goes to a file.
const std::string& DevicePath() {
    static const std::string path = "/tmp/pravik-fuzz-device-" + std::to_string(getpid()) + ".ini";
    return path;
}

// Selecting is costly for the largest memories; a handful of devices per input is enough
// to reach every path.
constexpr size_t kMaxSelections = 6;
// Saving and reloading costs more than everything else together: it is checked for the
// first family 16 device of an input that is small enough, which still reaches records
// past the first 64 KiB.
constexpr int32_t kMaxSavedCells = 70000;

struct Models {
    DeviceRecord record;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    MemorySettingsStore settings;
};

// Word addresses [start, start + count) lie where a HEX file can hold them.
bool Placeable(int64_t start, int64_t count) {
    return start >= 0 && 2 * (start + count) - 1 <= 0xFFFFFFFF;
}

bool Overlap(int64_t a, int64_t aCount, int64_t b, int64_t bCount) {
    return aCount > 0 && bCount > 0 && a < b + bCount && b < a + aCount;
}

// Marks the first and last cells of both memories and the identifier, saves, and loads the
// file back into a fresh image of the same device. The save succeeds exactly when every
// area can be addressed; the load gives back every mark when the areas do not overlap.
void CheckSaveAndReload(Models& m) {
    const DeviceRecord& r = m.record;
    const int64_t maxWord = (int64_t{1} << r.ProgBits) - 1;
    if (r.ProgMem > 0) {
        m.image.HexEditG.SetAt(0, Hex(0x1234 & maxWord, 4));
        m.image.HexEditG.SetAt(r.ProgMem - 1, Hex(0x0ABC & maxWord, 4));
    }
    if (r.EEProm > 0) {
        m.image.DatosEditG.SetAt(0, "5A");
        m.image.DatosEditG.SetAt(r.EEProm - 1, "C3");
    }
    m.image.SetIdent(0x9876);
    const int32_t config = 0x2A55;
    const HexImage file = BuildHexLines(r, m.image, config);
    const bool placeable = Placeable(r.ConfigStart, 8) && Placeable(r.EEPromStart, r.EEProm);
    FUZZ_CHECK(file.error.empty() == placeable, "a save fails exactly when it cannot be placed");
    FUZZ_CHECK(file.error.empty() != file.lines.empty(), "a refused save produces no line");
    std::string text;
    for (const std::string& line : file.lines) {
        FUZZ_CHECK(WellFormedRecord(line), "the writer produces well-formed records");
        text += line + "\r\n";
    }
    const bool disjoint = !Overlap(0, r.ProgMem, r.ConfigStart, 8) &&
                          !Overlap(0, r.ProgMem, r.EEPromStart, r.EEProm) &&
                          !Overlap(r.ConfigStart, 8, r.EEPromStart, r.EEProm);
    if (!placeable || !disjoint) {
        return;
    }
    MemoryImage again;
    again.InitHexEditG(r);
    again.InitDatosEditG(r);
    ConfigWord16 config16;
    ConfigWords18 config18;
    FuzzMessages quiet;
    std::istringstream in(text);
    ReadHexRecords(in, HexLoadTargets{r, again, config16, config18, quiet, {}});
    FUZZ_CHECK(quiet.count == 0, "a saved file loads without messages");
    for (int32_t a : {int32_t{0}, r.ProgMem - 1}) {
        FUZZ_CHECK(again.HexEditG.At(a) == m.image.HexEditG.At(a), "program mark survives");
    }
    for (int32_t a : {int32_t{0}, r.EEProm - 1}) {
        FUZZ_CHECK(again.DatosEditG.At(a) == m.image.DatosEditG.At(a), "data mark survives");
    }
    FUZZ_CHECK(again.GetIdent() == 0x9876, "identifier survives");
    FUZZ_CHECK(config16.GetConfigWord() == config, "configuration word survives");
}

void CheckRefused(const SelectionResult& result, Models& m, const std::string& name) {
    FUZZ_CHECK(result.error == "Familia " + FamilyText(name) + " no reconocida",
               "refusal names the family");
    FUZZ_CHECK(m.record.DeviceName.empty() && m.record.ProgMem == 0, "refusal keeps the record");
    FUZZ_CHECK(m.settings.Read("Config", "lastpic", "-") == "-", "refusal keeps lastpic");
    FUZZ_CHECK(m.image.HexEditG.Size() == 0, "refusal keeps the grid");
}

void CheckSelected(const SelectionResult& result, Models& m, const std::string& name,
                   bool& saveChecked) {
    const DeviceRecord& r = m.record;
    FUZZ_CHECK(r.DeviceName == name, "record names the device");
    FUZZ_CHECK(r.Family == 16 || r.Family == 18, "family 16 or 18");
    FUZZ_CHECK(r.ProgMem >= 0 && r.ProgMem <= DeviceDefaults::MaxMemory, "ProgMem bounded");
    FUZZ_CHECK(r.EEProm >= 0 && r.EEProm <= DeviceDefaults::MaxMemory, "EEProm bounded");
    FUZZ_CHECK(r.ProgBits >= 1 && r.ProgBits <= 16, "ProgBits bounded");
    FUZZ_CHECK(r.WBufSize == DeviceDefaults::WBufSize, "write buffer reset");
    FUZZ_CHECK(m.settings.Read("Config", "lastpic", "") == name, "lastpic stored");
    FUZZ_CHECK(result.dataGridReset == (r.EEProm > 0), "data grid reset exactly with EEPROM");
    FUZZ_CHECK(m.image.HexEditG.Size() == r.ProgMem && m.image.ProgUsed == 0,
               "program grid of the device's size, unused");
    if (r.EEProm > 0) {
        FUZZ_CHECK(m.image.DatosEditG.Size() == r.EEProm && m.image.EEPromUsed == 0,
                   "data grid of the device's size, unused");
    }
    const std::string blank = MemoryImage::BlankProgramText(r);
    FUZZ_CHECK(m.image.HexEditG.At(0) == (r.ProgMem > 0 ? blank : ""), "first cell blank");
    FUZZ_CHECK(m.image.HexEditG.At(r.ProgMem - 1) == (r.ProgMem > 0 ? blank : ""),
               "last cell blank");
    FUZZ_CHECK(m.image.HexEditG.At(r.ProgMem).empty(), "no cell past the size");

    if (!saveChecked && r.Family == 16 && r.ProgMem + r.EEProm <= kMaxSavedCells) {
        saveChecked = true;
        CheckSaveAndReload(m);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = DevicePath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const IniFile ini = IniFile::Load(path);
    const DeviceList list = ReadDeviceList(ini);
    size_t selections = 0;
    bool saveChecked = false;
    for (const DeviceEntry& entry : list.devices) {
        FUZZ_CHECK(entry.name.compare(0, 3, "PIC") == 0, "only PIC sections are listed");
        if (++selections > kMaxSelections) {
            break;
        }
        Models m;
        SelectionResult result =
            SelectDevice(entry.name, path,
                         SelectionTargets{m.record, m.image, m.config16, m.config18, m.settings});
        if (result.accepted) {
            CheckSelected(result, m, entry.name, saveChecked);
        } else {
            CheckRefused(result, m, entry.name);
        }
    }
    return 0;
}
