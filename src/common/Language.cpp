#include "common/Language.h"

#include "common/Text.h"

bool LanguageNamed(const std::string& code, Language& language) {
    if (EqualsIgnoringCase(code, "es")) {
        language = Language::Spanish;
        return true;
    }
    if (EqualsIgnoringCase(code, "en")) {
        language = Language::English;
        return true;
    }
    return false;
}

std::string LanguageCode(Language language) {
    return language == Language::English ? "en" : "es";
}

Language ChooseLanguage(const std::string& commandLine, const std::string& environment,
                        const std::string& remembered) {
    Language language = Language::Spanish;
    for (const std::string* choice : {&commandLine, &environment, &remembered}) {
        if (LanguageNamed(*choice, language)) {
            return language;
        }
    }
    return Language::Spanish;
}
