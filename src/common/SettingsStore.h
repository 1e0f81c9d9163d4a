#pragma once
#include <map>
#include <string>

// The per-user store of remembered settings: a string by (section, name).
// Every access stands alone; nothing is cached between calls.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string Read(const std::string& section, const std::string& name,
                             const std::string& defaultValue) const = 0;
    virtual void Write(const std::string& section, const std::string& name,
                       const std::string& value) = 0;
};

// In-memory store for tests and for front ends that keep nothing between runs.
class MemorySettingsStore : public SettingsStore {
public:
    std::string Read(const std::string& section, const std::string& name,
                     const std::string& defaultValue) const override {
        auto it = values_.find(section + "/" + name);
        return it == values_.end() ? defaultValue : it->second;
    }
    void Write(const std::string& section, const std::string& name,
               const std::string& value) override {
        values_[section + "/" + name] = value;
    }

private:
    std::map<std::string, std::string> values_;
};
