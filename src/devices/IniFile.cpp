#include "devices/IniFile.h"

#include "common/Text.h"

#include "devices/IntConv.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace {

std::string Trim(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) {
        ++b;
    }
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) {
        --e;
    }
    return s.substr(b, e - b);
}

std::string StripQuotes(const std::string& v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

} // namespace

IniFile IniFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return IniFile{};
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        return IniFile{};
    }
    return Parse(text.str());
}

IniFile IniFile::Parse(const std::string& text) {
    IniFile ini;
    std::vector<Section>* sections = &ini.sections_;
    Section* current = nullptr;
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw)) {
        std::string line = Trim(raw);
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line[0] == '[') {
            size_t close = line.find(']');
            std::string name =
                Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            // Like the Windows reader, a repeated header is listed again, and lookups
            // find the first section of that name.
            sections->push_back(Section{name, {}});
            current = &sections->back();
            continue;
        }
        size_t eq = line.find('=');
        if (current == nullptr || eq == std::string::npos) {
            continue;
        }
        std::string key = Trim(line.substr(0, eq));
        std::string value = StripQuotes(Trim(line.substr(eq + 1)));
        current->entries.push_back(Entry{key, value});
    }
    return ini;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    size_t used = 1; // the closing NUL of the list
    for (const Section& s : sections_) {
        if (used + s.name.size() + 1 > kSectionNameBuffer) {
            break;
        }
        used += s.name.size() + 1;
        names.push_back(s.name);
    }
    return names;
}

const IniFile::Section* IniFile::Find(const std::string& section) const {
    for (const Section& s : sections_) {
        if (EqualsIgnoringCase(s.name, section)) {
            return &s;
        }
    }
    return nullptr;
}

std::vector<std::string> IniFile::KeyNames(const std::string& section) const {
    std::vector<std::string> names;
    const Section* s = Find(section);
    if (s == nullptr) {
        return names;
    }
    for (const Entry& e : s->entries) {
        const bool seen = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
            return EqualsIgnoringCase(n, e.key);
        });
        if (!seen) {
            names.push_back(e.key);
        }
    }
    return names;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const Section* s = Find(section);
    if (s == nullptr) {
        return defaultValue;
    }
    for (const Entry& e : s->entries) {
        if (EqualsIgnoringCase(e.key, key)) {
            return e.value.substr(0, kMaxValueLength);
        }
    }
    return defaultValue;
}

int32_t IniFile::ReadInteger(const std::string& section, const std::string& key,
                             int32_t defaultValue) const {
    const std::string marker = "\x01";
    std::string text = ReadString(section, key, marker);
    if (text == marker) {
        return defaultValue;
    }
    return DeviceFileInt(text, defaultValue);
}
