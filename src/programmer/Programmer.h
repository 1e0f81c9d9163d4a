#pragma once
#include "common/Messages.h"
#include "devices/DeviceRecord.h"
#include "programmer/Delay.h"
#include "programmer/IcspCodes.h"
#include "programmer/Lines.h"
#include "programmer/Port.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct WriteCycle;

// The hardware side as the operations see it: the two ICSP command layers, programming
// mode entry and exit, and the programming of one program location by the device's
// algorithm. It reads the selected device through a reference, so a new selection takes
// effect at the next call. Nothing here detects a missing or silent target: reads return
// what the data line shows, and the callers' read-back finds the failure.
//
// Typical use by the operation engine (family 16 write of one word):
//     programmer.EnterProgMode();
//     programmer.ProgramLocation(0, word, progUsed);
//     int32_t back = programmer.IcspCommand16(Cmd16::ReadDataProgram);
//     programmer.IcspCommand16(Cmd16::IncrementAddress);
//     ...
//     programmer.ExitProgMode();
class Programmer {
public:
    // Borrows the port, the delay and the message sink; they must outlive the programmer.
    Programmer(Port& port, Delay& delay, const DeviceRecord& device, Messages& messages);
    // Owns the port and the delay (the application's real port and CounterDelay); neither
    // may be null (OpenParallelPort never returns null).
    Programmer(std::unique_ptr<Port> port, std::unique_ptr<Delay> delay, const DeviceRecord& device,
               Messages& messages);

    // Family 16 command (codes in Cmd16). data is sent only by the three load commands,
    // as the device's ProgBits low bits. Returns the word read for ReadDataProgram and
    // ReadDataData, 0 for the other defined commands and for 64 to 66 (the programming-
    // mode sequences), -1 for an undefined code below 64 (its six bits are sent anyway)
    // and -2, with nothing sent, for any other code.
    int32_t IcspCommand16(int32_t code, uint32_t data = 0);

    // Family 18 command (codes in Cmd18). Only the low 16 bits of data are sent. Returns
    // the byte read for codes 1 to 11, 0 for the other codes below 67 and -2, with
    // nothing sent, for any other code.
    int32_t IcspCommand18(int32_t code, uint32_t data = 0);

    // Points the family 18 table pointer at a 24-bit address (six core instructions).
    void LoadTablePointer(uint32_t address);

    // Programming mode for both families, through the family 16 sequences: entry leaves
    // the target in programming mode with its address at 0 (also when it already was in
    // programming mode); exit leaves the lines idle.
    void EnterProgMode() { IcspCommand16(Cmd16::EnterProgMode); }
    void ExitProgMode() { IcspCommand16(Cmd16::ExitProgMode); }

    // Programs one program location; the target must be in programming mode.
    // Family 16: value is the word, written where the target's address counter points
    // (address is not used and the counter is not advanced: send IncrementAddress after).
    // An unknown Programming kind shows one message and sends nothing.
    // Family 18: address is the byte address, value the byte. Calls must come in
    // increasing address order for every address from 0 to progUsed - 1; bytes are
    // collected in WBuf and a block goes out at its last byte or at progUsed - 1.
    void ProgramLocation(int32_t address, int32_t value, int32_t progUsed);

    // Fast writes (FastWrite.h): one programming cycle of the device's write unit. values
    // holds the cells in use; the cycle's cells past them get the erased value. Family 16:
    // the address counter must be on the cycle's first word; it is left on the word after
    // its last. The target must be in programming mode, erased where the cycle writes.
    void ProgramCycle(const WriteCycle& cycle, const std::vector<int32_t>& values);

    // Family 16: programs the configuration word where the address counter points (2007h)
    // by the part's own sequence: EPROM parts 100 pulses, the 87XA its internally timed
    // cycle, the 87/88 a program-only cycle; every other part as ProgramLocation.
    void ProgramConfigWord(int32_t value);

    // The family 18 write buffer: slot i holds the byte given for the latest address whose
    // remainder by WBufSize is i. The engine verifies a block against it. Kept between
    // calls and operations.
    const std::vector<int32_t>& WBuf() const { return wbuf_; }

    // The port and the waits, for callers that need a plain millisecond sleep.
    Port& GetPort() { return port_; }
    Delay& GetDelay() { return delay_; }

private:
    // DS39576 panel register as the fast writes last set it in this programming session.
    enum class PanelMode { Unknown, Single, Multi };

    // Family 16 pieces.
    int32_t RunModeSequence16(int32_t code);
    void SendCommand16(int32_t code);
    void SendWord16(uint32_t data);
    uint32_t ReadWord16();
    void ProgramLocation16(int32_t value);
    void PulseOtp(int32_t value);
    void ProgramOtp(int32_t value);

    // Family 18 pieces.
    int32_t RunModeSequence18(int32_t code);
    void SendCommand18(int32_t code);
    void SendOperand18(uint32_t data);
    int32_t ReadByte18();
    void ProgramLocation18(int32_t address, int32_t value, int32_t progUsed);
    void StartBlock18(uint32_t address);
    void SelectPanelMode18(uint32_t mode);
    void SendTimedNop18(int32_t code, int32_t holdMicros);
    // The programming NOP: fourth clock high holdMicros (P9), then low P10, operand 0.
    void ProgramPulse18(int32_t holdMicros);

    // Fast-write pieces.
    void WaitCycle(int32_t micros);
    void ProgramUnit16(const WriteCycle& cycle, const std::function<uint32_t(int32_t)>& valueAt);
    void ProgramUnit18(const WriteCycle& cycle, const std::function<uint32_t(int32_t)>& valueAt);

    std::unique_ptr<Port> ownedPort_;
    std::unique_ptr<Delay> ownedDelay_;
    Port& port_;
    Delay& delay_;
    const DeviceRecord& device_;
    Messages& messages_;
    Lines lines_;
    std::vector<int32_t> wbuf_;
    PanelMode panelMode_ = PanelMode::Unknown;
};
