#pragma once
#include <string>
#include <vector>

// A read-only initialisation file with the Windows rules: "[name]" section headers,
// key=value lines, section and key names compared without regard to case, values taken
// without surrounding blanks (and without one pair of surrounding quotes), lines
// starting with ";" ignored. "#" and a ";" inside a value are ordinary characters.
class IniFile {
public:
    // A file that cannot be read yields an IniFile without sections.
    static IniFile Load(const std::string& path);
    static IniFile Parse(const std::string& text);

    // Section names in file order, as far as they fit in the 16384-byte name buffer the
    // Windows API fills (each name followed by a NUL, the list by a second NUL).
    std::vector<std::string> SectionNames() const;

    // Key names of a section in file order, each once (as first written); empty when the
    // section is missing.
    std::vector<std::string> KeyNames(const std::string& section) const;

    // Value of key in section, at most 2047 characters; defaultValue when missing.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Integer value by the device file's conversion rules; defaultValue when missing,
    // empty or not convertible.
    int32_t ReadInteger(const std::string& section, const std::string& key,
                        int32_t defaultValue) const;

    static constexpr size_t kSectionNameBuffer = 16384;
    static constexpr size_t kMaxValueLength = 2047;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* Find(const std::string& section) const;

    std::vector<Section> sections_;
};
