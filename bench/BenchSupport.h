#pragma once
// Shared pieces of the benchmarks: test images, HEX texts and a port that only counts.
#include "common/Messages.h"
#include "devices/DeviceRecord.h"
#include "programmer/Port.h"

#include <cstdint>
#include <string>

// A port that takes every write and answers reads with a fixed status, counting writes.
class CountingPort : public Port {
public:
    void WriteData(uint8_t) override { ++writes; }
    uint8_t ReadStatus() override { return 0x40; }
    uint64_t writes = 0;
};

// Answers every question (Abort, Yes) and counts the messages shown.
class SilentMessages : public Messages {
public:
    void ShowError(const Phrase&) override { ++shown; }
    bool AskAbortIgnore(const Phrase&) override { return ++shown, true; }
    void ShowInfo(const Phrase&) override {}
    bool AskYesNo(const Phrase&) override { return true; }
    int shown = 0;
};

DeviceRecord BenchDevice16(); // PIC16F876A-sized
DeviceRecord BenchDevice18(int32_t progMem);

// An Intel HEX text of `bytes` program bytes (records of 16 bytes, type 04 pages).
std::string MakeHexText(uint32_t bytes, bool family16);
// Writes text to a file in the system temp directory and returns its path.
std::string WriteTempFile(const std::string& name, const std::string& text);
