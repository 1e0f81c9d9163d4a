#include "support/TempDir.h"
#include "ui/dialogs/TPalConfForm.h"
#include "ui/dialogs/TPalConfForm18.h"
#include "ui/main/TLumbroForm.h"
#include "ui/qt/QtLanguage.h"
#include "ui/qt/QtMessages.h"

#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const char* kIni = "[Config]\nadapter=simulator\n"
                   "[PIC16F84A]\nProgMem=1024\nEEProm=64\nRAM=68\nPalConfDef=0x3FF2\n"
                   "Programming=Flash\n";

// What only a Spanish text has: its accented letters and its punctuation.
bool LooksSpanish(const QString& text) {
    for (const char* mark : {"á", "é", "í", "ó", "ú", "ñ", "¿", "¡", "«", "Ó"}) {
        if (text.contains(QString::fromUtf8(mark))) {
            return true;
        }
    }
    return false;
}

// Every caption a user can read in a window: title, menus, labels, buttons, group boxes.
QStringList Captions(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QAction* a : window.findChildren<QAction*>()) {
        texts << a->text();
    }
    for (const QMenu* m : window.findChildren<QMenu*>()) {
        texts << m->title();
    }
    for (const QLabel* l : window.findChildren<QLabel*>()) {
        texts << l->text();
    }
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        texts << b->text();
    }
    for (const QGroupBox* g : window.findChildren<QGroupBox*>()) {
        texts << g->title();
    }
    texts.removeAll(QString());
    return texts;
}

QStringList SpanishAmong(const QStringList& texts) {
    QStringList spanish;
    for (const QString& t : texts) {
        if (LooksSpanish(t)) {
            spanish << t;
        }
    }
    return spanish;
}

// The message boxes the window opens, as the user sees them: text and buttons. Each is
// answered with its escape button (OK, No, Abort) as soon as it shows.
class BoxReader : public QObject {
public:
    BoxReader() {
        connect(&timer_, &QTimer::timeout, this, [this] { Answer(); });
        timer_.start(5);
    }
    QStringList texts;
    QStringList buttons;

private:
    void Answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        texts << box->text();
        for (const QAbstractButton* b : box->buttons()) {
            buttons << b->text().remove('&');
        }
        if (box->escapeButton() != nullptr) {
            box->escapeButton()->click();
        } else {
            box->accept();
        }
    }
    QTimer timer_;
};

// The main window on the simulated adapter with the program's real message boxes.
struct EnglishWindow {
    TempDir dir;
    QtMessages messages;
    MemorySettingsStore settings;
    std::unique_ptr<TLumbroForm> form;

    EnglishWindow() {
        settings.Write("Config", "lastpic", "PIC16F84A");
        form = std::make_unique<TLumbroForm>(messages, settings);
        messages.SetParent(form.get());
        form->Principal(QString::fromStdString(dir.Write("Pravik.ini", kIni)));
        form->show();
    }
};

} // namespace

// The window with English chosen, as "pravik --lang en" installs it: no Spanish in its
// captions, its message boxes, its progress and configuration windows or Qt's dialogs.
class EnglishWindowTest : public QObject {
    Q_OBJECT
    QtLanguage language_;

private slots:
    void initTestCase() { QVERIFY(language_.Install(Language::English)); }

    void MenusAndControlsAreInEnglish() {
        EnglishWindow w;
        QStringList captions = Captions(*w.form);
        // The one Spanish word: the Language menu names each language in itself.
        QCOMPARE(SpanishAmong(captions), QStringList{QString::fromUtf8("Español")});
        const QStringList menus = {"File", "Device", "Action", "Language", "Help"};
        QStringList bar;
        for (const QAction* a : w.form->menuBar()->actions()) {
            bar << a->text();
        }
        QCOMPARE(bar, menus);
        for (const char* english :
             {"Open HEX", "Save as", "Exit", "Verify PIC", "Write PIC", "Erase Program",
              "Oscillator calibration...", "Reopen Hex", "Write", "Read", "Configuration",
              "Scope of the operations", "Program Memory", "Identifier", "Español", "English"}) {
            QVERIFY2(captions.contains(english), english);
        }
        QVERIFY(w.form->windowTitle().endsWith(" [simulator]"));
    }

    void WriteAndVerifyErrorAreInEnglish() {
        EnglishWindow w;
        TLumbroForm& form = *w.form;
        form.Image().EditProgramCell(1, 1, "2805");
        QStringList progress;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (form.ProgressWindow()->isVisible()) {
                progress << Captions(*form.ProgressWindow());
            }
        });
        watch.start(1);
        BoxReader boxes;
        form.findChild<QPushButton*>("BotonEscribir")->click();
        QCOMPARE(boxes.texts, QStringList{"Operation Completed."});
        QCOMPARE(boxes.buttons, QStringList{"OK"});
        QVERIFY2(progress.contains("Writing Program while verifying...."),
                 qPrintable(progress.join('|')));
        for (const char* english : {"Processing Micro", "Progress:", "Program End:", "Cancel"}) {
            QVERIFY2(progress.contains(english), english);
        }
        QVERIFY2(SpanishAmong(progress).isEmpty(), qPrintable(SpanishAmong(progress).join('|')));

        form.Image().EditProgramCell(1, 1, "2806");
        form.findChild<QAction*>("VerificarPIC1")->trigger();
        QCOMPARE(boxes.texts.back(),
                 QString("Error verifying at 0000. Check programming mode and device."));
        QVERIFY2(SpanishAmong(boxes.texts).isEmpty(), qPrintable(boxes.texts.join('|')));
    }

    void ConfigurationWindowsAreInEnglish() {
        ConfigWord16 word;
        TPalConfForm form16(word);
        ConfigWords18 words;
        TPalConfForm18 form18(words);
        const QStringList captions = Captions(form16) + Captions(form18);
        QVERIFY2(SpanishAmong(captions).isEmpty(), qPrintable(SpanishAmong(captions).join('|')));
        for (const char* english :
             {"Configuration Word, family 16", "Configuration Word, family 18", "Oscillator",
              "Apply", "Back", "Recommended word", "- Not  Implemented", "Recommended"}) {
            QVERIFY2(captions.contains(english), english);
        }
    }

    void LanguageMenuRemembersTheChoiceAndSaysSoInIt() {
        EnglishWindow w;
        BoxReader boxes;
        w.form->findChild<QAction*>("Espanol1")->trigger();
        QCOMPARE(w.settings.Read("Config", "idioma", ""), std::string("es"));
        w.form->findChild<QAction*>("English1")->trigger();
        QCOMPARE(w.settings.Read("Config", "idioma", ""), std::string("en"));
        QCOMPARE(boxes.texts,
                 (QStringList{QString::fromUtf8("Pravik hablará el idioma elegido la próxima "
                                                "vez que se inicie."),
                              "Pravik will speak the chosen language the next time it starts."}));
        // The window keeps its captions until then.
        QCOMPARE(w.form->menuBar()->actions().front()->text(), QString("File"));
        QVERIFY(w.form->findChild<QAction*>("English1")->isChecked());
    }

    void QtDialogsAreInEnglish() {
        QFileDialog dialog(nullptr, "Open HEX file");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QStringList texts = Captions(dialog);
        for (const char* english : {"Look in:", "File &name:", "&Open", "Cancel"}) {
            QVERIFY2(texts.contains(english), qPrintable(texts.join('|')));
        }
        QVERIFY2(SpanishAmong(texts).isEmpty(), qPrintable(texts.join('|')));
    }
};

QTEST_MAIN(EnglishWindowTest)
#include "EnglishWindowTest.moc"
