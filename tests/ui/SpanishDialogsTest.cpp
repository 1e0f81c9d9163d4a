#include "ui/FormBench.h"
#include "ui/dialogs/TAboutForm.h"
#include "ui/qt/QtSpanish.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

namespace {
QStringList Texts(const QWidget& parent) {
    QStringList texts;
    for (const QLabel* label : parent.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QAbstractButton* button : parent.findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    return texts;
}
} // namespace

// With Qt's Spanish translation installed, as the window program does at start-up, Qt's
// own dialogs speak Spanish and the program's texts stay as written.
class SpanishDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void QtDialogsInSpanishProgramTextsUnchanged() {
        FormBench bench("[PIC16F84A]\n", "PIC16F84A");
        TAboutForm about;
        const QStringList mainBefore = Texts(*bench.form);
        const QStringList aboutBefore = Texts(about);

        QTranslator translator;
        QVERIFY2(InstallQtSpanish(translator), "qtbase_es not found (qt6-translations-l10n)");

        QMessageBox box(QMessageBox::Critical, "Pravik", "texto", QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text().remove('&'), QString("Aceptar"));
        QMessageBox question(QMessageBox::Warning, "Pravik", "texto",
                             QMessageBox::Abort | QMessageBox::Ignore);
        QCOMPARE(question.button(QMessageBox::Abort)->text().remove('&'), QString("Interrumpir"));
        QCOMPARE(question.button(QMessageBox::Ignore)->text().remove('&'), QString("Ignorar"));

        QFileDialog dialog(nullptr, "Abre fichero HEX");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QStringList dialogTexts = Texts(dialog);
        for (const char* spanish : {"Ver en:", "&Nombre de fichero:", "&Abrir", "Cancelar"}) {
            QVERIFY2(dialogTexts.contains(spanish), qPrintable(dialogTexts.join('|')));
        }
        for (const char* english : {"Look in:", "File &name:", "&Open", "Cancel"}) {
            QVERIFY2(!dialogTexts.contains(english), qPrintable(dialogTexts.join('|')));
        }

        // The program's own texts, the About window's "OK" included, are not translated.
        QCOMPARE(Texts(*bench.form), mainBefore);
        QCOMPARE(Texts(about), aboutBefore);
        QVERIFY(aboutBefore.contains("OK"));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(SpanishDialogsTest)
#include "SpanishDialogsTest.moc"
