#pragma once
#include "cli/CliRun.h"
#include "support/TempDir.h"

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

inline std::string ShippedIni() {
    return std::string(PRAVIK_SOURCE_DIR) + "/data/Pravik.ini";
}

inline std::string Fixture(const std::string& name) {
    return std::string(PRAVIK_TESTDATA_DIR) + "/hex/" + name;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// Each test gets its own directory, which is also its user configuration directory, so
// that no run reads or changes the settings of whoever runs the tests.
class Cli : public ::testing::Test {
protected:
    TempDir dir;

    std::map<std::string, std::string> Env() const {
        return {{"XDG_CONFIG_HOME", dir.File("config")}, {"HOME", dir.Path()}};
    }
    CliResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--ini", ShippedIni()});
        return RunCli(args, Env());
    }
    // A command on the simulated chip kept in chip.hex of the test directory.
    CliResult OnChip(const std::string& device, std::vector<std::string> args) const {
        args.insert(args.begin(), {"--adapter", "simulator", "--chip", Chip(), "-d", device});
        return Run(args);
    }
    std::string Chip() const { return dir.File("chip.hex"); }
};
