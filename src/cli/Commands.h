#pragma once
#include "cli/CliOptions.h"

#include <string>

class TerminalMessages;
class ProgressLine;
struct DeviceList;
struct Workbench;

// Runs the parsed command line and returns the exit status.
int RunCli(const CliOptions& options);

// The commands, once the device is selected.
int RunInfo(const Workbench& bench);
int RunConvert(const CliOptions& options, Workbench& bench, TerminalMessages& messages);
// detect: no device was chosen; the chip's device ID selects it (bench holds none yet).
int RunChipCommand(const CliOptions& options, const DeviceList& list, Workbench& bench,
                   TerminalMessages& messages, ProgressLine& progress, bool detect);
