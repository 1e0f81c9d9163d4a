#include "workbench/DeviceSelection.h"

#include "common/HexText.h"
#include "devices/DeviceFile.h"
#include "devices/IniFile.h"

SelectionResult SelectDevice(const std::string& name, const std::string& iniPath,
                             SelectionTargets t) {
    SelectionResult result;
    IniFile ini = IniFile::Load(iniPath);
    DeviceSection section = ReadDeviceSection(ini, name);
    const int32_t family = section.family;
    if (family != 16 && family != 18) {
        result.error = Say("workbench", "Familia %1 no reconocida").Arg(FamilyText(name));
        return result;
    }
    if (!section.error.empty()) {
        result.error = section.error;
        return result;
    }
    result.accepted = true;
    t.settings.Write("Config", "lastpic", name);

    t.record = section.record;
    t.record.DeviceName = name;
    t.record.Family = family;
    t.record.WBufSize = DeviceDefaults::WBufSize;

    if (family == 18) {
        t.config18.SetDefaultWords(section.palConfDef18);
    }
    // A family 18 device's seven-word text does not convert as one integer and gives the
    // default word, so the family 16 model always ends up in a defined state.
    t.config16.SetConfigWord(section.palConfDef16);
    t.config16.PalEdit2 = Hex(section.palConfDef16, 4);
    t.config16.SetBitNames(section.palConf);
    const bool word2 = family == 16 && section.palConfDef2 >= 0;
    t.record.ConfigWords = word2 ? 2 : 1;
    t.config16.HasWord2 = word2;
    t.config16.Word2 = word2 ? section.palConfDef2 : 0x3FFF;
    t.config16.Word2Default = Hex(t.config16.Word2, 4);
    t.config16.SetBitNames2(section.palConf2);

    if (t.record.EEProm > 0) {
        t.image.InitDatosEditG(t.record);
        result.dataGridReset = true;
    }
    t.image.InitHexEditG(t.record);
    t.image.FitIdentToFamily(family);
    return result;
}
