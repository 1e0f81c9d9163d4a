#pragma once

// Ctrl-C during a command. Once caught, the first Ctrl-C only asks the running operation to
// stop at its next location (which leaves the chip out of programming mode) and the command
// to end with "Acción interrumpida."; the handler then resets itself, so a second Ctrl-C
// ends the program at once. It is caught from the start of the command to the exit of the
// program, the saving of the chip and output files included, so a Ctrl-C after the last
// location can neither kill a completed command before its files are saved nor be taken
// for an interruption.
void CatchInterrupts();

// A Ctrl-C arrived since CatchInterrupts.
bool InterruptRequested();
