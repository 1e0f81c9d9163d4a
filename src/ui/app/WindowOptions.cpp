#include "ui/app/WindowOptions.h"

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
            options.error = "la opción " + name + " necesita un valor";
            return true;
        }
        value = args[++i];
    } else {
        return false;
    }
    if (value.empty()) {
        options.error = "la opción " + name + " necesita un valor";
    }
    return true;
}

} // namespace

WindowOptions ParseWindowOptions(const std::vector<std::string>& args) {
    WindowOptions o;
    for (size_t i = 0; i < args.size() && o.error.empty(); ++i) {
        const std::string& word = args[i];
        if (TakeValue("--adapter", args, i, o.adapter, o)) {
            if (o.error.empty() && o.adapter != "parport" && o.adapter != "simulator" &&
                o.adapter != "gpio") {
                o.error = "adaptador desconocido '" + o.adapter + "' (parport, gpio o simulator)";
            }
        } else if (TakeValue("--chip", args, i, o.chipFile, o)) {
        } else if (word == "--help" || word == "-h") {
            o.help = true;
        } else if (word == "--version") {
            o.version = true;
        } else {
            o.error = "opción desconocida " + word;
        }
    }
    if (o.error.empty() && !o.chipFile.empty() && o.adapter != "simulator" &&
        o.adapter != "gpio") {
        o.error = "--chip necesita --adapter simulator (o gpio con gpiochip=simulator)";
    }
    return o;
}

std::string WindowUsageText() {
    return R"(Uso: pravik [opciones]
      --adapter TIPO    parport | gpio | simulator (por defecto: "adapter" de [Config]
                        del fichero de dispositivos, o parport); simulator programa chips
                        simulados, para probar el programa sin programador
      --chip FICHERO    con el simulador (o gpio con gpiochip=simulator): el chip del zócalo es el de FICHERO (se crea si
                        no existe) y se guarda en él después de cada orden
  -h, --help            este texto
      --version         versión del programa
)";
}
