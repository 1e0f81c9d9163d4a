#pragma once
#include <string>

// The device the window selected last ("lastpic" of section "Config" in the user's
// settings of organisation and application "Pravik"); empty when none is remembered.
std::string RememberedDevice();
// The language chosen in the window's "Idioma" menu ("es", "en"); empty when none is.
std::string RememberedLanguage();
