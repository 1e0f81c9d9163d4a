#include "image/HexFiles.h"

#include "image/HexWriter.h"

#include <filesystem>

namespace {
constexpr int32_t kBlankIdent = 0xFFFF;
} // namespace

bool OpenHexFile(const std::string& path, std::ifstream& in) {
    // A directory opens as a stream on Linux and then reads nothing: refuse it here.
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) {
        in.open(path, std::ios::binary);
    }
    return in.is_open();
}

void LoadHexImage(std::istream& in, HexLoadTargets targets) {
    targets.image.InitHexEditG(targets.device);
    targets.image.InitDatosEditG(targets.device);
    targets.image.SetIdent(kBlankIdent);
    ReadHexRecords(in, std::move(targets));
}

std::string SaveHexImage(const std::string& path, const DeviceRecord& device, MemoryImage& image,
                         const ConfigWord16& config16, const ConfigWords18& config18) {
    HexImage hex = device.Family == 18
                       ? BuildHexLines18(device, image, config18.EditConf)
                       : BuildHexLines(device, image, config16.GetConfigWord(),
                                       config16.HasWord2 ? std::optional<int32_t>(config16.Word2)
                                                         : std::nullopt);
    if (!hex.error.empty()) {
        return hex.error;
    }
    if (!WriteHexFileAtomically(path, hex.lines)) {
        return "No se puede crear el fichero.";
    }
    return "";
}
