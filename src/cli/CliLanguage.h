#pragma once
#include "common/Language.h"
#include "common/Phrase.h"

#include <string>

// The language of this run, chosen once at the start from --lang, PRAVIK_LANG and the
// window's remembered language. pravik-cli has no Qt application object, so the
// translation is kept here and asked directly rather than installed.
void UseLanguage(Language language);

// A phrase in the language of this run (its Spanish text until UseLanguage(English)).
std::string Said(const Phrase& phrase);
