#pragma once
#include <string>

// Equal texts when upper and lower case ASCII letters count as the same.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);
