#include "simulator/SimulatedPort.h"
#include "ui/FormBench.h"

#include <QPushButton>
#include <QTest>

namespace {

std::string Ini(const std::string& config) {
    return "[Config]\nadapter=gpio\n" + config +
           "\n[PIC16F84A]\nProgMem=64\nEEProm=0\nPalConfDef=0x3FF2\nProgramming=Flash\n";
}

} // namespace

// The window on the GPIO adapter: its pin map is checked at start-up and before every
// command, and with gpiochip=simulator its commands go through the header lines to a
// simulated chip.
class GpioWindowTest : public QObject {
    Q_OBJECT

private slots:
    void WriteAndReadThroughTheSimulatedHeader() {
        FormBench bench(Ini("gpiochip=simulator\ngpio_vpp=!GPIO17"), "PIC16F84A");
        TLumbroForm& form = *bench.form;
        QVERIFY(bench.messages.log.empty());
        QCOMPARE(form.windowTitle(), QString("Pravik [simulador]"));
        form.Image().EditProgramCell(1, 1, "2805");
        form.Image().EditProgramCell(2, 1, "0183");
        form.findChild<QPushButton*>("BotonEscribir")->click();
        QCOMPARE(bench.messages.Texts(), std::vector<std::string>{"Operación Completada."});
        QVERIFY(form.SimulatedAdapter() != nullptr);
        QCOMPARE(form.SimulatedAdapter()->Lines(), uint8_t{0x24}); // at rest
        QCOMPARE(form.SimulatedAdapter()->Chip()->TimingViolations().Summary(),
                 std::string("none"));

        form.Image().InitHexEditG(form.Device());
        form.findChild<QPushButton*>("BotonLeer")->click();
        QCOMPARE(
            QString::fromStdString(form.Image().HexEditG.At(0) + " " + form.Image().HexEditG.At(1)),
            QString("2805 0183"));
    }

    void FaultsAtStartUpAndAtEveryCommandRunNothing() {
        FormBench wrong(Ini("gpiochip=simulator\ngpio_vpp=99"), "PIC16F84A");
        const std::string said = wrong.messages.Texts().at(0);
        QCOMPARE(said.substr(0, said.find('\n')),
                 std::string("Falta Driver para el puerto paralelo. Mal rollo."));
        QVERIFY(said.find("La línea 99 de la clave gpio_vpp") != std::string::npos);
        wrong.form->findChild<QPushButton*>("BotonLeer")->click();
        QCOMPARE(wrong.messages.Texts(), (std::vector<std::string>{said, said}));
        QVERIFY(wrong.form->SimulatedAdapter() == nullptr);

        // This machine's kernel, with a chip that is not there.
        TempDir dir;
        FormBench missing(Ini("gpiochip=" + dir.File("gpiochip0")), "PIC16F84A");
        QCOMPARE(missing.form->windowTitle(), QString("Pravik"));
        QCOMPARE(missing.messages.Texts().size(), size_t{1});
        QVERIFY(missing.messages.Texts()[0].find("No existe el chip GPIO " +
                                                 dir.File("gpiochip0")) != std::string::npos);
        missing.form->findChild<QPushButton*>("BotonEscribir")->click();
        QCOMPARE(missing.messages.Texts().size(), size_t{2});
        QCOMPARE(missing.messages.Texts()[1], missing.messages.Texts()[0]);
    }
};

QTEST_MAIN(GpioWindowTest)
#include "GpioWindowTest.moc"
