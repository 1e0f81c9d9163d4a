#include "cli/CliOptions.h"

#include "common/HexText.h"
#include "common/Language.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct CommandShape {
    std::string_view name;
    size_t files;
    std::string_view fileNames; // for the "missing file" message
};

constexpr std::array<CommandShape, 10> kCommands = {{
    {"devices", 0, ""},
    {"info", 0, ""},
    {"detect", 0, ""},
    {"convert", 2, "IN OUT"},
    {"read", 1, "OUT"},
    {"write", 1, "IN"},
    {"verify", 1, "IN"},
    {"blank", 0, ""},
    {"erase", 0, ""},
    {"unprotect", 0, ""},
}};

constexpr size_t kMaxIdentDigits = 16;
constexpr int64_t kRetlwMask = 0x3C00; // RETLW k: 11 01xx kkkk kkkk
constexpr int64_t kRetlw = 0x3400;

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
    bool Fail(const Phrase& message) {
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
    // The language first, so that an error earlier on the line is told in it.
    for (size_t i = 0; i < args_.size() && args_[i] != "--"; ++i) {
        Language language = Language::Spanish;
        if (args_[i] == "--lang" && i + 1 < args_.size() && LanguageNamed(args_[i + 1], language)) {
            out_.options.lang = args_[i + 1];
        } else if (args_[i].rfind("--lang=", 0) == 0 &&
                   LanguageNamed(args_[i].substr(7), language)) {
            out_.options.lang = args_[i].substr(7);
        }
    }
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
    if (!out_.options.help && !out_.options.version) {
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
        return Fail(Say("CliOptions", "la opción %1 necesita un valor").Arg(option));
    }
    value = args_[next_++];
    return true;
}

// Long options map onto the short letters so that both spellings share one code path.
bool Parser::Long(const std::string& word) {
    const size_t eq = word.find('=');
    const std::string name = word.substr(0, eq);
    static const std::array<std::pair<std::string_view, char>, 19> kLong = {{
        {"--osccal", 'O'}, {"--bg", 'B'},      {"--force", 'F'},   {"--empty-socket", 'E'},
        {"--device", 'd'}, {"--ini", 'I'},     {"--adapter", 'A'}, {"--chip", 'C'},
        {"--ident", 'D'},  {"--program", 'p'}, {"--eeprom", 'e'},  {"--config", 'c'},
        {"--id", 'i'},     {"--yes", 'y'},     {"--ignore", 'G'},  {"--quiet", 'q'},
        {"--help", 'h'},   {"--version", 'V'}, {"--lang", 'L'},
    }};
    for (const auto& [longName, letter] : kLong) {
        if (name != longName) {
            continue;
        }
        const bool takesValue = std::string_view("dIACDOBL").find(letter) != std::string_view::npos;
        if (!takesValue) {
            return eq == std::string::npos
                       ? Flag(letter)
                       : Fail(Say("CliOptions", "la opción %1 no admite valor").Arg(name));
        }
        std::string value;
        if (eq != std::string::npos) {
            value = word.substr(eq + 1);
        } else if (!NextWord(name, value)) {
            return false;
        }
        return Value(letter, value);
    }
    return Fail(Say("CliOptions", "opción desconocida %1").Arg(name));
}

bool Parser::Shorts(const std::string& word) {
    for (size_t k = 1; k < word.size(); ++k) {
        const char c = word[k];
        if (c != 'd') {
            // Only the documented letters: the long options' internal letters are not
            // short options.
            if (std::string_view("peciyqh").find(c) == std::string_view::npos) {
                return Fail(Say("CliOptions", "opción desconocida -%1").Arg(std::string(1, c)));
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
    case 'F':
        o.force = true;
        return true;
    case 'E':
        o.emptySocket = true;
        return true;
    case 'q':
        o.quiet = true;
        return true;
    case 'h':
        o.help = true;
        return true;
    case 'V':
        o.version = true;
        return true;
    default:
        return Fail(Say("CliOptions", "opción desconocida -%1").Arg(std::string(1, c)));
    }
}

bool Parser::Value(char c, const std::string& value) {
    CliOptions& o = out_.options;
    if (value.empty()) {
        return Fail(Say("CliOptions", "valor vacío en una opción"));
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
        if (value != "parport" && value != "simulator" && value != "gpio") {
            return Fail(Say("CliOptions", "adaptador desconocido '%1' (parport, gpio o simulator)")
                            .Arg(value));
        }
        o.adapter = value;
        return true;
    case 'L': {
        Language language = Language::Spanish;
        if (!LanguageNamed(value, language)) {
            return Fail(Say("CliOptions", "idioma desconocido '%1' (es o en)").Arg(value));
        }
        o.lang = value;
        return true;
    }
    case 'D': {
        // Four digits on family 16, sixteen (the eight ID bytes) on family 18: the device
        // is not known yet, so the length is checked when the identifier is applied.
        int64_t digits = 0;
        if (value.size() > kMaxIdentDigits ||
            !ParseHex(value.substr(0, std::min<size_t>(value.size(), 8)), digits) ||
            (value.size() > 8 && !ParseHex(value.substr(8), digits))) {
            return Fail(Say("CliOptions", "identificador '%1': de 1 a 16 dígitos hexadecimales")
                            .Arg(value));
        }
        o.ident = value;
        return true;
    }
    case 'O': {
        int64_t word = 0;
        if (value.size() > 4 || !ParseHex(value, word) || (word & kRetlwMask) != kRetlw) {
            return Fail(
                Say("CliOptions", "OSCCAL '%1': una instrucción RETLW, de 3400 a 37FF").Arg(value));
        }
        o.osccal = static_cast<int32_t>(word);
        return true;
    }
    case 'B':
        if (value.size() != 1 || value[0] < '0' || value[0] > '3') {
            return Fail(Say("CliOptions", "bits BG '%1': de 0 a 3").Arg(value));
        }
        o.bandGap = value[0] - '0';
        return true;
    default:
        return Fail(Say("CliOptions", "opción desconocida -%1").Arg(std::string(1, c)));
    }
}

bool Parser::CheckCommand() {
    const CliOptions& o = out_.options;
    if (o.command.empty()) {
        return Fail(Say("CliOptions", "falta la orden"));
    }
    for (const CommandShape& shape : kCommands) {
        if (o.command != shape.name) {
            continue;
        }
        if (o.files.size() < shape.files) {
            return Fail(Say("CliOptions", "%1 necesita %2")
                            .Arg(o.command)
                            .Arg(std::string(shape.fileNames)));
        }
        if (o.files.size() > shape.files) {
            return Fail(Say("CliOptions", "demasiados argumentos para %1").Arg(o.command));
        }
        return true;
    }
    return Fail(Say("CliOptions", "orden desconocida '%1'").Arg(o.command));
}

} // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    return Parser(args).Run();
}

Phrase UsageText() {
    return Say("CliOptions", R"(Uso: pravik-cli [opciones] ORDEN [FICHERO...]
  -d, --device NOMBRE   sección de dispositivo del fichero, o auto: la elige el ID del
                        chip (por defecto auto en detect, read, write y verify; en las
                        demás órdenes, el último usado en la ventana)
      --ini RUTA        fichero de dispositivos (por defecto: $PRAVIK_INI, o el primero que
                        exista de Pravik.ini junto al programa, ~/.config/pravik/Pravik.ini
                        y <prefijo>/share/pravik/Pravik.ini)
      --adapter TIPO    parport | gpio | simulator (por defecto: "adapter" de [Config], o
                        parport); gpio usa el chip GPIO y las líneas de [Config]
      --chip FICHERO    con el simulador (o gpio con gpiochip=simulator): carga el chip
                        simulado de FICHERO si existe y lo guarda al terminar (Intel HEX del
                        chip entero); una sola orden a la vez por fichero
  -p, --program  -e, --eeprom  -c, --config  -i, --id
                        alcance (por defecto: solo la memoria de programa)
      --ident HEX       identificador en lugar del que trae el fichero (familia 16: 4
                        dígitos; familia 18: 16, los ocho bytes de 200000h)
      --empty-socket    con el simulador (o gpio con gpiochip=simulator): zócalo vacío
                        (ningún chip responde)
      --osccal HEX      PIC12F629/675, PIC16F630/676: OSCCAL (RETLW, 3400-37FF) que se
                        escribe en 03FFh en lugar del del chip, para un chip que lo perdió
      --bg N            los bits BG1:BG0 (0-3) de esos chips, en lugar de los del chip
  -y, --yes             responde Sí a las confirmaciones de borrado (sin ella, se niegan)
      --force           sigue aunque el ID del chip no sea el del dispositivo elegido, o
                        aunque el adaptador dé más VPP de la que admite el dispositivo
      --ignore          responde Ignorar a los avisos del lector HEX (por defecto: Abortar)
  -q, --quiet           sin línea de progreso
      --lang IDIOMA     es | en: el idioma de los mensajes y de esta ayuda (por defecto:
                        $PRAVIK_LANG, o el elegido en el menú Idioma de la ventana, o es)
  -h, --help            este texto
      --version         versión del programa
Órdenes:
  devices               nombres de los dispositivos, uno por línea, en el orden del fichero
  info                  ficha del dispositivo elegido, una línea Clave=valor
  detect                lee el ID del chip (con el protocolo de la familia del dispositivo
                        elegido, o sin él con el de la familia 16 y después el de la 18) y
                        nombra los dispositivos del fichero que lo tienen
  convert IN OUT        carga IN y lo guarda como OUT ("-": entrada o salida estándar)
  read OUT              lee el chip y lo guarda como OUT
  write IN              carga IN y lo escribe en el chip
  verify IN             carga IN y verifica el chip contra él
  blank                 comprobación de borrado
  erase                 borra la memoria de programa
  unprotect             quita la protección (borra el chip entero)
Estado de salida: 0 completada, 1 falló una operación o un fichero, 2 error de uso.
)");
}
