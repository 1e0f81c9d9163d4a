#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/FormBench.h"
#include "ui/main/TLumbroForm.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <fstream>

namespace {

const char* kIni = "[Config]\nport=0x378\n"
                   "[PIC16F876A]\nProgMem=8192\nEEProm=256\nRAM=368\nPalConfDef=0x3F72\n"
                   "[PIC18F452]\nProgMem=32768\nEEProm=256\nRAM=1536\n";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

} // namespace

class HexFilesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void OpeningAFileFillsTheImageCaptionRecentListAndDirectory() {
        TempDir dir;
        ScriptedMessages messages;
        MemorySettingsStore settings;
        settings.Write("Config", "lastfile1", "/old/one.hex");
        TLumbroForm form(messages, settings);
        form.SetPortProbe([](uint16_t) { return PortAccess{}; });
        form.Principal(QString::fromStdString(dir.Write("Pravik.ini", kIni)));
        std::string hex = dir.Write("prog.hex", ":0400000034127856E8\n:02400E00723FFF\n"
                                                ":00000001FF\n");
        form.LoadHexFile(QString::fromStdString(hex));
        QVERIFY(messages.log.empty());
        QCOMPARE(form.windowTitle(), QString("Pravik - prog.hex"));
        QCOMPARE(form.Image().HexEditG.At(1), std::string("5678"));
        QCOMPARE(form.StatusPanel(1), QString("PR=2(8192)"));
        QCOMPARE(form.StatusPanel(4), QString("CONF=3F72"));
        QCOMPARE(settings.Read("Config", "lastfile1", ""), hex);
        QCOMPARE(settings.Read("Config", "lastfile2", ""), std::string("/old/one.hex"));
        QCOMPARE(settings.Read("Config", "lastdir", ""), dir.Path());
        QList<QAction*> file = form.findChild<QMenu*>("File1")->actions();
        QCOMPARE(file[5]->text(), QString::fromStdString(hex));
        QVERIFY(file[6]->isVisible());

        // "Reabre Hex" loads slot 1 again, after the user edited the image.
        form.Image().EditProgramCell(2, 1, "0000");
        form.BotonReabreClick();
        QCOMPARE(form.Image().HexEditG.At(1), std::string("5678"));
        QVERIFY(form.isEnabled());
    }

    void UnreadableFileChangesNothing() {
        FormBench bench(kIni);
        TLumbroForm& form = *bench.form;
        ScriptedMessages& messages = bench.messages;
        MemorySettingsStore& settings = bench.settings;
        TempDir& dir = bench.dir;
        form.Image().EditProgramCell(1, 1, "1111");
        form.LoadHexFile(QString::fromStdString(dir.File("gone.hex")));
        form.LoadHexFile(QString::fromStdString(dir.Path()));
        QCOMPARE(messages.Texts(), (std::vector<std::string>{"No se puede leer el fichero HEX.",
                                                             "No se puede leer el fichero HEX."}));
        QCOMPARE(form.Image().HexEditG.At(0), std::string("1111"));
        QCOMPARE(form.windowTitle(), QString("Pravik"));
        QCOMPARE(settings.Read("Config", "lastfile1", ""), std::string());
    }

    void SavingWritesTheImageAndReportsFailures() {
        FormBench bench(kIni);
        TLumbroForm& form = *bench.form;
        ScriptedMessages& messages = bench.messages;
        MemorySettingsStore& settings = bench.settings;
        TempDir& dir = bench.dir;
        form.Image().EditProgramCell(1, 1, "2a5");
        form.SaveHexFile(QString::fromStdString(dir.File("out.hex")));
        QVERIFY(messages.log.empty());
        std::string text = ReadAll(dir.File("out.hex"));
        QVERIFY(text.rfind(":20000000A502FF3F", 0) == 0);
        QVERIFY(text.find(":02400E00723FFF\r\n") != std::string::npos);
        QCOMPARE(settings.Read("Config", "lastdir", ""), dir.Path());

        form.Image().EditProgramCell(2, 1, "zz");
        form.SaveHexFile(QString::fromStdString(dir.File("out.hex")));
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{
                     "Error en los códigos de programa (fuera de rango), dir: 0001"});
        QCOMPARE(ReadAll(dir.File("out.hex")), text); // the old file is untouched

        messages.log.clear();
        form.Image().EditProgramCell(2, 1, "0");
        form.SaveHexFile(QString::fromStdString(dir.File("no/such/dir/out.hex")));
        QCOMPARE(messages.Texts(), std::vector<std::string>{"No se puede crear el fichero."});
        QCOMPARE(settings.Read("Config", "lastdir", ""), dir.File("no/such/dir"));
    }

    // A family 18 image is saved with its IDs, configuration and EEPROM, and loads back.
    void Family18SavesEveryMemory() {
        FormBench bench(kIni, "PIC18F452");
        TLumbroForm& form = *bench.form;
        form.Image().EditProgramCell(1, 1, "5a");
        form.Image().EditDataCell(4, 1, "A5");
        form.Image().EditIdent = "0102030405060708";
        form.Config18().EditConf[1] = "0E0E";
        const QString path = QString::fromStdString(bench.dir.File("f18.hex"));
        form.SaveHexFile(path);
        form.Image().InitHexEditG(form.Device());
        form.Image().InitDatosEditG(form.Device());
        form.Image().EditIdent = "FFFF";
        form.Config18().EditConf[1] = "FFFF";
        form.LoadHexFile(path);
        QCOMPARE(bench.messages.Texts(), std::vector<std::string>{});
        QCOMPARE(QString::fromStdString(form.Image().HexEditG.At(0)), QString("5A"));
        QCOMPARE(QString::fromStdString(form.Image().DatosEditG.At(3)), QString("A5"));
        QCOMPARE(QString::fromStdString(form.Image().EditIdent), QString("0102030405060708"));
        QCOMPARE(QString::fromStdString(form.Config18().EditConf[1]), QString("0E0E"));
        QCOMPARE(form.findChild<QLineEdit*>("EditIdent")->text(), QString("0102030405060708"));
    }
};

QTEST_MAIN(HexFilesWindowTest)
#include "HexFilesWindowTest.moc"
