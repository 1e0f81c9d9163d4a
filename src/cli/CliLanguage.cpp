#include "cli/CliLanguage.h"

#include <QTranslator>

namespace {

// Set once by UseLanguage before any text is shown, read by every Said after it.
QTranslator* English() {
    static QTranslator translator;
    return &translator;
}

bool& Translating() {
    static bool translating = false;
    return translating;
}

} // namespace

void UseLanguage(Language language) {
    Translating() = language == Language::English && English()->load(":/i18n/pravik_en.qm");
}

std::string Said(const Phrase& phrase) {
    if (!Translating()) {
        return phrase.Spanish();
    }
    return phrase.Render([](const char* context, const std::string& source) {
        const QString text = English()->translate(context, source.c_str());
        return text.isEmpty() ? source : text.toStdString();
    });
}
