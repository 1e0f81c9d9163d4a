#pragma once
#include <string>

class TerminalMessages;

// One pravik-cli at a time on a simulated chip file: the chip is read at the start of a
// command and written back at its end, so two commands on one file at once would each
// start from the same chip and the last would silently win. The lock is a file beside the
// chip file ("<chip>.lock"), locked with flock(2) for the whole command and removed when
// the lock is given back; a second command says that the chip file is in use and waits.
// A command that dies leaves the lock file unlocked, which the next one takes over.
class ChipFileLock {
public:
    ChipFileLock() = default;
    ~ChipFileLock();
    ChipFileLock(const ChipFileLock&) = delete;
    ChipFileLock& operator=(const ChipFileLock&) = delete;

    // Takes the lock of chipPath, waiting for another command that holds it. False, with a
    // note, when the lock file cannot be made.
    bool Acquire(const std::string& chipPath, TerminalMessages& messages);

private:
    std::string lockPath_;
    int fd_ = -1;
};
