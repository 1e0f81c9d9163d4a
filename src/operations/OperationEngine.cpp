#include "operations/OperationEngine.h"

#include "devices/IntConv.h"

namespace {
// Not a chip time: the adapter gets 100 ms to settle after each exit from programming mode
// between phases.
constexpr uint32_t kPhaseSettleMs = 100;
} // namespace

int64_t ParseCell(const std::string& text) {
    return ConvertIntDef("$" + text, 65535);
}

OperationEngine::OperationEngine(Programmer& programmer, const DeviceRecord& device,
                                 MemoryImage& image, ConfigWord16& config16,
                                 ConfigWords18& config18, OperationHost& host)
    : p_(programmer), device_(device), image_(image), config16_(config16), config18_(config18),
      host_(host) {}

PartModule& OperationEngine::Part() {
    const bool same = part_ && partKey_.DeviceName == device_.DeviceName &&
                      partKey_.Programming == device_.Programming &&
                      partKey_.Algorithm == device_.Algorithm && partKey_.Family == device_.Family;
    if (!same) {
        part_ = MakePart(device_);
        part_->SetCalibration(osccalGiven_, bandGapGiven_);
        partKey_ = device_;
    }
    return *part_;
}

void OperationEngine::SetCalibration(int32_t osccal, int32_t bandGap) {
    osccalGiven_ = osccal;
    bandGapGiven_ = bandGap;
    Part().SetCalibration(osccal, bandGap);
}

std::string OperationEngine::CalibrationText() {
    return Part().CalibrationText();
}

int64_t OperationEngine::ExpectedAt(int32_t a, int64_t imageValue) {
    const std::optional<int32_t> calibration = Part().CalibrationAt(a);
    return calibration ? *calibration : imageValue;
}

int32_t OperationEngine::Cmd16(int32_t code, uint32_t data) {
    return p_.IcspCommand16(code, data);
}
int32_t OperationEngine::Cmd18(int32_t code, uint32_t data) {
    return p_.IcspCommand18(code, data);
}
void OperationEngine::SleepMs(uint32_t ms) {
    p_.GetDelay().SleepMs(ms);
}

int64_t OperationEngine::BlankWord() const {
    // Family 16 program words, ID words and the configuration word read back with every
    // implemented bit set: 3FFF for 14-bit parts, 0FFF for 12-bit parts.
    return device_.Family == 18 ? 0xFF : (int64_t{1} << device_.ProgBits) - 1;
}

Scope OperationEngine::Selected() const {
    Scope s = host_.ReadScope();
    s.program = s.program && !programVerified_;
    return s;
}

bool OperationEngine::ConfigMatches(size_t word, int64_t read, int64_t expected) const {
    // Unimplemented configuration bits read as the part fixes them, not as written, and
    // compilers fill them differently: only the implemented bits are compared.
    const int64_t mask = word < device_.ConfigMasks.size() ? device_.ConfigMasks[word] : -1;
    return (read & mask) == (expected & mask);
}

void OperationEngine::Progress(const std::string& memoryName, int32_t address) {
    host_.ShowProgress(action_, memoryName, address);
}

OperationEngine::PhaseEnd OperationEngine::Fail(const Phrase& message) {
    host_.Msg().ShowError(message);
    p_.ExitProgMode();
    return PhaseEnd::Failed;
}

OperationEngine::PhaseEnd OperationEngine::Cancelled() {
    cancelled_ = true;
    p_.ExitProgMode();
    host_.Msg().ShowInfo(Say("operations", "Acción interrumpida."));
    host_.SetMainEnabled(true);
    return PhaseEnd::Cancelled;
}

OperationEngine::PhaseEnd OperationEngine::VerifyWrittenProgram() {
    // Parts read back only by a verify pass and writes in units are not read back while
    // writing, and once the configuration word protects the code, program memory reads as
    // zeros: verify it now, before the ID and configuration phase, from address 0 again.
    p_.ExitProgMode();
    p_.EnterProgMode();
    action_ = ActionText(opVerify);
    const PhaseEnd end = device_.Family == 18 ? VerifyWrittenProgram18() : ProgramPhase(opVerify);
    action_ = ActionText(opWrite);
    // Only writes of parts that are verified afterwards (BotonEscribirClick) leave program
    // memory out of that verify; a verify after a write in units reads it again.
    programVerified_ = end == PhaseEnd::Done && Part().VerifyAfterWrite();
    programVerifyFailed_ = end == PhaseEnd::Failed;
    return end;
}

bool OperationEngine::RunOperation(Operation op) {
    host_.ClearCancel();
    cancelled_ = false;
    host_.ShowProgressWindow();
    host_.SetMainEnabled(false);
    action_ = ActionText(op);
    p_.EnterProgMode();
    PartModule& part = Part();
    if (op == opWrite && part.Erasable()) {
        Scope s = Selected();
        EraseAreas(s.program, s.eeprom, s.ident, s.config);
        // The erase leaves programming mode: the write enters it afresh, through the
        // pre-entry state, so that the chip gets its supply before the programming voltage
        // and its hold after it (Thld0, P12, P13).
        p_.EnterProgMode();
    }

    PhaseEnd end = ProgramPhase(op);
    const bool readsBackAfter = !part.ReadsBackWhileWriting() || part.WritesInUnits();
    if (end == PhaseEnd::Done && op == opWrite && readsBackAfter && Selected().program) {
        end = VerifyWrittenProgram();
    }
    if (end == PhaseEnd::Done) {
        p_.ExitProgMode();
        SleepMs(kPhaseSettleMs);
        end = IdConfigPhase(op);
    }
    if (end == PhaseEnd::Done) {
        p_.ExitProgMode();
        SleepMs(kPhaseSettleMs);
        end = EepromPhase(op);
    }
    if (op == opRead) {
        host_.ImageChanged();
    }
    if (end != PhaseEnd::Done) {
        return false;
    }
    p_.ExitProgMode();
    host_.Msg().ShowInfo(Say("operations", "Operación Completada."));
    host_.SetMainEnabled(true);
    host_.RefreshStatus();
    return true;
}
