#pragma once
#include <map>
#include <string>
#include <vector>

// One run of the real pravik-cli binary.
struct CliResult {
    int status = -1; // exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs the binary with the arguments, standard input from `input` (a file, /dev/null by
// default) and pipes for the two outputs. `env` adds to or replaces variables of the
// test's own environment.
CliResult RunCli(const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env = {},
                 const std::string& input = "/dev/null");

// The same in two steps, so that a test can run several at once or signal one.
struct RunningCli {
    int pid = -1;
    int outFd = -1;
    int errFd = -1;
};
RunningCli StartCli(const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& env = {},
                    const std::string& input = "/dev/null");
CliResult FinishCli(RunningCli& running);

// Runs it on a pseudo-terminal, as a user at a shell would; both outputs arrive merged.
CliResult RunCliOnTerminal(const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& env = {});
