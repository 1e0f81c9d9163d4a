#pragma once
#include "common/Messages.h"
#include "devices/DeviceRecord.h"
#include "programmer/Delay.h"
#include "programmer/IcspCodes.h"
#include "programmer/Lines.h"
#include "programmer/Port.h"

#include <cstdint>
#include <memory>

// The wire as the part modules (src/parts) and the operations see it: the two ICSP command
// layers and programming mode entry and exit, over the port and the waits. What a part's
// programming document does with them (writing a location, erasing, the waits between)
// lives in the part's module. It reads the selected device through a reference (the word
// width of family 16 data), so a new selection takes effect at the next call. Nothing here
// detects a missing or silent target: reads return what the data line shows, and the
// callers' read-back finds the failure.
//
// Typical use (family 16 read of one word):
//     programmer.EnterProgMode();
//     int32_t word = programmer.IcspCommand16(Cmd16::ReadDataProgram);
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

    // Points the family 18 table pointer at the first configuration byte, 300000h: the five
    // core instructions MOVLW 30h, MOVWF TBLPTRU, MOVLW 0, MOVWF TBLPTRH, MOVWF TBLPTRL.
    void PointTableAtConfig18();

    // The family 18 programming NOP: the fourth clock held high holdMicros (P9), then low
    // before the operand 0 (P10).
    void ProgramPulse18(int32_t holdMicros);

    // Counts the programming-mode sequences run so far: a part module that set a register
    // of the chip can tell whether the chip has restarted since.
    uint64_t Session() const { return session_; }

    // The message sink of the hardware side (a part that cannot say how it programs).
    Messages& Msg() { return messages_; }

    // The port and the waits, for callers that need a plain millisecond sleep.
    Port& GetPort() { return port_; }
    Delay& GetDelay() { return delay_; }

private:
    // Family 16 pieces.
    int32_t RunModeSequence16(int32_t code);
    void SendCommand16(int32_t code);
    void SendWord16(uint32_t data);
    uint32_t ReadWord16();

    // Family 18 pieces.
    int32_t RunModeSequence18(int32_t code);
    void SendCommand18(int32_t code);
    void SendOperand18(uint32_t data);
    int32_t ReadByte18();
    void SendTimedNop18(int32_t code, int32_t holdMicros);

    std::unique_ptr<Port> ownedPort_;
    std::unique_ptr<Delay> ownedDelay_;
    Port& port_;
    Delay& delay_;
    const DeviceRecord& device_;
    Messages& messages_;
    Lines lines_;
    uint64_t session_ = 0;
};
