#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "common/Version.h"

#include <cstdio>

// pravik-cli: the programmer's operations for scripts and makefiles. Messages go to
// standard error with the window's texts; the exit status says how the command ended.
int main(int argc, char* argv[]) {
    const ParsedCommandLine parsed =
        ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "pravik-cli: %s\nPruebe 'pravik-cli --help'.\n", parsed.error.c_str());
        return ExitStatus::Usage;
    }
    if (parsed.options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return ExitStatus::Ok;
    }
    if (parsed.options.version) {
        std::printf("pravik-cli %s\n", PravikVersion);
        return ExitStatus::Ok;
    }
    return RunCli(parsed.options);
}
