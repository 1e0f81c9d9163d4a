#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/main/TLumbroForm.h"
#include "ui/qt/QtSettingsStore.h"

#include <QLabel>
#include <QTest>

// The per-user store on a configuration directory that cannot be created: settings are
// lost, nothing else is.
class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The configuration directory would live under a regular file: no one, root
        // included, can create it.
        blocker_ = dir_.Write("not-a-directory", "x");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(blocker_ + "/config"));
    }

    void UnwritableStoreLosesSettingsButTheProgramWorks() {
        QtSettingsStore store;
        store.Write("Config", "lastpic", "PIC16F84A");
        QCOMPARE(store.Read("Config", "lastpic", "none"), std::string("none"));

        ScriptedMessages messages;
        TLumbroForm form(messages, store);
        form.SetPortProbe([](uint16_t) { return PortAccess{}; });
        form.Principal(QString::fromStdString(
            dir_.Write("Pravik.ini", "[PIC16F876A]\nProgMem=8192\nEEProm=256\n")));
        QVERIFY(!form.EndRequested());
        QVERIFY(messages.log.empty());
        QCOMPARE(form.findChild<QLabel*>("PICNameLab")->text(), QString("PIC16F876A"));
        form.Image().EditProgramCell(1, 1, "0001");
        form.SaveHexFile(QString::fromStdString(dir_.File("out.hex")));
        QVERIFY(messages.log.empty());
        QVERIFY(QFile::exists(QString::fromStdString(dir_.File("out.hex"))));
    }

    // Settings live beside the user's device file, <config>/pravik/Pravik.conf. Those an
    // earlier version kept in <config>/Pravik/Pravik.conf are taken over once, and the
    // command line reads the same store.
    void SettingsShareTheDeviceFilesFolderAndOldOnesAreKept() {
        TempDir config;
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.Path()));
        config.Write("Pravik/Pravik.conf", "[Config]\nlastpic=PIC16F628\nlastdir=/work\n");
        {
            QtSettingsStore store;
            QCOMPARE(store.Read("Config", "lastpic", ""), std::string("PIC16F628"));
            store.Write("Config", "lastpic", "PIC16F84A");
        }
        QVERIFY(QFile::exists(QString::fromStdString(config.File("pravik/Pravik.conf"))));
        QtSettingsStore later; // the old file is read once: the new choice stays
        QCOMPARE(later.Read("Config", "lastpic", ""), std::string("PIC16F84A"));
        QCOMPARE(later.Read("Config", "lastdir", ""), std::string("/work"));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(blocker_ + "/config"));
    }

private:
    TempDir dir_;
    std::string blocker_;
};

QTEST_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
