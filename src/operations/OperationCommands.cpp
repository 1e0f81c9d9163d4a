#include "operations/OperationEngine.h"

namespace {
constexpr uint32_t kWholeChipEraseMs = 40;
constexpr uint32_t kSetupEraseMs = 11;
constexpr int32_t kErasedWord = 0x3FFF;
constexpr int kStepsToConfigWord = 7;
constexpr int kChipErase2xx0High = 0x0F;
constexpr int kChipErase2xx0Low = 0x87;
constexpr int kChipEraseXx2xx8Low = 0x80;
const char* const kOnlyFlash = "Esta función solo funciona con dispositivos FLASH";
} // namespace

void OperationEngine::Finish() {
    host_.HideProgressWindow();
    host_.SetMainEnabled(true);
}

bool OperationEngine::BotonLeerClick() {
    const bool ok = RunOperation(opRead);
    Finish();
    return ok;
}

bool OperationEngine::BotonVerificarClick() {
    const bool ok = RunOperation(opVerify);
    Finish();
    return ok;
}

bool OperationEngine::BotonBlkChkClick() {
    const bool ok = RunOperation(opBlankCheck);
    Finish();
    return ok;
}

bool OperationEngine::BotonEscribirClick() {
    bool ok = false;
    if (Kind("OTP")) {
        // A one-time-programmable part is written only where it is still blank.
        ok = RunOperation(opBlankCheck) && RunOperation(opWrite);
    } else {
        ok = RunOperation(opWrite);
    }
    if (Kind("Flash1")) {
        // These parts are not read back while writing: the verify always follows.
        ok = RunOperation(opVerify) && ok;
    }
    Finish();
    return ok;
}

bool OperationEngine::BorrarPrograma1Click() {
    if (!host_.Msg().AskYesNo("Se borrará todo el contenido del programa. ¿Desea continuar?")) {
        return false;
    }
    if (!EraseAreas(true, false, false, false)) {
        return false;
    }
    host_.Msg().ShowInfo("Programa borrado.");
    return true;
}

bool OperationEngine::BotonDesprotegeClick() {
    if (Kind("OTP")) {
        host_.Msg().ShowInfo(kOnlyFlash);
        return false;
    }
    if (!host_.Msg().AskYesNo("Esta acción borrará todo el contenido del PIC. ¿Desea continuar?")) {
        return false;
    }
    const bool known =
        Kind("Flash") || Kind("Flash1") || Kind("Flash2") || Kind("18f2xx0") || Kind("18fxx2xx8");
    if (!known) {
        return false;
    }
    Unprotect();
    host_.Msg().ShowInfo("PIC desprotegido y borrado completamente.");
    return true;
}

void OperationEngine::Unprotect() {
    p_.EnterProgMode();
    if (Kind("Flash")) {
        // With the address on the configuration word, the setup sequence erases the whole
        // chip, protection included.
        Cmd16(Cmd16::LoadConfiguration, 0);
        Cmd16(Cmd16::LoadDataProgram, kErasedWord);
        for (int i = 0; i < kStepsToConfigWord; ++i) {
            Cmd16(Cmd16::IncrementAddress);
        }
        Cmd16(Cmd16::BulkEraseSetup1);
        Cmd16(Cmd16::BulkEraseSetup2);
        Cmd16(Cmd16::BeginEraseProgram);
        SleepMs(kSetupEraseMs);
        Cmd16(Cmd16::BulkEraseSetup1);
        Cmd16(Cmd16::BulkEraseSetup2);
    } else if (Kind("Flash1")) {
        Cmd16(Cmd16::BulkEraseProgram);
        SleepMs(kWholeChipEraseMs);
    } else if (Kind("Flash2")) {
        Cmd16(Cmd16::ChipErase);
        SleepMs(kWholeChipEraseMs);
    } else if (Kind("18f2xx0")) {
        EraseStep18(kChipErase2xx0High, kChipErase2xx0Low);
        SleepMs(kWholeChipEraseMs);
    } else {
        EraseStep18(kNoHighByte, kChipEraseXx2xx8Low);
        SleepMs(kWholeChipEraseMs);
    }
    p_.ExitProgMode();
}
