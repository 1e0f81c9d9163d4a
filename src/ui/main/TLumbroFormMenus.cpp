#include "ui/main/TLumbroForm.h"

#include "devices/DeviceFile.h"
#include "devices/IniFile.h"

#include <QMenu>

#include <QMenuBar>

QString TLumbroForm::Literal(const std::string& text) {
    return QString::fromStdString(text).replace("&", "&&");
}

void TLumbroForm::BuildMenus() {
    menuBar()->setObjectName("MainMenu1");
    File1 = menuBar()->addMenu(tr("Archivo"));
    File1->setObjectName("File1");
    QAction* open = File1->addAction(tr("Abrir HEX"));
    open->setObjectName("Open1");
    connect(open, &QAction::triggered, this, &TLumbroForm::Open1Click);
    QAction* save = File1->addAction(tr("Guardar como"));
    save->setObjectName("SaveAs1");
    connect(save, &QAction::triggered, this, &TLumbroForm::SaveAs1Click);
    File1->addSeparator();
    QAction* exit = File1->addAction(tr("Salir"));
    exit->setObjectName("Exit1");
    connect(exit, &QAction::triggered, this, &TLumbroForm::Exit1Click);
    File1->addSeparator();

    Device1 = menuBar()->addMenu(tr("Dispositivo"));
    Device1->setObjectName("Device1");
    connect(Device1, &QMenu::triggered, this, &TLumbroForm::DeviceEntryClick);

    Accin1 = menuBar()->addMenu(tr("Acción"));
    Accin1->setObjectName("Accin1");
    struct Entry {
        const char* name;
        const char* text;
    };
    static constexpr Entry kActions[] = {
        {"BlanckCheck1", "Blank Check"},
        {"VerificarPIC1", QT_TR_NOOP("Verificar PIC")},
        {"EscribirPIC1", QT_TR_NOOP("Escribir PIC")},
        {"LeerPIC1", QT_TR_NOOP("Leer PIC")},
        {"Desproteger1", QT_TR_NOOP("Desproteger PIC")},
        {"ConfigurarPIC1", QT_TR_NOOP("Configurar PIC")},
        {"BorrarPrograma1", QT_TR_NOOP("Borrar Programa")},
        {"CalibracionPIC1", QT_TR_NOOP("Calibración del oscilador...")},
    };
    for (const Entry& e : kActions) {
        QAction* action = Accin1->addAction(tr(e.text));
        action->setObjectName(e.name);
    }
    connect(Accin1->findChild<QAction*>("ConfigurarPIC1"), &QAction::triggered, this,
            &TLumbroForm::ButPalConfClick);
    connect(Accin1->findChild<QAction*>("CalibracionPIC1"), &QAction::triggered, this,
            &TLumbroForm::CalibracionPIC1Click);

    BuildLanguageMenu();

    Help1 = menuBar()->addMenu(tr("Ayuda"));
    Help1->setObjectName("Help1");
    QAction* about = Help1->addAction(tr("Sobre Lumbro"));
    about->setObjectName("SobreProgramaPIC1");
    connect(about, &QAction::triggered, this, &TLumbroForm::SobreProgramaPIC1Click);
}

void TLumbroForm::LoadDeviceFile() {
    DeviceList list = ReadDeviceList(IniFile::Load(iniPath_.toStdString()));
    portBase_ = list.portBase;
    adapter_ = adapterChoice_.empty() ? list.adapter : adapterChoice_;
    gpioKeys_ = list.gpioKeys;
    lastDir_ = QString::fromStdString(settings_.Read("Config", "lastdir", ""));

    for (size_t i = 0; i < recentEntries_.size(); ++i) {
        std::string caption = settings_.Read("Config", "lastfile" + std::to_string(i + 1), "");
        QAction* entry = File1->addAction(Literal(caption));
        entry->setObjectName(QString("RecentFile%1").arg(i + 1));
        entry->setData(QString::fromStdString(caption));
        entry->setVisible(!caption.empty());
        connect(entry, &QAction::triggered, this, [this, entry] { RecentFileClick(entry); });
        recentEntries_[i] = entry;
    }

    for (const DeviceEntry& d : list.devices) {
        QAction* entry = Device1->addAction(Literal(d.name));
        entry->setData(QString::fromStdString(d.name));
        entry->setCheckable(true);
        entry->setToolTip(QString::fromStdString(d.similares));
        entry->setStatusTip(QString::fromStdString(d.similares));
    }
    std::string lastPic = settings_.Read("Config", "lastpic", "PIC16F876A");

    if (Device1->actions().isEmpty()) {
        messages_.ShowError(tr("Fichero de configuración %1 no encontrado. Vuelva a copiar este "
                               "fichero o instale de nuevo el programa.")
                                .arg(iniPath_)
                                .toStdString());
        RequestEnd();
        return;
    }
    for (QAction* entry : Device1->actions()) {
        if (entry->data().toString().toStdString() == lastPic) {
            SelectDevice(entry);
        }
        if (endRequested_) {
            return;
        }
    }
}
