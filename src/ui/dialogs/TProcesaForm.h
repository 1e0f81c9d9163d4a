#pragma once
#include "operations/ProgressText.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// "Procesando Micro": what the running operation does and where, how much of program
// memory and EEPROM is in use, a bar of how far it has come, and "Cancelar".
class TProcesaForm : public QDialog {
    Q_OBJECT
public:
    explicit TProcesaForm(QWidget* parent = nullptr);

    void Show(const ProgressText& text, int32_t address, int32_t limit);
    bool CancelRequested() const { return cancelRequested_; }
    void ClearCancel() { cancelRequested_ = false; }

public slots:
    void Button1Click();

protected:
    void reject() override; // Escape does not close the window during an operation

private:
    QLabel* Accion = nullptr;
    QLabel* Dir = nullptr;
    QLabel* MaxProg = nullptr;
    QLabel* MaxEEProm = nullptr;
    QProgressBar* Progreso = nullptr;
    QPushButton* Button1 = nullptr;
    bool cancelRequested_ = false;
};
