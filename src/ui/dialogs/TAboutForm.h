#pragma once
#include <QDialog>

// "Sobre Pravik": title, version and credits, closed with OK.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

private slots:
    void okbutClick();
};
