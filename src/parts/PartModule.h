#pragma once
#include "common/Phrase.h"
#include "devices/DeviceRecord.h"
#include "parts/WriteCycle.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Programmer;

// One programming document: everything in which the parts of one Microchip programming
// document differ from those of another, behind one interface. The operation engine
// walks the memories, reports progress and results, and asks the part's module how to
// write, erase and read what is particular to it; the module drives the wire through the
// Programmer's command layers. One file per document (Ds30262.cpp ...), chosen by the
// device record's Algorithm (devices/Algorithms.h).
//
// A module lives for as long as its device stays selected and may keep what it learnt of
// the chip in one command (the family 18 write buffer, a panel mode it set).
class PartModule {
public:
    explicit PartModule(const DeviceRecord& device) : device_(device) {}
    virtual ~PartModule() = default;
    PartModule(const PartModule&) = delete;
    PartModule& operator=(const PartModule&) = delete;

    // The document, as "DS39589B"; "" for a kind the program does not know.
    virtual std::string Document() const = 0;

    // --- what the part allows ---
    // False for one-time-programmable parts: no erase, no unprotect, no device ID; a
    // write starts with a blank check.
    virtual bool Erasable() const { return true; }
    virtual bool HasDeviceId() const { return Erasable(); }
    virtual bool BlankCheckBeforeWrite() const { return !Erasable(); }
    // False when the write cycle leaves nothing to read back until a verify pass (the
    // 16F7X): such writes are verified by a pass of their own afterwards.
    virtual bool ReadsBackWhileWriting() const { return true; }
    virtual bool VerifyAfterWrite() const { return !ReadsBackWhileWriting(); }
    virtual bool HasDataEeprom() const { return Erasable(); }
    // False when the program does not know how to lift the part's protection.
    virtual bool Unprotectable() const { return Erasable(); }

    // --- device ID ---
    // Enters programming mode, reads the ID word (family 16: 2006h; family 18:
    // DEVID2 << 8 | DEVID1) and leaves.
    virtual int32_t ReadDeviceId(Programmer& p) = 0;

    // --- program memory ---
    // One location, in programming mode. Family 16: the word where the address counter
    // points (the counter is not advanced: the caller increments). Family 18: bytes in
    // increasing address order from 0 to progUsed - 1, gathered in the write buffer.
    virtual void ProgramLocation(Programmer& p, int32_t address, int32_t value,
                                 int32_t progUsed) = 0;
    // The write buffer of family 18 parts (slot = address mod WBufSize): what the last
    // block was written with. Empty on family 16.
    virtual const std::vector<int32_t>& WBuf() const;

    // Writes in the document's unit, one programming cycle per unit, on a chip erased
    // before: when the part has such a unit, the device file gives WriteUnit and
    // WriteTime, and [Config] escritura is not "palabra".
    bool WritesInUnits() const;
    // The cycles that write cells 0 to progUsed - 1, in the order they are sent.
    virtual std::vector<WriteCycle> PlanWriteCycles(int32_t progUsed) const;
    // One cycle; values holds the cells in use. Family 16: the address counter is on the
    // cycle's first word and is left on the word after its last.
    virtual void ProgramCycle(Programmer& p, const WriteCycle& cycle,
                              const std::vector<int32_t>& values) = 0;

    // --- configuration ---
    // Family 16: the configuration word where the address counter points (2007h, 2008h)
    // by the document's own sequence.
    virtual void ProgramConfigWord(Programmer& p, int32_t value);
    // Family 18: the seven configuration words (CONFIGnH:CONFIGnL), byte by byte at
    // 300000h-30000Dh.
    virtual void WriteConfiguration(Programmer& p, const std::vector<int64_t>& words);

    // --- erase, one area at a time; each enters programming mode itself when it sends
    // anything, and leaves the chip in it ---
    // Program memory; withIds and withConfig: the IDs and the configuration are being
    // erased too (their scope boxes are ticked). What the part's erase clears beyond the
    // areas asked for is put back.
    virtual void EraseProgram(Programmer& p, bool withIds, bool withConfig) = 0;
    virtual void EraseData(Programmer& p) = 0;
    virtual void EraseIds(Programmer& p, int32_t progUsed) = 0;
    virtual void EraseConfig(Programmer& p) = 0;
    // A write with every memory in scope starts from one whole-chip erase instead (family
    // 18: its ID locations have no erase of their own). Sends nothing about mode.
    virtual bool ErasesWholeChipForFullWrite() const { return false; }
    virtual void EraseWholeChip(Programmer& p);
    // Lifts code protection by erasing the whole chip, in programming mode.
    virtual void Unprotect(Programmer& p) = 0;

    // --- data EEPROM (when HasDataEeprom), in programming mode ---
    virtual void WriteDataByte(Programmer& p, int32_t address, int32_t value) = 0;
    virtual int32_t ReadDataByte(Programmer& p, int32_t address) = 0;
    // Moves on to the next byte (family 16 increments its address counter).
    virtual void NextDataByte(Programmer& p) = 0;

    // --- what the chip keeps of its own: factory calibration ---
    // True when a program erase takes the calibration with it (DS41191D), so that the user
    // may give its values.
    virtual bool KeepsCalibration() const { return false; }
    // Reads it before a command writes or erases anything (DS41191D: OSCCAL at 03FFh and
    // the band-gap bits of 2007h), entering and leaving programming mode when it reads.
    virtual void LearnChip(Programmer&) {}
    // What the user must be asked before it is erased (an OSCCAL that is no RETLW): the
    // question's text, or "".
    virtual Phrase CalibrationQuestion() const { return ""; }
    // The value a program location must hold whatever the image says (OSCCAL); none for
    // every other location.
    virtual std::optional<int32_t> CalibrationAt(int32_t address) const;
    // A configuration word (0: 2007h, 1: 2008h) as it is written and compared: the image's,
    // with the chip's own calibration bits.
    virtual int32_t ConfigWordFor(size_t word, int32_t value) const;
    // Values the user gives for a chip whose calibration is lost (OSCCAL, band-gap bits);
    // -1 keeps the chip's. They are written wherever the chip's own would be put back.
    virtual void SetCalibration(int32_t osccal, int32_t bandGap);
    // The chip's calibration as the status bar shows it ("OSCCAL=3480 BG=2"); "" for parts
    // without it or before it was read.
    virtual std::string CalibrationText() const { return ""; }
    // Added to "no chip answered": what keeps these parts from entering programming mode.
    virtual Phrase EntryAdvice() const { return ""; }

protected:
    // The part has a unit longer than a location at all (the WriteUnit of the device
    // file is checked against it).
    virtual bool UnitWritesAllowed() const { return false; }
    // Waits micros: whole milliseconds as a sleep, the rest on the counter.
    void WaitCycle(Programmer& p, int32_t micros) const;

    const DeviceRecord& device_;
};

// The module of the device's Algorithm (of its Programming kind when the record names
// none); the one that keeps the old behaviour of an unknown kind when neither names one.
std::unique_ptr<PartModule> MakePart(const DeviceRecord& device);
