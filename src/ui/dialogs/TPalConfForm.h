#pragma once
#include "config/ConfigWord16.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// "Palabra de Configuración, familia 16": one check box per bit, the oscillator choice,
// the word in hex and the device's recommended word, over the ConfigWord16 model.
class TPalConfForm : public QDialog {
    Q_OBJECT
public:
    TPalConfForm(ConfigWord16& model, QWidget* parent = nullptr);
    // Shows the window modally.
    int Execute();
    // Shows the model's current state (after a selection, a HEX load or a device read).
    void Refresh();

private slots:
    void PCClick();
    void GroupBox1Click();
    void Button2Click();
    void PalEditEdited(const QString& text);
    void Word2Clicked();
    void Word2Edited(const QString& text);

private:
    void BuildLegend();
    void BuildWord2();
    void RefreshWord2();

    ConfigWord16& model_;
    std::array<QCheckBox*, ConfigWord16::kBits> pc_{};
    std::array<QRadioButton*, 4> osc_{};
    QLineEdit* PalEdit = nullptr;
    QLineEdit* PalEdit2 = nullptr;
    // The second configuration word (2008h), shown only for devices that have one.
    QGroupBox* word2Box_ = nullptr;
    QLineEdit* PalEditW2 = nullptr;
    QLineEdit* PalEditW2Def = nullptr;
    static constexpr int kWord2Boxes = 3;
    std::array<QCheckBox*, kWord2Boxes> word2Checks_{};
    std::array<int, kWord2Boxes> word2Bits_{};
};
