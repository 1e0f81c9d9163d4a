// What a user meets in the window on the simulated adapter: the blank read after an erase
// belongs to the command, the identifier field is what is saved and written, a file for a
// bigger part asks once, the chip's ID does not outlive its device, and the program can
// be tried from its command line without a parallel port.
#include "image/HexWriter.h"
#include "simulator/SimulatedPort.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/app/WindowOptions.h"
#include "ui/main/TLumbroForm.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

namespace {

std::string ShippedIni(const std::string& adapter) {
    std::ifstream in(PRAVIK_SOURCE_DIR "/data/Pravik.ini");
    std::stringstream text;
    text << in.rdbuf();
    std::string ini = text.str();
    ini.replace(ini.find("adapter=parport"), 15, "adapter=" + adapter);
    return ini;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// The main window on the shipped device file, with the adapter the test names.
struct Window {
    TempDir dir;
    ScriptedMessages messages;
    MemorySettingsStore settings;
    std::unique_ptr<TLumbroForm> form;

    explicit Window(const std::string& device, const std::string& adapter = "simulator",
                    const std::function<void(TLumbroForm&)>& before = {}) {
        settings.Write("Config", "lastpic", device);
        form = std::make_unique<TLumbroForm>(messages, settings);
        form->SetPortProbe([](uint16_t) { return PortAccess{}; });
        if (before) {
            before(*form);
        }
        form->Principal(QString::fromStdString(dir.Write("Pravik.ini", ShippedIni(adapter))));
        form->show();
    }
    void Select(const QString& device) {
        for (QAction* a : form->findChild<QMenu*>("Device1")->actions()) {
            if (a->text() == device) {
                a->trigger();
            }
        }
    }
    void Run(const char* action) { form->findChild<QAction*>(action)->trigger(); }
    void Tick(const char* box, bool on) { form->findChild<QCheckBox*>(box)->setChecked(on); }
};

} // namespace

class WindowSafetyTest : public QObject {
    Q_OBJECT

private slots:
    // "Borrar Programa" reads the whole chip back after the erase: the window stays
    // disabled (no closing, no other device) and "Cancelar" stops that read too.
    void EraseCheckKeepsTheWindowDisabledAndCancelStopsIt() {
        Window w("PIC16F877A");
        TLumbroForm& form = *w.form;
        w.messages.yesAnswers = {true};
        bool pressed = false;
        bool enabledDuringCheck = true;
        bool closedDuringCheck = true;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QDialog* progress = form.ProgressWindow();
            const QString action = progress->findChild<QLabel*>("Accion")->text();
            if (!pressed && progress->isVisible() && action.startsWith("Comprobando Borrado")) {
                enabledDuringCheck = form.isEnabled();
                closedDuringCheck = form.close();
                progress->findChild<QPushButton*>("Button1")->click();
                pressed = true;
            }
        });
        watch.start(0);
        w.Run("BorrarPrograma1");
        watch.stop();
        QVERIFY(pressed);
        QVERIFY(!enabledDuringCheck);
        QVERIFY(!closedDuringCheck);
        QCOMPARE(w.messages.Texts(),
                 (std::vector<std::string>{
                     "Se borrará todo el contenido del programa. ¿Desea continuar?",
                     "Acción interrumpida."}));
        QVERIFY(form.isEnabled());
        QVERIFY(!form.ProgressWindow()->isVisible());
        QCOMPARE(form.SimulatedAdapter()->Lines(), uint8_t{0x24});
    }

    // The sixteen ID digits of a PIC18 become the four the field shows when a PIC16 is
    // chosen, and those four are what "Guardar como" saves and "Escribir" writes.
    void IdentifierOfAFamily18PartBecomesTheFourDigitsShown() {
        Window w("PIC18F452");
        TLumbroForm& form = *w.form;
        const std::string hex =
            w.dir.Write("ids.hex", ":020000040020DA\n" + HexRecord(0, "00", "0102030405060708") +
                                       "\n:00000001FF\n");
        form.LoadHexFile(QString::fromStdString(hex));
        auto* field = form.findChild<QLineEdit*>("EditIdent");
        QCOMPARE(field->text(), QString("0102030405060708"));

        w.Select("PIC16F876A");
        QCOMPARE(field->text(), QString("0102"));
        QCOMPARE(form.Image().EditIdent, std::string("0102"));
        form.Image().EditProgramCell(1, 1, "0001");
        const std::string saved = w.dir.File("saved.hex");
        form.SaveHexFile(QString::fromStdString(saved));
        QVERIFY(ReadAll(saved).find(HexRecord(0x4000, "00", "0000010000000200")) !=
                std::string::npos);

        w.Tick("CBident", true);
        w.messages.log.clear();
        form.findChild<QPushButton*>("BotonEscribir")->click();
        QCOMPARE(w.messages.Texts(), std::vector<std::string>{"Operación Completada."});
        Sim::Target& chip = *form.SimulatedAdapter()->Chip();
        const uint32_t ids[] = {0x3F82, 0x3F80, 0x3F81, 0x3F80}; // 2000h: lowest digit
        for (uint32_t i = 0; i < 4; ++i) {
            QCOMPARE(chip.Peek(Sim::Space::Id, i), ids[i]);
        }
    }

    // A file for a 16F877A opened with a 16F84A selected: one question for the whole
    // file, one line counting what was left out.
    void FileForABiggerPartAsksOnce() {
        Window w("PIC16F84A");
        std::string text = HexRecord(0, "00", "0528") + "\n";
        for (uint32_t word = 0x400; word < 0x2000; word += 0x100) {
            text += HexRecord(2 * word, "00", "01020304") + "\n";
        }
        const std::string hex = w.dir.Write("f877a.hex", text + ":00000001FF\n");
        w.messages.abortAnswers = {true};
        w.form->LoadHexFile(QString::fromStdString(hex));
        QCOMPARE(w.messages.Texts(),
                 (std::vector<std::string>{"Hex File: dirección fuera de rango",
                                           "Hex File: 56 datos fuera de rango no se han "
                                           "cargado."}));
        QCOMPARE(w.form->Image().HexEditG.At(0), std::string("2805"));
        QVERIFY(w.form->isEnabled());
    }

    // The status panel shows the ID of the chip the last command read, for the device it
    // was read as; choosing another device clears it.
    void ChipIdIsClearedWhenAnotherDeviceIsChosen() {
        Window w("PIC16F84A");
        w.form->findChild<QPushButton*>("BotonLeer")->click();
        QCOMPARE(w.form->StatusPanel(5), QString("ID=0563"));
        w.Select("PIC16F876A");
        QCOMPARE(w.form->StatusPanel(5), QString());
    }

    // A part that takes 12 V on a 13 V adapter: the first command asks, once per
    // selection; a PIC12F675 shows its oscillator calibration once a command read it, and
    // takes the one the user gives instead.
    void ProgrammingVoltageAndOscillatorCalibration() {
        Window w("PIC16F887");
        const std::string question =
            "El PIC16F887 admite como máximo 12 V en MCLR y el adaptador da 13 V. ¿Desea "
            "continuar?";
        w.messages.yesAnswers = {false};
        w.form->findChild<QPushButton*>("BotonLeer")->click();
        QCOMPARE(w.messages.Texts(), std::vector<std::string>{question});
        w.messages.log.clear();
        w.messages.yesAnswers = {true};
        w.form->findChild<QPushButton*>("BotonLeer")->click();
        w.form->findChild<QPushButton*>("BotonLeer")->click();
        QCOMPARE(w.messages.Texts(), (std::vector<std::string>{question, "Operación Completada.",
                                                               "Operación Completada."}));

        w.Select("PIC12F675");
        QVERIFY(w.form->findChild<QAction*>("CalibracionPIC1")->isEnabled());
        w.form->findChild<QPushButton*>("BotonLeer")->click();
        const uint32_t osccal =
            w.form->SimulatedAdapter()->Chip()->Peek(Sim::Space::Program, 0x3FF);
        QCOMPARE(w.form->StatusPanel(6),
                 QString("OSC=%1").arg(osccal, 4, 16, QChar('0')).toUpper());
        w.messages.textAnswers = {std::string("3480 1")};
        w.Run("CalibracionPIC1");
        w.messages.yesAnswers = {true};
        w.Run("BorrarPrograma1");
        QCOMPARE(w.messages.Texts().back(), std::string("Programa borrado."));
        QCOMPARE(w.form->SimulatedAdapter()->Chip()->Peek(Sim::Space::Program, 0x3FF), 0x3480u);
        w.Select("PIC16F887");
        QVERIFY(!w.form->findChild<QAction*>("CalibracionPIC1")->isEnabled());
    }

    // The installed program on a machine without a parallel port: --adapter simulator
    // and a chip file that keeps the chip between runs, whatever device the device file
    // and the settings name.
    void CommandLineChoosesTheSimulatorAndKeepsTheChip() {
        QCOMPARE(ParseWindowOptions({"--adapter", "usb"}).error,
                 std::string("adaptador desconocido 'usb' (parport, gpio o simulator)"));
        QCOMPARE(ParseWindowOptions({"--chip", "c.hex"}).error,
                 std::string("--chip necesita --adapter simulator (o gpio con "
                             "gpiochip=simulator)"));
        QCOMPARE(ParseWindowOptions({"--bogus"}).error, std::string("opción desconocida --bogus"));
        const WindowOptions o = ParseWindowOptions({"--adapter=simulator", "--chip", "c.hex"});
        QVERIFY(o.error.empty());
        QCOMPARE(o.chipFile, std::string("c.hex"));

        TempDir chips;
        const std::string chip = chips.File("chip.hex");
        auto onChipFile = [&](TLumbroForm& f) {
            f.SetAdapterChoice("simulator");
            f.SetChipFile(chip);
        };
        {
            Window w("PIC16F84A", "parport", onChipFile);
            QVERIFY(w.form->windowTitle().endsWith(" [simulador]"));
            w.form->Image().EditProgramCell(1, 1, "2805");
            w.form->findChild<QPushButton*>("BotonEscribir")->click();
            QCOMPARE(w.messages.Texts(), std::vector<std::string>{"Operación Completada."});
        }
        // Another run with another device selected: the socket still holds the 16F84A,
        // which the chip check tells apart.
        Window again("PIC16F876A", "parport", onChipFile);
        again.form->findChild<QPushButton*>("BotonLeer")->click();
        QVERIFY(again.messages.Texts().back().rfind(
                    "El dispositivo conectado no parece un PIC16F876A (ID 0560", 0) == 0);
        again.Select("PIC16F84A");
        again.form->findChild<QPushButton*>("BotonLeer")->click();
        QCOMPARE(again.form->Image().HexEditG.At(0), std::string("2805"));
        QCOMPARE(again.messages.Texts().back(), std::string("Operación Completada."));
    }
};

QTEST_MAIN(WindowSafetyTest)
#include "WindowSafetyTest.moc"
