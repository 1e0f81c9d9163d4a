#include "image/HexWriter.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kLines{":020000000100FD", ":00000001FF"};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

size_t EntriesIn(const std::string& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) {
        ++n;
    }
    return n;
}

// Saves as the unprivileged user "nobody": root writes into any directory whatever its
// mode. Returns what WriteHexFileAtomically returned, or -1 when the child could not run.
int SaveAsNobody(const std::string& path) {
    const passwd* nobody = getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(gid) != 0 || setuid(uid) != 0) {
            _exit(2);
        }
        _exit(WriteHexFileAtomically(path, kLines) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) {
        return -1;
    }
    return WEXITSTATUS(status);
}

} // namespace

// A save into a directory the user may not write fails, reports the failure, and leaves
// the file already there untouched and no temporary file behind.
TEST(HexSaveFailure, ReadOnlyDirectoryKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.Write("prog.hex", "the user's old program\r\n");
    chmod(path.c_str(), 0644);
    chmod(dir.Path().c_str(), 0555);
    const int saved = geteuid() == 0 ? SaveAsNobody(path) : WriteHexFileAtomically(path, kLines);
    chmod(dir.Path().c_str(), 0755);
    ASSERT_NE(saved, -1) << "could not switch to an unprivileged user";
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(Contents(path), "the user's old program\r\n");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

// A directory that cannot exist because a regular file has its name: refused for root
// too, and the file in the way is not touched.
TEST(HexSaveFailure, ParentThatIsARegularFileIsRefused) {
    TempDir dir;
    const std::string blocker = dir.Write("notes.txt", "keep me");
    EXPECT_FALSE(WriteHexFileAtomically(blocker + "/prog.hex", kLines));
    EXPECT_EQ(Contents(blocker), "keep me");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}
