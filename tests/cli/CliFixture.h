#pragma once
#include "cli/CliRun.h"
#include "common/SettingsStore.h"
#include "simulator/ChipFile.h"
#include "simulator/MakeTarget.h"
#include "support/TempDir.h"
#include "workbench/DeviceSelection.h"

#include <filesystem>
#include <memory>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

inline std::string ShippedIni() {
    return std::string(PRAVIK_SOURCE_DIR) + "/data/Pravik.ini";
}

// The simulated chip of `device` as the chip file at `path` keeps it (a fresh one when
// there is no file yet).
inline std::unique_ptr<Sim::Target> LoadedChip(const std::string& device, const std::string& path);

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

inline std::unique_ptr<Sim::Target> LoadedChip(const std::string& device, const std::string& path) {
    DeviceRecord record;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    MemorySettingsStore settings;
    SelectDevice(device, ShippedIni(),
                 SelectionTargets{record, image, config16, config18, settings});
    std::unique_ptr<Sim::Target> chip = Sim::MakeTarget(record);
    std::string error;
    if (std::filesystem::exists(path)) {
        EXPECT_TRUE(Sim::LoadChip(*chip, path, error)) << error;
    }
    return chip;
}
