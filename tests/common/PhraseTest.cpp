#include "common/Phrase.h"
#include "common/Language.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A translator from a table, as a front end's translation file would be; texts it does not
// have come back as they are.
Phrase::Translator Table(std::map<std::string, std::string> table) {
    return [table](const char*, const std::string& source) {
        const auto found = table.find(source);
        return found == table.end() ? source : found->second;
    };
}

} // namespace

TEST(Phrase, SpanishIsTheTemplateFilledAndTranslationKeepsThePiecesWhereTheTranslatorPutsThem) {
    const Phrase question =
        Say("operations", "El %1 admite como máximo %2 V en MCLR y el adaptador da %3 V.")
            .Arg("PIC16F628A")
            .Arg(Say("operations", "%1,%2").Arg("13").Arg("5"))
            .Arg("14");
    EXPECT_EQ(question, "El PIC16F628A admite como máximo 13,5 V en MCLR y el adaptador da 14 V.");
    EXPECT_EQ(question.Spanish(), static_cast<const std::string&>(question));
    const auto english = Table({
        {"El %1 admite como máximo %2 V en MCLR y el adaptador da %3 V.",
         "The adapter gives %3 V and the %1 takes at most %2 V on MCLR."},
        {"%1,%2", "%1.%2"},
    });
    EXPECT_EQ(question.Render(english),
              "The adapter gives 14 V and the PIC16F628A takes at most 13.5 V on MCLR.");
}

TEST(Phrase, PlainPiecesAreShownAsTheyStandEvenWithPlacesInThem) {
    const Phrase p = Say("simulator", "no se puede abrir: %1").Arg("fichero%1%2.hex");
    EXPECT_EQ(p, "no se puede abrir: fichero%1%2.hex");
    EXPECT_EQ(p.Render(Table({{"no se puede abrir: %1", "cannot open: %1"}})),
              "cannot open: fichero%1%2.hex");
    // A place without a piece stays as written; a plain text is never looked up.
    EXPECT_EQ(Say("image", "%1 y %2").Arg("a"), "a y %2");
    EXPECT_EQ(Phrase("Programa borrado.").Render(Table({{"Programa borrado.", "x"}})),
              "Programa borrado.");
}

TEST(Phrase, JoinedSentencesAreEachTranslated) {
    const Phrase message = Phrase::Joined({Say("programmer", "Falta Driver."), "\n",
                                           Say("programmer", "No existe %1.").Arg("/dev/x")});
    EXPECT_EQ(message, "Falta Driver.\nNo existe /dev/x.");
    EXPECT_EQ(message.Render(Table(
                  {{"Falta Driver.", "No driver."}, {"No existe %1.", "%1 does not exist."}})),
              "No driver.\n/dev/x does not exist.");
}

TEST(Language, CommandLineThenEnvironmentThenRememberedThenSpanish) {
    EXPECT_EQ(ChooseLanguage("", "", ""), Language::Spanish);
    EXPECT_EQ(ChooseLanguage("", "", "en"), Language::English);
    EXPECT_EQ(ChooseLanguage("", "es", "en"), Language::Spanish);
    EXPECT_EQ(ChooseLanguage("EN", "es", "es"), Language::English);
    // What names no language is passed over, never taken for one.
    EXPECT_EQ(ChooseLanguage("", "en_US.UTF-8", "en"), Language::English);
    EXPECT_EQ(ChooseLanguage("", "fr", ""), Language::Spanish);
}
