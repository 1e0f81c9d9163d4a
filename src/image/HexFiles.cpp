#include "image/HexFiles.h"

#include "common/SystemError.h"
#include "image/HexWriter.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int32_t kBlankIdent = 0xFFFF;

HexImage BuildImageLines(const DeviceRecord& device, MemoryImage& image,
                         const ConfigWord16& config16, const ConfigWords18& config18) {
    if (device.Family == 18) {
        return BuildHexLines18(device, image, config18.EditConf);
    }
    const std::optional<int32_t> word2 =
        config16.HasWord2 ? std::optional<int32_t>(config16.Word2) : std::nullopt;
    return BuildHexLines(device, image, config16.GetConfigWord(), word2);
}
} // namespace

bool OpenHexFile(const std::string& path, std::ifstream& in) {
    // A directory opens as a stream on Linux and then reads nothing: refuse it here.
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) {
        in.open(path, std::ios::binary);
    }
    return in.is_open();
}

Phrase HexReadFailure(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return SystemErrorText(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return SystemErrorText(EISDIR);
    }
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return SystemErrorText(errno);
    }
    ::close(fd);
    return "";
}

Phrase HexCreateFailure(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        return SystemErrorText(EISDIR);
    }
    // The writer puts a temporary file beside the target and renames it: try exactly that.
    const size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string probe = dir + (slash == std::string::npos ? "/" : "") + ".pravik-probe.XXXXXX";
    const int fd = mkstemp(probe.data());
    if (fd < 0) {
        return errno == ENOENT ? Say("image", "la carpeta no existe") : SystemErrorText(errno);
    }
    ::close(fd);
    std::remove(probe.c_str());
    return "";
}

void LoadHexImage(std::istream& in, HexLoadTargets targets) {
    targets.image.InitHexEditG(targets.device);
    targets.image.InitDatosEditG(targets.device);
    targets.image.SetIdent(kBlankIdent);
    ReadHexRecords(in, std::move(targets));
}

Phrase SaveHexImage(const std::string& path, const DeviceRecord& device, MemoryImage& image,
                    const ConfigWord16& config16, const ConfigWords18& config18) {
    HexImage hex = BuildImageLines(device, image, config16, config18);
    if (!hex.error.empty()) {
        return hex.error;
    }
    if (!WriteHexFileAtomically(path, hex.lines)) {
        return HexUncreatableMessage();
    }
    return "";
}

bool SaveHexImage(std::ostream& out, const DeviceRecord& device, MemoryImage& image,
                  const ConfigWord16& config16, const ConfigWords18& config18, Phrase& error) {
    HexImage hex = BuildImageLines(device, image, config16, config18);
    if (!hex.error.empty()) {
        error = hex.error;
        return false;
    }
    for (const std::string& line : hex.lines) {
        out << line << "\r\n";
    }
    out.flush();
    if (!out) {
        error = HexUncreatableMessage();
        return false;
    }
    return true;
}
