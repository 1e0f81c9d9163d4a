// Every operation end to end: the engine, the command layers and a simulated chip.
#include "common/HexText.h"
#include "devices/DeviceFile.h"
#include "operations/ShippedDevices.h"
#include "operations/SimBench.h"

#include <random>

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kCompleted = {"Operación Completada."};

// Every shipped device, written in its units (as the shipped file gives them) and one
// location per cycle ("escritura=palabra") on the parallel port, and in its units through
// the GPIO adapter ("adapter=gpio") with the shipped pin map on the documented wiring.
struct Method {
    std::string device;
    bool wordWrites;
    bool gpio = false;
};

// The erase and unprotect sequences go over the GPIO adapter as any other bytes: the
// round trip (whose write starts with an erase) proves the carrier for each device.
std::vector<Method> ShippedDevices(bool gpio) {
    std::vector<Method> methods;
    for (const std::string& name : ShippedDeviceNames()) {
        methods.push_back({name, false});
        methods.push_back({name, true});
        if (gpio) {
            methods.push_back({name, false, true});
        }
    }
    return methods;
}

std::string MethodName(const ::testing::TestParamInfo<Method>& info) {
    return info.param.device + (info.param.gpio         ? "_gpio"
                                : info.param.wordWrites ? "_palabra"
                                                        : "_unidades");
}

// The chip of the parameter's device, written by the parameter's method.
std::unique_ptr<SimBench> BenchFor(const Method& m) {
    auto b = std::make_unique<SimBench>(m.device);
    b->device.WordWrites = m.wordWrites;
    // Parts that take less than 13 V on MCLR get an adapter lowered to their maximum.
    if (b->device.VppMaxMillivolts > 0) {
        b->device.AdapterVppMillivolts = b->device.VppMaxMillivolts;
    }
    if (m.gpio) {
        GpioPinMap map;
        const DeviceList shipped =
            ReadDeviceList(IniFile::Load(PRAVIK_SOURCE_DIR "/data/Pravik.ini"));
        EXPECT_TRUE(ReadGpioPinMap(shipped.gpioKeys, map).Ok());
        b->CarryOverGpio(DocumentedBoard(), map);
        EXPECT_TRUE(b->gpioPort->IsOpen());
    }
    return b;
}

// A recognisable image: words or bytes from a seeded generator in the first cells and in
// the very last program cell, EEPROM bytes, identifier 1234.
void FillImage(SimBench& b, int32_t programCells) {
    std::mt19937 random(7);
    const bool f16 = b.device.Family == 16;
    const int64_t maxWord = f16 ? (1 << b.device.ProgBits) - 1 : 0xFF;
    for (int32_t a = 0; a < programCells; ++a) {
        b.image.HexEditG.SetAt(a, Hex(random() % (maxWord + 1), f16 ? 4 : 2));
    }
    b.image.HexEditG.SetAt(b.device.ProgMem - 1, f16 ? "0123" : "5A");
    b.image.ProgUsed = b.device.ProgMem;
    for (int32_t a = 0; a < b.device.EEProm; a += 3) {
        b.image.DatosEditG.SetAt(a, Hex(random() % 256, 2));
    }
    if (b.device.EEProm > 0) {
        b.image.DatosEditG.SetAt(b.device.EEProm - 1, "A5"); // the last byte is written too
    }
    b.image.EEPromUsed = b.device.EEProm;
    b.image.SetIdent(0x1234);
    if (!f16) {
        b.image.EditIdent = "0123456789ABCDEF"; // the eight ID bytes
    }
}

// The factory calibration the chip holds (DS41191D: OSCCAL, the last program word, and
// the band-gap bits; newer parts: the calibration words), which no command may change.
struct Calibration {
    int32_t osccalAddress = -1;
    std::vector<uint32_t> words;
};

Calibration CalibrationOf(SimBench& b) {
    Calibration c;
    if (b.device.Algorithm == "DS41191") {
        c.osccalAddress = b.device.ProgMem - 1;
        c.words.push_back(
            b.Chip().Peek(Sim::Space::Program, static_cast<uint32_t>(c.osccalAddress)));
        c.words.push_back(b.Chip().Peek(Sim::Space::Config, 0) & 0x3000);
    }
    for (uint32_t i = 0; i < b.Chip().Size(Sim::Space::Calibration); ++i) {
        c.words.push_back(b.Chip().Peek(Sim::Space::Calibration, i));
    }
    return c;
}

// Every rule breach the simulated chip saw, as "Rule=count" (or "none").
std::string Breaches(SimBench& b) {
    return b.Chip().TimingViolations().Summary();
}

class EveryDevice : public ::testing::TestWithParam<Method> {};
class EveryDeviceErase : public ::testing::TestWithParam<Method> {};

} // namespace

// Write, then read back into a fresh image, then verify, with every scope box ticked:
// the read image equals the written one cell by cell, with identifier and configuration.
TEST_P(EveryDevice, WriteReadVerifyRoundTrip) {
    const std::unique_ptr<SimBench> bench = BenchFor(GetParam());
    SimBench& b = *bench;
    b.host.scope = Scope{true, true, true, true};
    FillImage(b, 300);
    const Calibration factory = CalibrationOf(b);
    if (b.device.Programming != "OTP") {
        // A chip programmed before: every cell 0 but its calibration, the configuration
        // word the device's default (unprotected); the image's word differs from it in the
        // oscillator bits, so every area has to be erased before it takes the new values.
        for (Sim::Space space : {Sim::Space::Program, Sim::Space::Eeprom, Sim::Space::Id}) {
            for (uint32_t i = 0; i < b.Chip().Size(space); ++i) {
                if (space != Sim::Space::Program ||
                    static_cast<int32_t>(i) != factory.osccalAddress) {
                    b.Chip().Poke(space, i, 0);
                }
            }
        }
        // The band-gap bits of a DS41191D part stay the factory's.
        const uint32_t bandGap = factory.osccalAddress >= 0 ? factory.words[1] : 0;
        const auto word = static_cast<uint32_t>(b.config16.GetConfigWord());
        b.Chip().Poke(Sim::Space::Config, 0, bandGap != 0 ? (word & ~0x3000U) | bandGap : word);
        b.config16.SetConfigWord(b.config16.GetConfigWord() ^ 0x3);
    }
    const MemoryImage written = b.image;
    const int32_t configWord = b.config16.GetConfigWord();
    const auto configWords = b.config18.EditConf;

    EXPECT_TRUE(b.engine->BotonEscribirClick());
    const std::string& kind = b.device.Programming;
    std::vector<std::string> expected = kCompleted;
    if (kind == "OTP" || kind == "Flash1") {
        expected.push_back(kCompleted[0]); // blank check before, or verify after
    }
    EXPECT_EQ(b.Messages(), expected);
    EXPECT_EQ(Breaches(b), "none");
    EXPECT_FALSE(b.host.progressVisible);
    EXPECT_TRUE(b.host.mainEnabled);

    b.ClearMessages();
    b.image.InitHexEditG(b.device);
    b.image.InitDatosEditG(b.device);
    b.image.SetIdent(0);
    b.config16.SetConfigWord(0);
    b.config18.SetDefaultWords("0 0 0 0 0 0 0");
    b.engine->BotonLeerClick();
    EXPECT_EQ(b.Messages(), kCompleted);
    EXPECT_EQ(Breaches(b), "none");
    EXPECT_EQ(b.image.ProgUsed, b.device.ProgMem);
    for (int32_t a = 0; a < b.device.ProgMem; ++a) {
        // The calibration word is the chip's, whatever the image said.
        const std::string expected =
            a == factory.osccalAddress ? Hex(factory.words[0], 4) : written.HexEditG.At(a);
        ASSERT_EQ(b.image.HexEditG.At(a), expected) << "program " << a;
    }
    EXPECT_EQ(CalibrationOf(b).words, factory.words);
    if (kind != "OTP" && b.device.EEProm > 0) {
        EXPECT_EQ(b.image.EEPromUsed, b.device.EEProm);
        for (int32_t a = 0; a < b.device.EEProm; ++a) {
            ASSERT_EQ(b.image.DatosEditG.At(a), written.DatosEditG.At(a)) << "eeprom " << a;
        }
    }
    // Configuration words come back as the chip holds them: implemented bits as
    // written, the others as the part fixes them.
    const std::vector<uint32_t>& masks = b.device.ConfigMasks;
    if (b.device.Family == 16) {
        EXPECT_EQ(b.image.EditIdent, "1234");
        // The band-gap bits are the chip's, not the image's.
        const int32_t expected =
            factory.osccalAddress >= 0
                ? (configWord & ~0x3000) | static_cast<int32_t>(factory.words[1])
                : configWord;
        EXPECT_EQ(b.config16.GetConfigWord() & masks.at(0), expected & masks.at(0));
    } else {
        EXPECT_EQ(b.image.EditIdent, "0123456789ABCDEF");
        for (size_t w = 0; w < configWords.size(); ++w) {
            EXPECT_EQ(ParseCell(b.config18.EditConf[w]) & masks.at(w),
                      ParseCell(configWords[w]) & masks.at(w))
                << "configuration word " << w + 1;
        }
    }

    b.ClearMessages();
    b.engine->BotonVerificarClick();
    EXPECT_EQ(b.Messages(), kCompleted);
    EXPECT_EQ(Breaches(b), "none");
}

// Erase, then unprotect a protected chip, each followed by a blank check of everything it
// cleared; EPROM parts refuse both and keep what was written.
TEST_P(EveryDeviceErase, EraseAndUnprotectLeaveABlankChip) {
    const std::unique_ptr<SimBench> bench = BenchFor(GetParam());
    SimBench& b = *bench;
    b.host.scope = Scope{true, true, true, true};
    FillImage(b, 64);
    const Calibration factory = CalibrationOf(b);
    EXPECT_TRUE(b.engine->BotonEscribirClick());
    b.ClearMessages();
    const bool otp = b.device.Programming == "OTP";

    b.host.messages.yesAnswers = {true};
    EXPECT_EQ(b.engine->BorrarPrograma1Click(), !otp);
    const std::string erased =
        otp ? "Esta función solo funciona con dispositivos FLASH" : "Programa borrado.";
    EXPECT_EQ(b.Messages().back(), erased);
    EXPECT_EQ(Breaches(b), "none");

    b.ClearMessages();
    b.Chip().SetCodeProtected(true);
    b.host.messages.yesAnswers = {true};
    EXPECT_EQ(b.engine->BotonDesprotegeClick(), !otp);
    EXPECT_EQ(Breaches(b), "none");
    if (otp) {
        EXPECT_EQ(b.Messages(), std::vector<std::string>{erased});
        return;
    }
    EXPECT_EQ(b.Messages().back(), "PIC desprotegido y borrado completamente.");
    EXPECT_FALSE(b.Chip().CodeProtected());
    for (Sim::Space space : {Sim::Space::Program, Sim::Space::Eeprom, Sim::Space::Id}) {
        for (uint32_t i = 0; i < b.Chip().Size(space); ++i) {
            const bool osccal =
                space == Sim::Space::Program && static_cast<int32_t>(i) == factory.osccalAddress;
            ASSERT_EQ(b.Chip().Peek(space, i),
                      osccal ? factory.words[0] : b.Chip().ErasedValue(space))
                << "space " << static_cast<int>(space) << " cell " << i;
        }
    }
    EXPECT_EQ(CalibrationOf(b).words, factory.words);

    // A blank check with every box ticked finds nothing; the image is set to the blank
    // values so that the EEPROM comparison agrees.
    b.ClearMessages();
    b.image.InitDatosEditG(b.device);
    b.image.ProgUsed = b.device.ProgMem;
    b.image.EEPromUsed = b.device.EEProm;
    EXPECT_TRUE(b.engine->BotonBlkChkClick());
    EXPECT_EQ(b.Messages(), kCompleted);
    EXPECT_EQ(Breaches(b), "none");
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryDevice, ::testing::ValuesIn(ShippedDevices(true)),
                         MethodName);
INSTANTIATE_TEST_SUITE_P(Shipped, EveryDeviceErase, ::testing::ValuesIn(ShippedDevices(false)),
                         MethodName);
