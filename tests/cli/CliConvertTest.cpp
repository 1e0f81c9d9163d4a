// convert: the window's loader and writer, reached from the command line.
#include "cli/CliFixture.h"
#include "common/SettingsStore.h"
#include "image/HexReader.h"
#include "image/HexWriter.h"
#include "support/ScriptedMessages.h"
#include "workbench/DeviceSelection.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

// What the window saves after selecting the device and opening the file.
struct WindowImage {
    DeviceRecord device;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    ScriptedMessages messages;

    WindowImage(const std::string& name, const std::string& hexPath) {
        MemorySettingsStore settings;
        SelectDevice(name, ShippedIni(),
                     SelectionTargets{device, image, config16, config18, settings});
        image.InitHexEditG(device);
        image.InitDatosEditG(device);
        image.SetIdent(0xFFFF);
        std::ifstream in(hexPath, std::ios::binary);
        ReadHexRecords(in, HexLoadTargets{device, image, config16, config18, messages, {}});
    }
    std::string Saved(const std::string& path) {
        const HexImage hex = BuildHexLines(device, image, config16.GetConfigWord());
        EXPECT_TRUE(hex.error.empty()) << hex.error;
        EXPECT_TRUE(WriteHexFileAtomically(path, hex.lines));
        return ReadFile(path);
    }
};

} // namespace

TEST_F(Cli, ConvertWritesWhatTheWindowSavesByteForByte) {
    for (const auto& [device, fixture] :
         {std::pair{"PIC16F84A", "f84a.hex"}, std::pair{"PIC16F876A", "f876a.hex"}}) {
        const std::string out = dir.File(std::string(fixture) + ".out");
        const CliResult r = Run({"-d", device, "convert", Fixture(fixture), out});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        WindowImage window(device, Fixture(fixture));
        const std::string expected = window.Saved(dir.File("expected.hex"));
        EXPECT_GT(expected.size(), 1000u);
        EXPECT_EQ(ReadFile(out), expected) << fixture;
    }
}

TEST_F(Cli, ConvertWithIdentReplacesTheFilesIdentifier) {
    const std::string out = dir.File("out.hex");
    ASSERT_EQ(
        Run({"-d", "PIC16F876A", "--ident", "beef", "convert", Fixture("f876a.hex"), out}).status,
        0);
    WindowImage reloaded("PIC16F876A", out);
    EXPECT_EQ(reloaded.image.EditIdent, "BEEF");
    WindowImage original("PIC16F876A", Fixture("f876a.hex"));
    EXPECT_EQ(original.image.EditIdent, "1234");
    EXPECT_EQ(reloaded.image.HexEditG.At(0x1FF3), original.image.HexEditG.At(0x1FF3));
}

// A family 18 file goes through load and save unchanged in every memory, in the layout
// the assemblers use, and srec_cat reads what was written.
TEST_F(Cli, Family18ConvertKeepsEveryMemory) {
    const std::string out = dir.File("out.hex");
    const CliResult r = Run({"-d", "PIC18F452", "convert", Fixture("f452.hex"), out});
    ASSERT_EQ(r.status, 0) << r.err;
    WindowImage original("PIC18F452", Fixture("f452.hex"));
    WindowImage reloaded("PIC18F452", out);
    EXPECT_TRUE(reloaded.messages.log.empty());
    for (int32_t a = 0; a < original.device.ProgMem; ++a) {
        ASSERT_EQ(reloaded.image.HexEditG.At(a), original.image.HexEditG.At(a)) << a;
    }
    for (int32_t a = 0; a < original.device.EEProm; ++a) {
        ASSERT_EQ(reloaded.image.DatosEditG.At(a), original.image.DatosEditG.At(a)) << a;
    }
    EXPECT_EQ(reloaded.image.EditIdent, "0102030405060708");
    EXPECT_EQ(reloaded.config18.EditConf, original.config18.EditConf);
    EXPECT_EQ(std::system(("srec_cat " + out + " -intel -o /dev/null -intel").c_str()), 0);
}

TEST_F(Cli, ConvertFailuresExitWithOneAndLeaveNoFile) {
    const std::string out = dir.File("out.hex");
    const CliResult missing = Run({"-d", "PIC16F84A", "convert", dir.File("none.hex"), out});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "No se puede leer el fichero HEX '" + dir.File("none.hex") + "': no existe.\n");
    const CliResult folder = Run({"-d", "PIC16F84A", "convert", dir.Path(), out});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err,
              "No se puede leer el fichero HEX '" + dir.Path() + "': es un directorio.\n");

    const std::string bad = dir.Write("bad.hex", ":020000000528D2\r\n:00000001FF\r\n");
    const CliResult checksum = Run({"-d", "PIC16F84A", "convert", bad, out});
    EXPECT_EQ(checksum.status, 1);
    EXPECT_EQ(checksum.err, "Checksum error en el fichero HEX. Lectura Interrumpida.\n");

    const CliResult unwritable =
        Run({"-d", "PIC16F84A", "convert", Fixture("f84a.hex"), dir.File("no/such/dir.hex")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err, "No se puede crear el fichero '" + dir.File("no/such/dir.hex") +
                                  "': la carpeta no existe.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(Cli, ReaderWarningsAbortUnlessIgnored) {
    // A word beyond the PIC16F84A's 1024: the reader asks Abort or Ignore.
    const std::string text = HexRecord(0x0000, "00", "0528") + "\r\n" +
                             HexRecord(0x1000, "00", "0900") + "\r\n:00000001FF\r\n";
    const std::string in = dir.Write("far.hex", text);
    const std::string out = dir.File("out.hex");
    const CliResult aborted = Run({"-d", "PIC16F84A", "convert", in, out});
    EXPECT_EQ(aborted.status, 1);
    EXPECT_EQ(aborted.err.rfind("Hex File: dirección fuera de rango\n", 0), 0u) << aborted.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    const CliResult ignored = Run({"-d", "PIC16F84A", "--ignore", "convert", in, out});
    EXPECT_EQ(ignored.status, 0);
    EXPECT_EQ(ignored.err, "Hex File: dirección fuera de rango\n"
                           "Hex File: 1 dato fuera de rango no se ha cargado.\n");
    EXPECT_EQ(WindowImage("PIC16F84A", out).image.HexEditG.At(0), "2805");
}

// The 16F87/88 second configuration word (2008h, file address 4010h): a compiler's file
// loads without a warning, is written and read back with both words, and saved where it
// came from.
TEST_F(Cli, SecondConfigurationWordOfThe16F88) {
    const std::string file =
        dir.Write("f88.hex", ":020000040000FA\r\n" + HexRecord(0, "00", "8A01") + "\r\n" +
                                 HexRecord(0x400E, "00", "623FFC3F") + "\r\n:00000001FF\r\n");
    const std::string converted = dir.File("converted.hex");
    const CliResult convert = Run({"-d", "PIC16F88", "convert", file, converted});
    ASSERT_EQ(convert.status, 0) << convert.err;
    EXPECT_EQ(convert.err, "");
    const std::string saved = ReadFile(converted);
    EXPECT_NE(saved.find(HexRecord(0x400E, "00", "623F")), std::string::npos) << saved;
    EXPECT_NE(saved.find(HexRecord(0x4010, "00", "FC3F")), std::string::npos) << saved;

    const std::vector<std::string> onChip = {
        "--adapter", "simulator", "--chip", dir.File("chip.hex"), "-d", "PIC16F88", "-pc"};
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), onChip.begin(), onChip.end());
        return Run(args);
    };
    EXPECT_EQ(run({"write", file}).status, 0);
    const std::string back = dir.File("back.hex");
    ASSERT_EQ(run({"read", back}).status, 0);
    const std::string read = ReadFile(back);
    EXPECT_NE(read.find(HexRecord(0x400E, "00", "623F")), std::string::npos) << read;
    EXPECT_NE(read.find(HexRecord(0x4010, "00", "FC3F")), std::string::npos) << read;
    EXPECT_EQ(run({"verify", back}).status, 0);

    // mikroC leaves the unimplemented bits 13-2 of CONFIG2 at 0: the implemented IESO
    // and FCMEN are 0 as on the chip, so the chip verifies.
    const std::string zeros =
        dir.Write("zeros.hex", HexRecord(0, "00", "8A01") + "\r\n" +
                                   HexRecord(0x400E, "00", "623F0000") + "\r\n:00000001FF\r\n");
    const CliResult masked = run({"verify", zeros});
    EXPECT_EQ(masked.status, 0) << masked.err;
}
