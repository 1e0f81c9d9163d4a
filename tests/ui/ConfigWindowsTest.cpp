#include "ui/dialogs/TPalConfForm.h"
#include "ui/dialogs/TPalConfForm18.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The configuration windows edit their models the way a user does: clicks, typing,
// leaving a field.
class ConfigWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void Family16BoxesRadiosAndApply() {
        ConfigWord16 model;
        model.SetBitNames("CP - DEBUG WRT1 WRT0 CPD LVP BOREN - - _PWRTE WDTE FOSC1 FOSC0");
        model.SetConfigWord(0x3F72);
        model.PalEdit2 = "3F72";
        TPalConfForm form(model);
        form.Refresh();
        auto* palEdit = form.findChild<QLineEdit*>("PalEdit");
        QCOMPARE(palEdit->text(), QString("3F72"));
        QCOMPARE(form.findChild<QCheckBox*>("PC13")->text(), QString("CP "));
        QVERIFY(form.findChild<QRadioButton*>("Osc2")->isChecked());
        QVERIFY(!form.findChild<QCheckBox*>("PC0")->isEnabled());

        form.findChild<QRadioButton*>("Osc1")->click();
        QCOMPARE(palEdit->text(), QString("3F71"));
        form.findChild<QCheckBox*>("PC3")->click();
        QCOMPARE(palEdit->text(), QString("3F79"));
        QCOMPARE(model.GetConfigWord(), 0x3F79);

        palEdit->clear();
        QTest::keyClicks(palEdit, "3ff0");
        QCOMPARE(palEdit->text(), QString("3FF0")); // upper case as typed
        form.findChild<QPushButton*>("Button2")->click();
        QVERIFY(form.findChild<QRadioButton*>("Osc0")->isChecked());
        QCOMPARE(model.GetConfigWord(), 0x3FF0);

        palEdit->clear();
        QTest::keyClicks(palEdit, "zz");
        form.findChild<QPushButton*>("Button2")->click();
        QCOMPARE(palEdit->text(), QString("3FF0")); // back to the last word applied
    }

    // The 16F87/88 second word: hidden for other parts; its named bits are boxes and its
    // value can be typed.
    void Family16SecondWord() {
        ConfigWord16 model;
        TPalConfForm form(model);
        form.show();
        form.Refresh();
        QVERIFY(!form.findChild<QWidget*>("Word2Box")->isVisible());

        model.HasWord2 = true;
        model.Word2 = 0x3FFF;
        model.Word2Default = "3FFF";
        model.SetBitNames2("- - - - - - - - - - - - IESO FCMEN");
        form.Refresh();
        QVERIFY(form.findChild<QWidget*>("Word2Box")->isVisible());
        auto* fcmen = form.findChild<QCheckBox*>("PW2_1");
        QCOMPARE(form.findChild<QCheckBox*>("PW2_0")->text(), QString("IESO"));
        QCOMPARE(fcmen->text(), QString("FCMEN"));
        QVERIFY(!form.findChild<QCheckBox*>("PW2_2")->isVisible());
        fcmen->click();
        QCOMPARE(model.Word2, 0x3FFE);
        auto* edit = form.findChild<QLineEdit*>("PalEditW2");
        QCOMPARE(edit->text(), QString("3FFE"));
        edit->clear();
        QTest::keyClicks(edit, "3ffc");
        QCOMPARE(model.Word2, 0x3FFC);
        QVERIFY(!form.findChild<QCheckBox*>("PW2_0")->isChecked());
        QCOMPARE(form.findChild<QLineEdit*>("PalEditW2Def")->text(), QString("3FFF"));
        QCOMPARE(model.GetConfigWord(), 0); // the first word is left alone
    }

    void Family18FieldsNormaliseWhenLeftAndRecommendedRestores() {
        ConfigWords18 model;
        model.SetDefaultWords("$2200 $0E0E $0100 $0081 $C00F $E00F $400F");
        TPalConfForm18 form(model);
        form.Refresh();
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* word3 = form.findChild<QLineEdit*>("EditConf3");
        auto* word1 = form.findChild<QLineEdit*>("EditConf1");
        word3->setFocus();
        word3->clear();
        QTest::keyClicks(word3, "12");
        word1->setFocus(); // leaving the field
        QCOMPARE(word3->text(), QString("0012"));
        QCOMPARE(model.EditConf[2], std::string("0012"));
        word1->clear();
        word3->setFocus();
        QCOMPARE(word1->text(), QString("FFFF"));

        form.findChild<QPushButton*>("Button2")->click();
        QCOMPARE(word1->text(), QString("2200"));
        QCOMPARE(word3->text(), QString("0100"));
        QVERIFY(!form.findChild<QLineEdit*>("Edit3")->isEnabled());
    }
};

QTEST_MAIN(ConfigWindowsTest)
#include "ConfigWindowsTest.moc"
