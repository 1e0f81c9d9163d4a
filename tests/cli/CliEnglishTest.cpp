// pravik-cli in English: where the choice comes from, and what an English-speaking user
// reads on a usage error, in the help, from the HEX reader and from an operation.
#include "cli/CliFixture.h"
#include "image/HexWriter.h"

#include <filesystem>
#include <sstream>

namespace {

// Text that only a Spanish message has: its accented letters and punctuation.
bool LooksSpanish(const std::string& text) {
    for (const char* mark : {"á", "é", "í", "ó", "ú", "ñ", "¿", "¡", "«", "Ó"}) {
        if (text.find(mark) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST_F(Cli, LanguageComesFromTheCommandLineThenTheEnvironmentThenTheWindow) {
    const std::string english = "pravik-cli: unknown command 'frobnicate'\n"
                                "Try 'pravik-cli --help'.\n";
    const std::string spanish = "pravik-cli: orden desconocida 'frobnicate'\n"
                                "Pruebe 'pravik-cli --help'.\n";
    auto run = [&](std::vector<std::string> args, std::map<std::string, std::string> env) {
        env.merge(Env());
        return RunCli(args, env).err;
    };
    // Nothing chosen: Spanish, whatever the locale says.
    EXPECT_EQ(run({"frobnicate"}, {{"LANG", "en_US.UTF-8"}, {"LC_ALL", "en_US.UTF-8"}}), spanish);
    EXPECT_EQ(run({"--lang", "en", "frobnicate"}, {}), english);
    EXPECT_EQ(run({"--lang=EN", "frobnicate"}, {}), english);
    EXPECT_EQ(run({"frobnicate"}, {{"PRAVIK_LANG", "en"}}), english);
    EXPECT_EQ(run({"--lang", "es", "frobnicate"}, {{"PRAVIK_LANG", "en"}}), spanish);
    // An earlier error on the line is told in the language given after it.
    EXPECT_EQ(run({"--bogus", "--lang", "en", "devices"}, {}),
              "pravik-cli: unknown option --bogus\nTry 'pravik-cli --help'.\n");
    // A language the program does not speak is a usage error on the command line and
    // passed over in the environment.
    const CliResult french = RunCli({"--lang", "fr", "devices"}, Env());
    EXPECT_EQ(french.status, 2);
    EXPECT_EQ(french.err, "pravik-cli: idioma desconocido 'fr' (es o en)\n"
                          "Pruebe 'pravik-cli --help'.\n");
    EXPECT_EQ(run({"frobnicate"}, {{"PRAVIK_LANG", "fr"}}), spanish);

    // The language chosen in the window, read from its settings, comes last.
    std::filesystem::create_directories(dir.File("config/pravik"));
    dir.Write("config/pravik/Pravik.conf", "[Config]\nidioma=en\n");
    EXPECT_EQ(run({"frobnicate"}, {}), english);
    EXPECT_EQ(run({"frobnicate"}, {{"PRAVIK_LANG", "es"}}), spanish);
}

TEST_F(Cli, HelpInEnglishNamesEveryOptionAndCommand) {
    const CliResult en = RunCli({"--lang", "en", "--help"}, Env());
    const CliResult es = RunCli({"--help"}, Env());
    ASSERT_EQ(en.status, 0);
    EXPECT_EQ(en.out.rfind("Usage: pravik-cli [options] COMMAND [FILE...]\n", 0), 0u);
    EXPECT_NE(en.out.find("\nCommands:\n"), std::string::npos);
    EXPECT_FALSE(LooksSpanish(en.out)) << en.out;
    EXPECT_NE(es.out.find("      --lang IDIOMA     es | en:"), std::string::npos);
    // The same options and commands, in the same order, in both languages.
    auto words = [](const std::string& help) {
        std::vector<std::string> found;
        std::istringstream lines(help);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            for (std::string word; words >> word;) {
                if (word.rfind("-", 0) == 0 && word.size() > 1 && word != "-:") {
                    found.push_back(word);
                }
            }
            if (line.size() > 2 && line.rfind("  ", 0) == 0 && line[2] >= 'a' && line[2] <= 'z') {
                found.push_back(line.substr(2, line.find(' ', 2) - 2));
            }
        }
        return found;
    };
    EXPECT_EQ(words(en.out), words(es.out));
    EXPECT_GE(words(en.out).size(), 30u);
}

TEST_F(Cli, ReaderWarningAndItsAnswerInEnglish) {
    const std::string text = HexRecord(0x0000, "00", "0528") + "\r\n" +
                             HexRecord(0x1000, "00", "0900") + "\r\n:00000001FF\r\n";
    const std::string in = dir.Write("far.hex", text);
    const std::string out = dir.File("out.hex");
    const CliResult aborted = Run({"--lang", "en", "-d", "PIC16F84A", "convert", in, out});
    EXPECT_EQ(aborted.status, 1);
    EXPECT_EQ(aborted.err, "Hex File: address out of range\n"
                           "pravik-cli: answer: Abort (--ignore answers Ignore)\n"
                           "Hex File: 1 datum out of range was not loaded.\n");
    const CliResult ignored =
        Run({"--lang", "en", "-d", "PIC16F84A", "--ignore", "convert", in, out});
    EXPECT_EQ(ignored.status, 0);
    EXPECT_EQ(ignored.err, "Hex File: address out of range\n"
                           "Hex File: 1 datum out of range was not loaded.\n");
    // A file that cannot be made: the front end's sentence around the system's reason.
    const CliResult unwritable = Run({"--lang", "en", "-d", "PIC16F84A", "convert", in,
                                      dir.File("no/such/dir.hex"), "--ignore"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err.substr(unwritable.err.find('\n', unwritable.err.find("datum")) + 1),
              "Cannot create the file '" + dir.File("no/such/dir.hex") +
                  "': the folder does not exist.\n");
}

TEST_F(Cli, OperationsAndTheirErrorsInEnglish) {
    const std::map<std::string, std::string> english = {{"PRAVIK_LANG", "en"}};
    auto onChip = [&](const std::string& device, std::vector<std::string> args) {
        args.insert(args.begin(), {"--ini", ShippedIni(), "--adapter", "simulator", "--chip",
                                   Chip(), "-d", device});
        std::map<std::string, std::string> env = english;
        env.merge(Env());
        return RunCli(args, env);
    };
    const CliResult written = onChip("PIC16F84A", {"write", Fixture("f84a.hex")});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.err, "Operation Completed.\n");
    const CliResult detect = onChip("PIC16F84A", {"detect"});
    EXPECT_EQ(detect.out.rfind("ID=", 0), 0u) << detect.out;
    EXPECT_NE(detect.out.find("\nPIC16F84A (revision "), std::string::npos) << detect.out;

    std::string text = ReadFile(Fixture("f84a.hex"));
    const std::string line = ":08000800090083168601831232";
    text.replace(text.find(line), line.size(), HexRecord(8, "00", "0800831686018312"));
    const CliResult verify = onChip("PIC16F84A", {"verify", dir.Write("changed.hex", text)});
    EXPECT_EQ(verify.status, 1);
    EXPECT_EQ(verify.err, "Error verifying at 0004. Check programming mode and device.\n");

    // Another device's chip in the socket: the question, with its pieces, and the answer.
    const CliResult other = onChip("PIC16F628A", {"blank"});
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err.rfind("The connected device does not look like a PIC16F628A (ID ", 0), 0u)
        << other.err;
    EXPECT_NE(other.err.find("). Do you want to continue?\n"
                             "pravik-cli: answer: No (--force answers Yes)\n"),
              std::string::npos)
        << other.err;
    const CliResult erase = onChip("PIC16F84A", {"erase"});
    EXPECT_EQ(erase.err, "The whole program contents will be erased. Do you want to continue?\n"
                         "pravik-cli: answer: No (--yes answers Yes)\n");
    EXPECT_FALSE(LooksSpanish(written.err + verify.err + other.err + erase.err));
}
