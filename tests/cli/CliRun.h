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

// Runs the binary with the arguments, standard input from /dev/null and pipes for the
// two outputs. `env` adds to or replaces variables of the test's own environment.
CliResult RunCli(const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env = {});

// Runs it on a pseudo-terminal, as a user at a shell would; both outputs arrive merged.
CliResult RunCliOnTerminal(const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& env = {});
