#include "cli/CliOptions.h"

#include "common/HexText.h"

#include <array>
#include <string_view>

namespace {

struct CommandShape {
    std::string_view name;
    size_t files;
    std::string_view fileNames; // for the "missing file" message
};

constexpr std::array<CommandShape, 9> kCommands = {{
    {"devices", 0, ""},
    {"info", 0, ""},
    {"convert", 2, "IN OUT"},
    {"read", 1, "OUT"},
    {"write", 1, "IN"},
    {"verify", 1, "IN"},
    {"blank", 0, ""},
    {"erase", 0, ""},
    {"unprotect", 0, ""},
}};

constexpr int32_t kMaxIdent = 0xFFFF;

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}
    ParsedCommandLine Run();

private:
    bool Long(const std::string& word);
    bool Shorts(const std::string& word);
    bool Flag(char c);
    bool Value(char c, const std::string& value);
    // The value of an option whose value is the next word; false when there is none.
    bool NextWord(const std::string& option, std::string& value);
    void Positional(const std::string& word);
    bool CheckCommand();
    void SetScope(bool Scope::*area);
    bool Fail(const std::string& message) {
        if (out_.error.empty()) {
            out_.error = message;
        }
        return false;
    }

    const std::vector<std::string>& args_;
    size_t next_ = 0;
    bool scopeGiven_ = false;
    ParsedCommandLine out_;
};

ParsedCommandLine Parser::Run() {
    bool optionsEnded = false;
    while (next_ < args_.size()) {
        const std::string& word = args_[next_++];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            Positional(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (!(word[1] == '-' ? Long(word) : Shorts(word))) {
            return out_;
        }
    }
    if (!out_.options.help) {
        CheckCommand();
    }
    return out_;
}

void Parser::Positional(const std::string& word) {
    if (out_.options.command.empty()) {
        out_.options.command = word;
    } else {
        out_.options.files.push_back(word);
    }
}

bool Parser::NextWord(const std::string& option, std::string& value) {
    if (next_ >= args_.size()) {
        return Fail("option " + option + " needs a value");
    }
    value = args_[next_++];
    return true;
}

// Long options map onto the short letters so that both spellings share one code path.
bool Parser::Long(const std::string& word) {
    const size_t eq = word.find('=');
    const std::string name = word.substr(0, eq);
    static const std::array<std::pair<std::string_view, char>, 13> kLong = {{
        {"--device", 'd'},
        {"--ini", 'I'},
        {"--adapter", 'A'},
        {"--chip", 'C'},
        {"--ident", 'D'},
        {"--program", 'p'},
        {"--eeprom", 'e'},
        {"--config", 'c'},
        {"--id", 'i'},
        {"--yes", 'y'},
        {"--ignore", 'G'},
        {"--quiet", 'q'},
        {"--help", 'h'},
    }};
    for (const auto& [longName, letter] : kLong) {
        if (name != longName) {
            continue;
        }
        const bool takesValue = std::string_view("dIACD").find(letter) != std::string_view::npos;
        if (!takesValue) {
            return eq == std::string::npos ? Flag(letter)
                                           : Fail("option " + name + " takes no value");
        }
        std::string value;
        if (eq != std::string::npos) {
            value = word.substr(eq + 1);
        } else if (!NextWord(name, value)) {
            return false;
        }
        return Value(letter, value);
    }
    return Fail("unknown option " + name);
}

bool Parser::Shorts(const std::string& word) {
    for (size_t k = 1; k < word.size(); ++k) {
        const char c = word[k];
        if (c != 'd') {
            // Only the documented letters: the long options' internal letters are not
            // short options.
            if (std::string_view("peciyqh").find(c) == std::string_view::npos) {
                return Fail(std::string("unknown option -") + c);
            }
            if (!Flag(c)) {
                return false;
            }
            continue;
        }
        std::string value = word.substr(k + 1);
        if (value.empty() && !NextWord("-d", value)) {
            return false;
        }
        return Value(c, value);
    }
    return true;
}

void Parser::SetScope(bool Scope::*area) {
    if (!scopeGiven_) {
        // The first scope option replaces the default instead of adding to it.
        out_.options.scope = Scope{false, false, false, false};
        scopeGiven_ = true;
    }
    out_.options.scope.*area = true;
}

bool Parser::Flag(char c) {
    CliOptions& o = out_.options;
    switch (c) {
    case 'p':
        SetScope(&Scope::program);
        return true;
    case 'e':
        SetScope(&Scope::eeprom);
        return true;
    case 'c':
        SetScope(&Scope::config);
        return true;
    case 'i':
        SetScope(&Scope::ident);
        return true;
    case 'y':
        o.yes = true;
        return true;
    case 'G':
        o.ignore = true;
        return true;
    case 'q':
        o.quiet = true;
        return true;
    case 'h':
        o.help = true;
        return true;
    default:
        return Fail(std::string("unknown option -") + c);
    }
}

bool Parser::Value(char c, const std::string& value) {
    CliOptions& o = out_.options;
    if (value.empty()) {
        return Fail("empty value for an option");
    }
    switch (c) {
    case 'd':
        o.device = value;
        return true;
    case 'I':
        o.iniPath = value;
        return true;
    case 'C':
        o.chipPath = value;
        return true;
    case 'A':
        if (value != "parport" && value != "simulator") {
            return Fail("unknown adapter '" + value + "' (parport or simulator)");
        }
        o.adapter = value;
        return true;
    case 'D': {
        int64_t ident = 0;
        if (value.size() > 4 || !ParseHex(value, ident) || ident > kMaxIdent) {
            return Fail("identifier '" + value + "' is not 1 to 4 hex digits");
        }
        o.ident = static_cast<int32_t>(ident);
        return true;
    }
    default:
        return Fail(std::string("unknown option -") + c);
    }
}

bool Parser::CheckCommand() {
    const CliOptions& o = out_.options;
    if (o.command.empty()) {
        return Fail("no command given");
    }
    for (const CommandShape& shape : kCommands) {
        if (o.command != shape.name) {
            continue;
        }
        if (o.files.size() < shape.files) {
            return Fail(o.command + " needs " + std::string(shape.fileNames));
        }
        if (o.files.size() > shape.files) {
            return Fail("too many arguments for " + o.command);
        }
        return true;
    }
    return Fail("unknown command '" + o.command + "'");
}

} // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    return Parser(args).Run();
}

std::string UsageText() {
    return R"(Usage: pravik-cli [options] COMMAND [FILE...]
  -d, --device NAME     device section of the device file (default: the remembered device)
      --ini PATH        device file (default: Pravik.ini beside the executable)
      --adapter KIND    parport | simulator (default: "adapter" of [Config], else parport)
      --chip FILE       with the simulator: load the simulated chip from FILE if it exists
                        and save it back after the command (Intel HEX of the whole chip)
  -p, --program  -e, --eeprom  -c, --config  -i, --id
                        scope (default: program memory only)
      --ident HEX       identifier to use instead of the one from the file
  -y, --yes             answer Yes to the erase confirmations (without it they refuse)
      --ignore          answer Ignore to the HEX reader's warnings (default: Abort)
  -q, --quiet           no progress output
  -h, --help            this text
Commands:
  devices               list the device names, one a line, in file order
  info                  the selected device's record, one Key=value a line
  convert IN OUT        load IN and save it as OUT (family 16)
  read OUT              read the chip and save it as OUT (family 16)
  write IN              load IN and write it to the chip
  verify IN             load IN and verify the chip against it
  blank                 blank check
  erase                 erase program memory
  unprotect             remove code protection (erases the whole chip)
Exit status: 0 completed, 1 an operation or a file failed, 2 usage error.
)";
}
