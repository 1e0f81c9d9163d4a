#include "common/Language.h"
#include "ui/main/TLumbroForm.h"
#include "ui/qt/QtLanguage.h"

#include <QActionGroup>
#include <QMenuBar>

// The language is chosen for the next start: the captions of the windows are set once,
// when they are built, and stay as they are for the run.
void TLumbroForm::BuildLanguageMenu() {
    Idioma1 = menuBar()->addMenu(tr("Idioma"));
    Idioma1->setObjectName("Idioma1");
    Language remembered = Language::Spanish;
    LanguageNamed(settings_.Read(LanguageSection, LanguageKey, ""), remembered);
    auto* group = new QActionGroup(Idioma1);
    // Each language is named in itself, so that a user who reads only one finds it.
    for (const auto& [name, text, language] :
         {std::tuple{"Espanol1", "Español", Language::Spanish},
          std::tuple{"English1", "English", Language::English}}) {
        QAction* entry = Idioma1->addAction(QString::fromUtf8(text));
        entry->setObjectName(name);
        entry->setData(QString::fromStdString(LanguageCode(language)));
        entry->setCheckable(true);
        entry->setChecked(language == remembered);
        group->addAction(entry);
    }
    connect(Idioma1, &QMenu::triggered, this, &TLumbroForm::LanguageClick);
}

void TLumbroForm::LanguageClick(QAction* entry) {
    Language chosen = Language::Spanish;
    LanguageNamed(entry->data().toString().toStdString(), chosen);
    settings_.Write(LanguageSection, LanguageKey, LanguageCode(chosen));
    // Told in the language chosen, which the user reads.
    const char* source =
        QT_TR_NOOP("Pravik hablará el idioma elegido la próxima vez que se inicie.");
    QTranslator translator;
    QString text = LoadProgramTranslation(translator, chosen)
                       ? translator.translate("TLumbroForm", source)
                       : QString::fromUtf8(source);
    messages_.ShowInfo(text.toStdString());
}
