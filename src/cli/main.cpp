#include "cli/CliLanguage.h"
#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/RememberedDevice.h"
#include "common/Version.h"

#include <cstdio>
#include <cstdlib>

// pravik-cli: the programmer's operations for scripts and makefiles. Messages go to
// standard error with the window's texts; the exit status says how the command ended.
int main(int argc, char* argv[]) {
    const ParsedCommandLine parsed =
        ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    // Spanish unless --lang, PRAVIK_LANG or the window's chosen language says English.
    const char* environment = std::getenv("PRAVIK_LANG");
    UseLanguage(ChooseLanguage(parsed.options.lang, environment != nullptr ? environment : "",
                               RememberedLanguage()));
    if (!parsed.error.empty()) {
        std::fprintf(
            stderr, "%s",
            Said(Say("main", "pravik-cli: %1\nPruebe 'pravik-cli --help'.\n").Arg(parsed.error))
                .c_str());
        return ExitStatus::Usage;
    }
    if (parsed.options.help) {
        std::fputs(Said(UsageText()).c_str(), stdout);
        return ExitStatus::Ok;
    }
    if (parsed.options.version) {
        std::printf("pravik-cli %s\n", PravikVersion);
        return ExitStatus::Ok;
    }
    return RunCli(parsed.options);
}
