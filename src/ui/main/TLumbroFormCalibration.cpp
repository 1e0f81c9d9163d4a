#include "common/HexText.h"
#include "operations/OperationEngine.h"
#include "parts/PartModule.h"
#include "ui/main/TLumbroForm.h"

#include <sstream>

namespace {
constexpr int32_t kRetlwMask = 0x3C00; // RETLW k: 11 01xx kkkk kkkk
constexpr int32_t kRetlw = 0x3400;
constexpr int32_t kMaxBandGap = 3;

// "3480 2", "3480" or "": OSCCAL (a RETLW) and the band-gap bits; false when the text is
// neither.
bool ParseCalibration(const std::string& text, int32_t& osccal, int32_t& bandGap) {
    std::istringstream words(text);
    std::string first;
    std::string second;
    std::string rest;
    words >> first >> second >> rest;
    osccal = -1;
    bandGap = -1;
    if (first.empty()) {
        return true;
    }
    int64_t word = 0;
    if (!rest.empty() || first.size() > 4 || !ParseHex(first, word) ||
        (word & kRetlwMask) != kRetlw) {
        return false;
    }
    osccal = static_cast<int32_t>(word);
    if (second.empty()) {
        return true;
    }
    if (second.size() != 1 || second[0] < '0' || second[0] - '0' > kMaxBandGap) {
        return false;
    }
    bandGap = second[0] - '0';
    return true;
}
} // namespace

void TLumbroForm::CalibracionPIC1Click() {
    if (!MakePart(device_)->KeepsCalibration()) {
        return;
    }
    std::string current;
    if (osccalGiven_ >= 0) {
        current =
            Hex(osccalGiven_, 4) + (bandGapGiven_ >= 0 ? " " + std::to_string(bandGapGiven_) : "");
    }
    const std::optional<std::string> answer = messages_.AskText(
        tr("OSCCAL (instrucción RETLW, de 3400 a 37FF) y bits BG (0 a 3) que se escribirán en el "
           "%1 al borrarlo o escribirlo, en lugar de los que tenga el chip (por ejemplo «3480 "
           "2»). Vacío: los del chip.")
            .arg(QString::fromStdString(device_.DeviceName))
            .toStdString(),
        current);
    if (!answer) {
        return;
    }
    int32_t osccal = -1;
    int32_t bandGap = -1;
    if (!ParseCalibration(*answer, osccal, bandGap)) {
        messages_.ShowError(tr("Calibración no válida: «%1». Escriba OSCCAL en hexadecimal (de "
                               "3400 a 37FF) y, si quiere, los bits BG (0 a 3) separados por un "
                               "espacio.")
                                .arg(QString::fromStdString(*answer))
                                .toStdString());
        return;
    }
    osccalGiven_ = osccal;
    bandGapGiven_ = bandGap;
    if (engine_) {
        engine_->SetCalibration(osccal, bandGap);
    }
}
