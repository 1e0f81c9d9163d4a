#pragma once
#include "config/ConfigWords18.h"

#include <QDialog>
#include <array>

class QLineEdit;

// "Palabra de Configuración, familia 18": the seven configuration words to program and
// the device's recommended words, over the ConfigWords18 model.
class TPalConfForm18 : public QDialog {
    Q_OBJECT
public:
    TPalConfForm18(ConfigWords18& model, QWidget* parent = nullptr);
    int Execute();
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Button2Click();

private:
    void EditConfExit(int n);

    ConfigWords18& model_;
    std::array<QLineEdit*, ConfigWords18::kWords> editConf_{};
    std::array<QLineEdit*, ConfigWords18::kWords> edit_{};
};
