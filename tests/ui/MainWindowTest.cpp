#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/FormBench.h"
#include "ui/main/TLumbroForm.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

const char* kIni = "[Config]\nport=0x378\n"
                   "[PIC16F84A]\nProgMem=1024\nEEProm=64\nRAM=68\nPalConfDef=0x3FF2\n"
                   "[PIC16F876A]\nProgMem=8192\nEEProm=256\nRAM=368\nPalConfDef=0x3F72\n"
                   "Similares=PIC16F877A\n"
                   "[PIC18F452]\nProgMem=32768\nEEProm=256\nRAM=1536\n"
                   "PalConfDef=$2200 $0E0E $0100 $0081 $C00F $E00F $400F\n"
                   "[PIC12F675]\n";

QStringList Captions(QMenu* menu) {
    QStringList captions;
    for (QAction* a : menu->actions()) {
        captions << a->text();
    }
    return captions;
}

QAction* Entry(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions()) {
        if (a->text() == text) {
            return a;
        }
    }
    return nullptr;
}

// Runs `check` on the modal dialog that the next call opens, then closes it.
void OnNextDialog(std::function<void(QDialog*)> check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        check(dialog);
        dialog->accept();
    });
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void StartWithoutDeviceFileShowsTheErrorAndEnds() {
        TempDir dir;
        ScriptedMessages messages;
        MemorySettingsStore settings;
        TLumbroForm form(messages, settings);
        form.SetPortProbe([](uint16_t) { return PortAccess{}; });
        QString ini = QString::fromStdString(dir.File("Pravik.ini"));
        form.Principal(ini);
        QVERIFY(form.EndRequested());
        QCOMPARE(messages.log.size(), size_t{1});
        QCOMPARE(messages.log[0].kind, std::string("error"));
        QCOMPARE(QString::fromStdString(messages.log[0].text),
                 "Fichero de configuración " + ini +
                     " no encontrado. Vuelva a copiar este fichero o instale de nuevo el "
                     "programa.");
    }

    void DriverMessageComesAfterTheDeviceFileMessages() {
        TempDir dir;
        ScriptedMessages messages;
        MemorySettingsStore settings;
        settings.Write("Config", "lastpic", "PIC12F675");
        TLumbroForm form(messages, settings);
        uint16_t probed = 0;
        form.SetPortProbe([&probed](uint16_t base) {
            probed = base;
            PortAccess refused;
            refused.fault = PortFault::PermissionDenied;
            refused.device = "/dev/parport0";
            refused.group = "lp";
            return refused;
        });
        form.Principal(QString::fromStdString(dir.Write("Pravik.ini", "[PIC12F675]\n")));
        const std::vector<std::string> texts = messages.Texts();
        QCOMPARE(texts.size(), size_t{2});
        QCOMPARE(texts[0], std::string("Familia 12 no reconocida"));
        // The driver message, then what to do about the missing permission.
        QCOMPARE(texts[1].substr(0, texts[1].find('\n')),
                 std::string("Falta Driver para el puerto paralelo. Mal rollo."));
        QVERIFY(texts[1].find("/dev/parport0") != std::string::npos);
        QVERIFY(texts[1].find("grupo lp") != std::string::npos);
        QCOMPARE(probed, uint16_t{888});

        // The simulated adapter needs no port: no probe, and the caption says so.
        ScriptedMessages quiet;
        TLumbroForm simulated(quiet, settings);
        simulated.SetPortProbe([](uint16_t) {
            PortAccess missing;
            missing.fault = PortFault::NoParportDriver;
            return missing;
        });
        simulated.Principal(QString::fromStdString(
            dir.Write("Sim.ini", "[Config]\nadapter=simulator\n[PIC16F84A]\n")));
        QVERIFY(quiet.log.empty());
        QCOMPARE(simulated.windowTitle(), QString("Pravik [simulador]"));
    }

    void StartSelectsTheDefaultDeviceAndFillsTheStatusBar() {
        FormBench bench(kIni);
        TLumbroForm& form = *bench.form;
        ScriptedMessages& messages = bench.messages;
        QVERIFY(!form.EndRequested());
        QVERIFY(messages.log.empty());

        auto* devices = form.findChild<QMenu*>("Device1");
        QCOMPARE(Captions(devices),
                 QStringList({"PIC16F84A", "PIC16F876A", "PIC18F452", "PIC12F675"}));
        QVERIFY(Entry(devices, "PIC16F876A")->isChecked());
        QVERIFY(!Entry(devices, "PIC16F84A")->isChecked());
        QCOMPARE(Entry(devices, "PIC16F876A")->toolTip(), QString("PIC16F877A"));
        QCOMPARE(form.findChild<QLabel*>("PICNameLab")->text(), QString("PIC16F876A"));
        QCOMPARE(form.StatusPanel(0), QString("PIC16F876A"));
        QCOMPARE(form.StatusPanel(1), QString("PR=0(8192)"));
        QCOMPARE(form.StatusPanel(2), QString("EE=0(256)"));
        QCOMPARE(form.StatusPanel(3), QString("RA=368"));
        QCOMPARE(form.StatusPanel(4), QString("CONF=3F72"));
        QCOMPARE(form.findChild<QLineEdit*>("EditIdent")->text(), QString("FFFF"));

        auto* grid = form.findChild<QTableView*>("HexEditG");
        QCOMPARE(grid->model()->rowCount(), 512);
        QCOMPARE(grid->model()->headerData(511, Qt::Vertical).toString(), QString("1FF0"));
        QCOMPARE(grid->model()->data(grid->model()->index(0, 0)).toString(), QString("3FFF"));
    }

    void MenusHaveTheirEntriesInOrderAndRecentFilesFromTheStore() {
        TempDir dir;
        ScriptedMessages messages;
        MemorySettingsStore settings;
        settings.Write("Config", "lastfile1", "/tmp/a&b.hex");
        settings.Write("Config", "lastfile2", "/tmp/b.hex");
        TLumbroForm form(messages, settings);
        form.SetPortProbe([](uint16_t) { return PortAccess{}; });
        form.Principal(QString::fromStdString(dir.Write("Pravik.ini", kIni)));
        auto* file = form.findChild<QMenu*>("File1");
        QList<QAction*> entries = file->actions();
        QCOMPARE(entries.size(), 9);
        QCOMPARE(entries[0]->text(), QString("Abrir HEX"));
        QCOMPARE(entries[1]->text(), QString("Guardar como"));
        QVERIFY(entries[2]->isSeparator());
        QCOMPARE(entries[3]->text(), QString("Salir"));
        QVERIFY(entries[4]->isSeparator());
        QCOMPARE(entries[5]->text(), QString("/tmp/a&&b.hex"));
        QVERIFY(entries[5]->isVisible());
        QVERIFY(entries[6]->isVisible());
        QVERIFY(!entries[7]->isVisible());
        QVERIFY(!entries[8]->isVisible());
        // The described entries in their order, then the oscillator calibration of the
        // parts that keep it in program memory.
        QCOMPARE(Captions(form.findChild<QMenu*>("Accin1")),
                 QStringList({"Blank Check", "Verificar PIC", "Escribir PIC", "Leer PIC",
                              "Desproteger PIC", "Configurar PIC", "Borrar Programa",
                              "Calibración del oscilador..."}));
        QCOMPARE(Captions(form.findChild<QMenu*>("Help1")), QStringList({"Sobre Lumbro"}));
    }

    void SelectionAdaptsControlsByFamilyAndRemembersTheDevice() {
        FormBench bench(kIni);
        TLumbroForm& form = *bench.form;
        MemorySettingsStore& settings = bench.settings;
        auto* devices = form.findChild<QMenu*>("Device1");
        Entry(devices, "PIC18F452")->trigger();
        QCOMPARE(settings.Read("Config", "lastpic", ""), std::string("PIC18F452"));
        QVERIFY(Entry(devices, "PIC18F452")->isChecked());
        QVERIFY(!Entry(devices, "PIC16F876A")->isChecked());
        // Family 18 EEPROM and ID bytes are memories of the chip like any other: editable,
        // with room for the sixteen digits of the eight ID bytes.
        QVERIFY(form.findChild<QCheckBox*>("CBmemdatos")->isEnabled());
        QVERIFY(form.findChild<QCheckBox*>("CBident")->isEnabled());
        auto* ident = form.findChild<QLineEdit*>("EditIdent");
        QVERIFY(ident->isEnabled());
        QCOMPARE(ident->maxLength(), 16);
        QVERIFY(ident->width() >= ident->fontMetrics().horizontalAdvance("DDDDDDDDDDDDDDDD"));
        QVERIFY(!ident->geometry().intersects(form.findChild<QLabel*>("Label1")->geometry()));
        auto* datos = form.findChild<QTableView*>("DatosEditG");
        QModelIndex cell = datos->model()->index(0, 0);
        QCOMPARE(datos->model()->data(cell).toString(), QString("FF"));
        QVERIFY(datos->model()->flags(cell) & Qt::ItemIsEditable);
        QCOMPARE(form.StatusPanel(4), QString());

        Entry(devices, "PIC16F84A")->trigger();
        QVERIFY(form.findChild<QCheckBox*>("CBmemdatos")->isEnabled());
        QCOMPARE(ident->maxLength(), 4);
        QVERIFY(datos->model()->flags(datos->model()->index(0, 0)) & Qt::ItemIsEditable);
        QCOMPARE(form.StatusPanel(4), QString("CONF=3FF2"));
    }

    // An unknown family is refused; the device selected before and its unsaved image
    // stay, and the program goes on.
    void UnknownFamilyIsListedAndKeepsThePreviousDeviceWhenChosen() {
        FormBench bench(kIni);
        TLumbroForm& form = *bench.form;
        ScriptedMessages& messages = bench.messages;
        MemorySettingsStore& settings = bench.settings;
        form.show();
        form.Image().EditProgramCell(1, 1, "1234");
        QMenu* devices = form.findChild<QMenu*>("Device1");
        Entry(devices, "PIC12F675")->trigger();
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Familia 12 no reconocida"});
        QVERIFY(!form.EndRequested());
        QVERIFY(form.isVisible());
        QCOMPARE(form.Device().DeviceName, std::string("PIC16F876A"));
        QCOMPARE(QString::fromStdString(form.Image().HexEditG.At(0)), QString("1234"));
        QVERIFY(Entry(devices, "PIC16F876A")->isChecked());
        QVERIFY(!Entry(devices, "PIC12F675")->isChecked());
        QCOMPARE(settings.Read("Config", "lastpic", ""), std::string("PIC16F876A"));
    }

    void RememberedDeviceMissingLeavesEverythingEmpty() {
        TempDir dir;
        ScriptedMessages messages;
        MemorySettingsStore settings;
        settings.Write("Config", "lastpic", "pic16f876a"); // differs only in case
        TLumbroForm form(messages, settings);
        form.SetPortProbe([](uint16_t) { return PortAccess{}; });
        form.Principal(QString::fromStdString(dir.Write("Pravik.ini", kIni)));
        QCOMPARE(form.findChild<QLabel*>("PICNameLab")->text(), QString("PIC"));
        QCOMPARE(form.findChild<QTableView*>("HexEditG")->model()->rowCount(), 0);
        QCOMPARE(form.StatusPanel(1), QString());
        form.ButPalConfClick(); // opens nothing, fills the panels from the empty record
        QCOMPARE(form.StatusPanel(1), QString("PR=0(0)"));
        QCOMPARE(form.StatusPanel(2), QString("EE=0(0)"));
        QCOMPARE(form.StatusPanel(3), QString("RA=0"));
    }

    void CellEditRaisesTheCounterAndThePanelAtOnce() {
        FormBench bench(kIni);
        TLumbroForm& form = *bench.form;
        QAbstractItemModel* model = form.findChild<QTableView*>("HexEditG")->model();
        QVERIFY(model->setData(model->index(2, 4), "12"));
        QCOMPARE(form.StatusPanel(1), QString("PR=37(8192)"));
        QCOMPARE(form.Image().HexEditG.At(0x24), std::string("12"));
        QVERIFY(model->setData(model->index(0, 0), "0000"));
        QCOMPARE(form.StatusPanel(1), QString("PR=37(8192)"));
        QAbstractItemModel* datos = form.findChild<QTableView*>("DatosEditG")->model();
        QVERIFY(datos->setData(datos->index(1, 0), "AB"));
        QCOMPARE(form.StatusPanel(2), QString("EE=17(256)"));
    }

    void ConfigurationOpensTheWindowOfTheFamilyAndConfFollowsTheEdit() {
        FormBench bench(kIni);
        TLumbroForm& form = *bench.form;
        OnNextDialog([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Palabra de Configuración, familia 16"));
            QCOMPARE(dialog->findChild<QLineEdit*>("PalEdit2")->text(), QString("3F72"));
            dialog->findChild<QCheckBox*>("PC13")->click();
            QCOMPARE(dialog->findChild<QLineEdit*>("PalEdit")->text(), QString("1F72"));
        });
        form.findChild<QAction*>("ConfigurarPIC1")->trigger();
        QCOMPARE(form.StatusPanel(4), QString("CONF=1F72"));

        Entry(form.findChild<QMenu*>("Device1"), "PIC18F452")->trigger();
        OnNextDialog([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Palabra de Configuración, familia 18"));
            QCOMPARE(dialog->findChild<QLineEdit*>("EditConf1")->text(), QString("2200"));
            QCOMPARE(dialog->findChild<QLineEdit*>("Edit7")->text(), QString("400F"));
        });
        form.ButPalConfClick();
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
