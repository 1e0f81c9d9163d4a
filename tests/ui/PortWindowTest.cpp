#include "programmer/DeadPort.h"
#include "ui/FormBench.h"

#include <QPushButton>
#include <QTest>

namespace {

const char* kIni = "[Config]\nport=0x378\nadapter=parport\n[PIC16F84A]\nProgMem=64\nEEProm=0\n";

// The adapter's port as the window gets it: counts what is written, reads a floating line.
class CountingPort : public Port {
public:
    explicit CountingPort(int& writes) : writes_(writes) {}
    void WriteData(uint8_t) override { ++writes_; }
    uint8_t ReadStatus() override { return DeadPort::FloatingStatus; }

private:
    int& writes_;
};

OpenedPort Refused(PortFault fault) {
    OpenedPort opened{std::make_unique<DeadPort>(), PortAccess{}};
    opened.access.fault = fault;
    opened.access.portBase = 0x378;
    opened.access.device = "/dev/parport0";
    opened.access.group = "lp";
    return opened;
}

} // namespace

// The window opens the real port at its first operation; when the port cannot be had it
// says why and runs nothing, and the next command tries again.
class PortWindowTest : public QObject {
    Q_OBJECT

private slots:
    void BusyOrRefusedPortRunsNothingAndIsTriedAgain() {
        FormBench bench(kIni, "PIC16F84A");
        TLumbroForm& form = *bench.form;
        QVERIFY(bench.messages.log.empty());
        std::vector<OpenedPort> answers;
        answers.push_back(Refused(PortFault::Busy));
        answers.push_back(Refused(PortFault::PermissionDenied));
        int opens = 0;
        int writes = 0;
        uint16_t openedBase = 0;
        form.SetPortOpener([&](uint16_t base) {
            openedBase = base;
            ++opens;
            if (opens <= static_cast<int>(answers.size())) {
                return std::move(answers[opens - 1]);
            }
            return OpenedPort{std::make_unique<CountingPort>(writes), PortAccess{}};
        });
        auto* leer = form.findChild<QPushButton*>("BotonLeer");

        leer->click();
        QCOMPARE(opens, 1);
        QCOMPARE(openedBase, uint16_t{0x378});
        QCOMPARE(bench.messages.Texts(),
                 std::vector<std::string>{
                     "El puerto paralelo /dev/parport0 está ocupado: lo está usando otro "
                     "programa. Espere a que termine, o cierre ese programa, y vuelva a "
                     "intentarlo."});
        QVERIFY(form.isEnabled());

        bench.messages.log.clear();
        leer->click();
        QCOMPARE(opens, 2);
        QCOMPARE(bench.messages.log.size(), size_t{1});
        QVERIFY(bench.messages.log[0].text.rfind(
                    "Falta Driver para el puerto paralelo. Mal rollo.\nSu usuario no tiene "
                    "permiso para abrir /dev/parport0. Añádalo al grupo lp",
                    0) == 0);
        QCOMPARE(writes, 0);

        // Once the port is free the operation runs on it, and the window keeps it.
        bench.messages.log.clear();
        leer->click();
        QCOMPARE(opens, 3);
        QVERIFY(writes > 0);
        const int firstRun = writes;
        leer->click();
        QCOMPARE(opens, 3);
        QVERIFY(writes > firstRun);
        for (const auto& record : bench.messages.log) {
            QVERIFY2(record.text.find("puerto") == std::string::npos, record.text.c_str());
        }
    }
};

QTEST_MAIN(PortWindowTest)
#include "PortWindowTest.moc"
