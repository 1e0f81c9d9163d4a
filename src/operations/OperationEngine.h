#pragma once
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "devices/DeviceRecord.h"
#include "image/MemoryImage.h"
#include "operations/Operation.h"
#include "operations/OperationHost.h"
#include "parts/PartModule.h"
#include "programmer/Programmer.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Reads, writes, verifies and blank-checks a device against the memory image, and erases
// and unprotects it. Works through program memory, then the ID locations and
// configuration, then data EEPROM, each when its scope box is ticked, location by
// location; stops at the first failure with one message and always leaves the device
// out of programming mode.
class OperationEngine {
public:
    OperationEngine(Programmer& programmer, const DeviceRecord& device, MemoryImage& image,
                    ConfigWord16& config16, ConfigWords18& config18, OperationHost& host);

    // One operation. True only when it reached "Operación Completada.".
    bool RunOperation(Operation op);
    // Erases the selected areas with the sequences of the device's programming document.
    // False (with a message, nothing sent) for one-time-programmable parts.
    bool EraseAreas(bool program, bool eeprom, bool ident, bool config);

    // The commands of the main window. Each returns true when everything it ran
    // completed (a write with its blank check or verify, an erase that was confirmed).
    bool BotonLeerClick();
    bool BotonEscribirClick();
    bool BotonVerificarClick();
    bool BotonBlkChkClick();
    bool BotonDesprotegeClick();
    bool BorrarPrograma1Click();

    // The device ID word the last command read before it started (family 16: 2006h;
    // family 18: DEVID2 << 8 | DEVID1); none before the first or for EPROM parts.
    std::optional<int32_t> LastDeviceId() const { return lastDeviceId_; }
    // Another device was selected: the ID read belonged to the previous one, and the
    // programming voltage question is asked again.
    void ForgetDeviceId() {
        lastDeviceId_.reset();
        vppAgreed_ = false;
    }
    // The factory calibration of a chip that lost it, given by the user: written wherever
    // the chip's own would be put back after an erase (-1 keeps the chip's). For the
    // selected device and those selected after.
    void SetCalibration(int32_t osccal, int32_t bandGap);
    // The chip's calibration as last read ("OSCCAL=3480 BG=2"), "" when the part has none.
    std::string CalibrationText();
    // Reads the chip's device ID in and out of programming mode.
    int32_t ReadDeviceId();

private:
    enum class PhaseEnd { Done, Failed, Cancelled };

    // The module of the selected device's programming document, made again when another
    // device is selected.
    PartModule& Part();

    // Before a command touches the chip: a chip must answer (device ID neither all ones
    // nor all zeros), and one whose ID is not the selected device's goes on only when
    // the user says so. EPROM parts have no ID and always pass.
    bool CheckChip();
    // The adapter's programming voltage is above the part's maximum: whether to go on
    // (asked once per selection).
    bool VppAgreed();
    // Before an erase takes a calibration that looks lost: whether to go on.
    bool CalibrationAgreed();
    // What a program location holds when the chip is blank or written: the image's value
    // (or the blank value) unless the part keeps its calibration there.
    int64_t ExpectedAt(int32_t a, int64_t imageValue);
    // After an erase: program memory reads blank throughout, else the first address
    // that does not is reported.
    bool ProgramIsBlank();
    // The scope boxes, less program memory when it was verified already.
    Scope Selected() const;
    bool ConfigMatches(size_t word, int64_t read, int64_t expected) const;
    // Code protection: whether a configuration word (family 16: 2007h; family 18:
    // CONFIG5H:CONFIG5L) protects program memory, the word as the chip holds it, and the
    // information box after a read or a failed verify of a protected chip.
    bool ProtectionOn(int64_t configWord) const;
    int64_t ReadProtectionWord();
    void ReportProtection(bool configJustRead);

    PhaseEnd ProgramPhase(Operation op);
    PhaseEnd FastWriteProgram();
    // The range error of program cell a; it ends the command that runs the operation.
    PhaseEnd FailRange(int32_t a);
    PhaseEnd VerifyWrittenProgram();
    PhaseEnd ReadBack16(Operation op, int32_t a, int64_t v);
    PhaseEnd ReadBack18(Operation op, int32_t a);
    bool VerifyBlock18(Operation op, int32_t a);
    PhaseEnd VerifyWrittenProgram18();
    PhaseEnd IdConfigPhase(Operation op);
    PhaseEnd IdPhase16(Operation op);
    PhaseEnd ConfigPhase16(Operation op);
    PhaseEnd ConfigWordPhase16(Operation op, size_t word);
    PhaseEnd ConfigPhase18(Operation op);
    bool CheckConfig18();
    PhaseEnd EepromPhase(Operation op);
    PhaseEnd IdPhase18(Operation op);
    void Finish();

    // Shows the error, leaves programming mode, and reports the failure.
    PhaseEnd Fail(const Phrase& message);
    PhaseEnd Cancelled();
    void Progress(const std::string& memoryName, int32_t address);
    void SleepMs(uint32_t ms);
    int32_t Cmd16(int32_t code, uint32_t data = 0);
    int32_t Cmd18(int32_t code, uint32_t data = 0);
    int64_t BlankWord() const;

    Programmer& p_;
    const DeviceRecord& device_;
    MemoryImage& image_;
    ConfigWord16& config16_;
    ConfigWords18& config18_;
    OperationHost& host_;
    std::unique_ptr<PartModule> part_;
    DeviceRecord partKey_; // the device the module was made for
    std::string action_;
    std::optional<int32_t> lastDeviceId_;
    // A write that reads back after it has written (parts verified afterwards, writes in units)
    // verified its program memory already (a verify that follows skips it), or found it
    // wrong (no verify follows).
    bool programVerified_ = false;
    bool programVerifyFailed_ = false;
    // A program cell was out of range: the command ends with that message.
    bool rangeFailed_ = false;
    // The last operation ended by "Cancelar".
    bool cancelled_ = false;
    bool vppAgreed_ = false;
    int32_t osccalGiven_ = -1;
    int32_t bandGapGiven_ = -1;
};

// True when a device ID word read from a family's chip says that no chip answered: a
// released data line floats high and a shorted one reads low, and no part's ID is all
// ones or all zeros. The message that says so, with what was read.
bool NoChipAnswered(int32_t id, int32_t family);
Phrase NoChipMessage(int32_t id);

// A cell's value as the engine reads it: "$" + text as hexadecimal; text that does not
// convert reads as 65535, which no word or byte range admits.
int64_t ParseCell(const std::string& text);
