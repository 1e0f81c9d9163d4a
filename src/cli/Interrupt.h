#pragma once

// Ctrl-C during a command. While a catcher lives, the first Ctrl-C only asks the running
// operation to stop at its next location (which leaves the chip out of programming mode)
// and the command to end with "Acción interrumpida."; the handler then resets itself, so
// a second Ctrl-C ends the program at once. It lives for the whole command, the saving of
// the chip and output files included, so a Ctrl-C after the last location can neither
// kill a completed command before its files are saved nor be taken for an interruption.
class InterruptCatcher {
public:
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;
};

// A Ctrl-C arrived since the catcher was made.
bool InterruptRequested();
