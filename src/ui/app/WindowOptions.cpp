#include "ui/app/WindowOptions.h"

#include "common/Language.h"

namespace {

// The value of an option written "--name VALUE" or "--name=VALUE"; false when the word is
// not that option. A missing value is reported in options.error.
bool TakeValue(const std::string& name, const std::vector<std::string>& args, size_t& i,
               std::string& value, WindowOptions& options) {
    const std::string& word = args[i];
    if (word.rfind(name + "=", 0) == 0) {
        value = word.substr(name.size() + 1);
    } else if (word == name) {
        if (i + 1 >= args.size()) {
            options.error = Say("WindowOptions", "la opción %1 necesita un valor").Arg(name);
            return true;
        }
        value = args[++i];
    } else {
        return false;
    }
    if (value.empty()) {
        options.error = Say("WindowOptions", "la opción %1 necesita un valor").Arg(name);
    }
    return true;
}

} // namespace

WindowOptions ParseWindowOptions(const std::vector<std::string>& args) {
    WindowOptions o;
    // The language first, so that an error earlier on the line is told in it.
    for (size_t i = 0; i < args.size(); ++i) {
        Language language = Language::Spanish;
        if (args[i] == "--lang" && i + 1 < args.size() && LanguageNamed(args[i + 1], language)) {
            o.lang = args[i + 1];
        } else if (args[i].rfind("--lang=", 0) == 0 && LanguageNamed(args[i].substr(7), language)) {
            o.lang = args[i].substr(7);
        }
    }
    for (size_t i = 0; i < args.size() && o.error.empty(); ++i) {
        const std::string& word = args[i];
        if (TakeValue("--adapter", args, i, o.adapter, o)) {
            if (o.error.empty() && o.adapter != "parport" && o.adapter != "simulator" &&
                o.adapter != "gpio") {
                o.error =
                    Say("WindowOptions", "adaptador desconocido '%1' (parport, gpio o simulator)")
                        .Arg(o.adapter);
            }
        } else if (TakeValue("--chip", args, i, o.chipFile, o)) {
        } else if (TakeValue("--lang", args, i, o.lang, o)) {
            Language language = Language::Spanish;
            if (o.error.empty() && !LanguageNamed(o.lang, language)) {
                o.error = Say("WindowOptions", "idioma desconocido '%1' (es o en)").Arg(o.lang);
            }
        } else if (word == "--help" || word == "-h") {
            o.help = true;
        } else if (word == "--version") {
            o.version = true;
        } else {
            o.error = Say("WindowOptions", "opción desconocida %1").Arg(word);
        }
    }
    if (o.error.empty() && !o.chipFile.empty() && o.adapter != "simulator" && o.adapter != "gpio") {
        o.error = Say("WindowOptions",
                      "--chip necesita --adapter simulator (o gpio con gpiochip=simulator)");
    }
    return o;
}

Phrase WindowUsageText() {
    return Say("WindowOptions", R"(Uso: pravik [opciones]
      --adapter TIPO    parport | gpio | simulator (por defecto: "adapter" de [Config]
                        del fichero de dispositivos, o parport); simulator programa chips
                        simulados, para probar el programa sin programador
      --chip FICHERO    con el simulador (o gpio con gpiochip=simulator): el chip del zócalo es el de FICHERO (se crea si
                        no existe) y se guarda en él después de cada orden
      --lang IDIOMA     es | en: el idioma del programa (por defecto: PRAVIK_LANG, o
                        el elegido en el menú Idioma, o es)
  -h, --help            este texto
      --version         versión del programa
)");
}
