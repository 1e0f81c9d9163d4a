#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
constexpr int32_t kProgressEvery = 64;
} // namespace

void OperationEngine::Finish() {
    programVerified_ = false;
    programVerifyFailed_ = false;
    rangeFailed_ = false;
    host_.HideProgressWindow();
    host_.SetMainEnabled(true);
}

bool OperationEngine::BotonLeerClick() {
    const bool ok = CheckChip() && RunOperation(opRead);
    if (ok) {
        ReportProtection(Selected().config);
    }
    Finish();
    return ok;
}

bool OperationEngine::BotonVerificarClick() {
    if (!CheckChip()) {
        Finish();
        return false;
    }
    const bool ok = RunOperation(opVerify);
    if (!ok && !cancelled_) {
        ReportProtection(false);
    }
    Finish();
    return ok;
}

bool OperationEngine::BotonBlkChkClick() {
    const bool ok = CheckChip() && RunOperation(opBlankCheck);
    Finish();
    return ok;
}

bool OperationEngine::BotonEscribirClick() {
    if (!CheckChip()) {
        Finish();
        return false;
    }
    bool ok = false;
    PartModule& part = Part();
    if (part.Erasable() && Selected().program && !CalibrationAgreed()) {
        Finish();
        return false;
    }
    if (part.BlankCheckBeforeWrite()) {
        // A one-time-programmable part is written only where it is still blank.
        ok = RunOperation(opBlankCheck) && RunOperation(opWrite);
    } else {
        ok = RunOperation(opWrite);
    }
    if (part.VerifyAfterWrite() && !programVerifyFailed_ && !rangeFailed_) {
        // These parts are not read back while writing: a verify follows, of program
        // memory too when the write did not get as far as verifying it. A cell out of range
        // ends the command with that one message: a verify would only report the first
        // location the write never reached.
        ok = RunOperation(opVerify) && ok;
    }
    Finish();
    return ok;
}

// The blank read after an erase is part of the command: the main window stays disabled
// while it runs, and "Cancelar" stops it like any other read.
bool OperationEngine::ProgramIsBlank() {
    host_.ClearCancel();
    host_.ShowProgressWindow();
    host_.SetMainEnabled(false);
    action_ = ActionText(opBlankCheck);
    p_.EnterProgMode();
    if (device_.Family == 18) {
        p_.LoadTablePointer(0);
    }
    const bool f18 = device_.Family == 18;
    for (int32_t a = 0; a < device_.ProgMem; ++a) {
        if (host_.CancelRequested()) {
            Cancelled();
            Finish();
            return false;
        }
        if (a % kProgressEvery == 0) {
            Progress(Say("operations", "Programa"), a);
        }
        const int32_t d = f18 ? Cmd18(Cmd18::TableReadPostInc) : Cmd16(Cmd16::ReadDataProgram);
        if (d != ExpectedAt(a, BlankWord())) {
            Fail(Say("operations", "Error de borrado en %1").Arg(Hex(a, 4)));
            Finish();
            return false;
        }
        if (!f18) {
            Cmd16(Cmd16::IncrementAddress);
        }
    }
    p_.ExitProgMode();
    Finish();
    return true;
}

bool OperationEngine::BorrarPrograma1Click() {
    if (!host_.Msg().AskYesNo(
            Say("operations", "Se borrará todo el contenido del programa. ¿Desea continuar?"))) {
        return false;
    }
    // The main window stays disabled from the chip check to the end of the blank read.
    host_.SetMainEnabled(false);
    if (!CheckChip() || !CalibrationAgreed() || !EraseAreas(true, false, false, false)) {
        Finish();
        return false;
    }
    // A protected chip ignores the erase: only a blank read-back shows it worked.
    if (!ProgramIsBlank()) {
        return false;
    }
    host_.Msg().ShowInfo(Say("operations", "Programa borrado."));
    return true;
}

bool OperationEngine::BotonDesprotegeClick() {
    PartModule& part = Part();
    if (!part.Erasable()) {
        host_.Msg().ShowInfo(
            Say("operations", "Esta función solo funciona con dispositivos FLASH"));
        return false;
    }
    if (!host_.Msg().AskYesNo(Say(
            "operations", "Esta acción borrará todo el contenido del PIC. ¿Desea continuar?"))) {
        return false;
    }
    // A kind the program does not know has no unprotect sequence: nothing is sent.
    if (!part.Unprotectable()) {
        return false;
    }
    host_.SetMainEnabled(false);
    if (!CheckChip() || !CalibrationAgreed()) {
        Finish();
        return false;
    }
    // The whole chip, protection included, by the part's document.
    p_.EnterProgMode();
    part.Unprotect(p_);
    p_.ExitProgMode();
    if (!ProgramIsBlank()) {
        return false;
    }
    host_.Msg().ShowInfo(Say("operations", "PIC desprotegido y borrado completamente."));
    return true;
}
