#include "cli/ChipFileLock.h"

#include "cli/Interrupt.h"
#include "cli/TerminalMessages.h"
#include "common/SystemError.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The locked descriptor still names the lock file: another command may have removed it
// (and made a new one) between our open and our lock.
bool StillTheLockFile(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

bool ChipFileLock::Acquire(const std::string& chipPath, TerminalMessages& messages) {
    lockPath_ = chipPath + ".lock";
    bool told = false;
    for (;;) {
        fd_ = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            messages.Note(Say("ChipFileLock", "fichero de chip %1: no se puede crear %2: %3")
                              .Arg(chipPath)
                              .Arg(lockPath_)
                              .Arg(SystemErrorText(errno)));
            return false;
        }
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (!told) {
                messages.Note(Say("ChipFileLock",
                                  "el fichero de chip %1 está en uso por otra orden "
                                  "de pravik-cli: esperando a que termine")
                                  .Arg(chipPath));
                told = true;
            }
            // Ctrl-C while waiting gives up: nothing has been touched yet.
            while (::flock(fd_, LOCK_EX) != 0) {
                if (errno != EINTR || InterruptRequested()) {
                    ::close(fd_);
                    fd_ = -1;
                    messages.ShowInfo(Say("operations", "Acción interrumpida."));
                    return false;
                }
            }
        }
        if (StillTheLockFile(fd_, lockPath_)) {
            return true;
        }
        ::close(fd_);
        fd_ = -1;
    }
}

ChipFileLock::~ChipFileLock() {
    if (fd_ >= 0) {
        // Removed while still locked, so a waiting command finds it gone and opens anew.
        ::unlink(lockPath_.c_str());
        ::close(fd_);
    }
}
