#include "simulator/SimulatedPort.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/FormBench.h"
#include "ui/main/TLumbroForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const char* kIni = "[Config]\nadapter=simulator\n"
                   "[PIC16F84A]\nProgMem=1024\nEEProm=64\nRAM=68\nPalConfDef=0x3FF2\n"
                   "Programming=Flash\n";
// The main window shown on the simulated adapter with a PIC16F84A selected.
struct SimWindow {
    TempDir dir;
    ScriptedMessages messages;
    MemorySettingsStore settings;
    std::unique_ptr<TLumbroForm> form;

    SimWindow() {
        settings.Write("Config", "lastpic", "PIC16F84A");
        form = std::make_unique<TLumbroForm>(messages, settings);
        form->Principal(QString::fromStdString(dir.Write("Pravik.ini", kIni)));
        form->show();
    }
};

} // namespace

// Real windows, real timing, a simulated chip on the adapter.
class OperationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void WriteThenReadThroughTheButtons() {
        SimWindow w;
        TLumbroForm& form = *w.form;
        ScriptedMessages& messages = w.messages;
        form.Image().EditProgramCell(1, 1, "2805");
        form.Image().EditProgramCell(2, 1, "0183");
        form.findChild<QPushButton*>("BotonEscribir")->click();
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Operación Completada."});
        QVERIFY(form.isEnabled());
        QVERIFY(!form.ProgressWindow()->isVisible());
        QVERIFY(form.SimulatedAdapter() != nullptr);
        QCOMPARE(form.SimulatedAdapter()->Lines(), uint8_t{0x24}); // adapter at rest

        form.Image().InitHexEditG(form.Device());
        form.findChild<QPushButton*>("BotonLeer")->click();
        QCOMPARE(
            QString::fromStdString(form.Image().HexEditG.At(0) + " " + form.Image().HexEditG.At(1)),
            QString("2805 0183"));
        QCOMPARE(messages.Texts().back(), std::string("Operación Completada."));
        QCOMPARE(form.StatusPanel(1), QString("PR=1024(1024)"));
    }

    void CancelStopsAWriteAndLeavesTheWindowsUsable() {
        SimWindow w;
        TLumbroForm& form = *w.form;
        ScriptedMessages& messages = w.messages;
        for (int a = 0; a < 400; ++a) {
            form.Image().HexEditG.SetAt(a, "1234");
        }
        form.Image().ProgUsed = 400; // 400 words at 10 ms each: seconds of work
        QElapsedTimer clock;
        qint64 pressedAt = -1;
        // The chip check, the erase and the entries before the first word take about 0.2 s
        // (longer under the sanitizers); the words take 4 s.
        QTimer::singleShot(600, [&] {
            auto* progress = form.ProgressWindow();
            QVERIFY(progress->isVisible());
            QVERIFY(!form.isEnabled());
            QVERIFY(progress->findChild<QLabel*>("Accion")->text().startsWith("Escribiendo"));
            QVERIFY(!form.close()); // no closing in the middle of a write
            // A command clicked while one runs is ignored, not run inside it.
            form.BotonVerificarClick();
            pressedAt = clock.elapsed();
            progress->findChild<QPushButton*>("Button1")->click();
        });
        clock.start();
        form.findChild<QPushButton*>("BotonEscribir")->click();
        const qint64 stoppedAt = clock.elapsed();
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Acción interrumpida."});
        QVERIFY(pressedAt > 0);
        // Cancelar is noticed at the next program location, one 10 ms word later.
        QVERIFY2(stoppedAt - pressedAt < 100, qPrintable(QString::number(stoppedAt - pressedAt)));
        QVERIFY(form.isEnabled());
        QVERIFY(!form.ProgressWindow()->isVisible());
        QCOMPARE(form.SimulatedAdapter()->Lines(), uint8_t{0x24});
    }

    // An empty socket reads all ones: the window says no chip answered instead of
    // calling it blank or written, and shows the ID it read.
    void EmptySocketIsReportedAndTheDeviceIdShown() {
        SimWindow w;
        TLumbroForm& form = *w.form;
        ScriptedMessages& messages = w.messages;
        form.findChild<QPushButton*>("BotonLeer")->click();
        QCOMPARE(form.StatusPanel(5), QString("ID=0563"));
        form.SimulatedAdapter()->SetChipPresent(false);
        messages.log.clear();
        form.findChild<QPushButton*>("BotonEscribir")->click();
        QCOMPARE(messages.Texts().size(), size_t{1});
        QVERIFY(messages.Texts()[0].rfind("No responde ningún PIC (ID leído: 3FFF).", 0) == 0);
        QCOMPARE(form.StatusPanel(5), QString("ID=3FFF"));
        QVERIFY(form.isEnabled());
        QVERIFY(!form.ProgressWindow()->isVisible());
    }
};

QTEST_MAIN(OperationWindowTest)
#include "OperationWindowTest.moc"
