#pragma once
#include <string>

// The languages the program speaks: Spanish, its own (every text is written in it), and
// English, a translation.
enum class Language { Spanish, English };

// "es" or "en" (either case); false for anything else.
bool LanguageNamed(const std::string& code, Language& language);
// "es" or "en".
std::string LanguageCode(Language language);

// The language of this run: the first of the command line (--lang), the PRAVIK_LANG
// environment variable and the language remembered by the window that names one;
// Spanish when none does, whatever the system's locale.
Language ChooseLanguage(const std::string& commandLine, const std::string& environment,
                        const std::string& remembered);

// Where the window remembers the chosen language ("es" or "en").
inline constexpr const char* LanguageSection = "Config";
inline constexpr const char* LanguageKey = "idioma";
