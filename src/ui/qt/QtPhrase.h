#pragma once
#include "common/Phrase.h"

#include <QString>

// A phrase of the core in the language of the installed translators (Spanish when none is).
QString Said(const Phrase& phrase);
