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
#include <QTimer>
#include <QtTest>

namespace {
const char* kIni = "[Config]\nadapter=simulator\n"
                   "[PIC16F84A]\nProgMem=1024\nEEProm=64\nRAM=68\nPalConfDef=0x3FF2\n"
                   "Programming=Flash\n";
} // namespace

// Real windows, real timing, a simulated chip on the adapter.
class OperationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void WriteThenReadThroughTheButtons() {
        TempDir dir;
        ScriptedMessages messages;
        MemorySettingsStore settings;
        settings.Write("Config", "lastpic", "PIC16F84A");
        TLumbroForm form(messages, settings);
        form.Principal(QString::fromStdString(dir.Write("Pravik.ini", kIni)));
        form.show();
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
        TempDir dir;
        ScriptedMessages messages;
        MemorySettingsStore settings;
        settings.Write("Config", "lastpic", "PIC16F84A");
        TLumbroForm form(messages, settings);
        form.Principal(QString::fromStdString(dir.Write("Pravik.ini", kIni)));
        form.show();
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
            pressedAt = clock.elapsed();
            progress->findChild<QPushButton*>("Button1")->click();
        });
        clock.start();
        form.findChild<QPushButton*>("BotonEscribir")->click();
        const qint64 stoppedAt = clock.elapsed();
        QCOMPARE(QString::fromStdString(messages.Texts().empty() ? "" : messages.Texts()[0]),
                 QString("Acción interrumpida."));
        QVERIFY(pressedAt > 0);
        // Cancelar is noticed at the next program location, one 10 ms word later.
        QVERIFY2(stoppedAt - pressedAt < 100, qPrintable(QString::number(stoppedAt - pressedAt)));
        QVERIFY(form.isEnabled());
        QVERIFY(!form.ProgressWindow()->isVisible());
        QCOMPARE(form.SimulatedAdapter()->Lines(), uint8_t{0x24});
    }
};

QTEST_MAIN(OperationWindowTest)
#include "OperationWindowTest.moc"
