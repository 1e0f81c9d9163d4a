// The engine's decisions against simulated chips: what stops an operation, with which
// message, and what the chip and the image hold afterwards.
#include "common/HexText.h"
#include "operations/SimBench.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
const std::string kDone = "Operación Completada.";

void FillProgram(SimBench& b, int32_t cells, const std::string& text) {
    for (int32_t a = 0; a < cells; ++a) {
        b.image.HexEditG.SetAt(a, text);
    }
    b.image.ProgUsed = cells;
}

} // namespace

TEST(EngineScenario, OtpWriteIsRefusedWhenTheBlankCheckFails) {
    SimBench b("PIC16C73B");
    FillProgram(b, 8, "0123");
    b.Chip().Poke(Sim::Space::Program, 5, 0x1555);
    EXPECT_FALSE(b.engine->BotonEscribirClick());
    EXPECT_EQ(b.Messages(), Texts{"Error de borrado en 0005"});
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Program, 0), 0x3FFFu); // nothing written
    EXPECT_FALSE(b.host.progressVisible);
    EXPECT_TRUE(b.host.mainEnabled);
}

TEST(EngineScenario, OtpWordThatTakesLateIsStillWritten) {
    SimBench b("PIC16C73B");
    FillProgram(b, 4, "2A5C");
    b.Chip().SetPulsesToTake(3);
    EXPECT_TRUE(b.engine->BotonEscribirClick());
    EXPECT_EQ(b.Messages(), (Texts{kDone, kDone}));
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Program, 3), 0x2A5Cu);
}

TEST(EngineScenario, Flash1WriteIsAlwaysFollowedByItsVerify) {
    SimBench b("PIC16F77");
    FillProgram(b, 8, "1234");
    b.Chip().SetNeverTakes(Sim::Space::Program, 3);
    // Program memory is verified inside the write, before the configuration word could
    // protect it; the failure ends the command.
    EXPECT_FALSE(b.engine->BotonEscribirClick());
    EXPECT_EQ(b.Messages(),
              (Texts{"Error verificando en 0003. Compruebe modo programación y dispositivo."}));

    // A cancelled write is verified too: the chip was erased and only the first even/odd
    // pair written (DS30324B: one pulse per pair).
    b.ClearMessages();
    b.host.checks = 0;
    b.host.cancelAtCheck = 2;
    b.engine->BotonEscribirClick();
    EXPECT_EQ(b.Messages(), (Texts{"Acción interrumpida.",
                                   "Error verificando en 0002. Compruebe modo programación y "
                                   "dispositivo."}));
}

TEST(EngineScenario, CancelledReadRoundsTheUsedSizeUpToEven) {
    for (int location : {37, 36}) {
        SimBench b("PIC16F84A");
        b.host.cancelAtCheck = location + 1;
        EXPECT_FALSE(b.engine->RunOperation(opRead));
        EXPECT_EQ(b.Messages(), Texts{"Acción interrumpida."});
        EXPECT_EQ(b.image.ProgUsed, location == 37 ? 38 : 36);
        EXPECT_TRUE(b.host.mainEnabled);
        EXPECT_FALSE(b.Chip().InProgramMode());
    }
}

TEST(EngineScenario, StuckBitGivesTheVerifyErrorOfItsAddress) {
    SimBench b("PIC16F876A");
    FillProgram(b, 0x40, "3FFF");
    b.image.HexEditG.SetAt(0x21, "0001");
    b.Chip().SetStuckBit(Sim::Space::Program, 0x21, 0, false);
    b.engine->BotonEscribirClick();
    EXPECT_EQ(b.Messages(), Texts{"Error verificando en 0021. Compruebe modo programación y "
                                  "dispositivo."});
}

TEST(EngineScenario, IdentifierGoesToTheIdWordsLeastSignificantDigitFirst) {
    for (const char* device : {"PIC16F84A", "PIC16F77", "PIC16F876A", "PIC16C71"}) {
        SimBench b(device);
        b.host.scope = Scope{false, false, false, true};
        b.image.SetIdent(0x1234);
        b.engine->BotonEscribirClick();
        EXPECT_EQ(b.Messages().back(), kDone) << device;
        const uint32_t expected[] = {0x3F84, 0x3F83, 0x3F82, 0x3F81};
        for (uint32_t i = 0; i < 4; ++i) {
            EXPECT_EQ(b.Chip().Peek(Sim::Space::Id, i), expected[i]) << device << " " << i;
        }
    }
}

TEST(EngineScenario, IdVerifyReportsThePositionAndBothValues) {
    SimBench b("PIC16F84A");
    b.host.scope = Scope{false, false, false, true};
    b.Chip().Poke(Sim::Space::Id, 0, 0x3F85);
    b.image.SetIdent(0x1234);
    b.engine->BotonVerificarClick();
    EXPECT_EQ(b.Messages(), Texts{"Error de verificación de ID pos 00 0004==0005"});
}

TEST(EngineScenario, Family18WriteVerifiesEachBlockAndReportsTheByte) {
    SimBench b("PIC18F452");
    FillProgram(b, 10, "A5");
    b.image.HexEditG.SetAt(9, "5A");
    b.engine->BotonEscribirClick();
    EXPECT_EQ(b.Messages(), Texts{kDone});
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Program, 9), 0x5Au);
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Program, 10), 0xFFu);

    SimBench s("PIC18F452");
    FillProgram(s, 10, "A5");
    s.Chip().SetStuckBit(Sim::Space::Program, 9, 1, true);
    s.engine->BotonEscribirClick();
    EXPECT_EQ(s.Messages(),
              (Texts{"Escribe: 00A5   Lee: 00A7",
                     "Error verificando en 0009. Compruebe modo programación y dispositivo."}));
}

TEST(EngineScenario, Family18OddUsedSizeWritesTheLoneLastByte) {
    SimBench b("PIC18F2520");
    FillProgram(b, 9, "3C");
    b.engine->BotonEscribirClick();
    EXPECT_EQ(b.Messages(), Texts{kDone});
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Program, 8), 0x3Cu);
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Program, 9), 0xFFu);
}

TEST(EngineScenario, Family18ConfigurationWordRoundTrip) {
    SimBench b("PIC18F452");
    b.host.scope = Scope{false, false, true, false};
    // Lower case as a HEX file may leave it, and FF in CONFIG1L, which the part does not
    // implement and reads as 00, as XC8 writes it.
    b.config18.EditConf[0] = "22ff";
    b.engine->BotonEscribirClick();
    EXPECT_EQ(b.Messages(), Texts{kDone});
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Config, 0), 0x00u);
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Config, 1), 0x22u);
    b.config18.EditConf[0] = "0000";
    b.engine->BotonLeerClick();
    EXPECT_EQ(b.config18.EditConf[0], "2200");
    b.config18.EditConf[0] = "22FF";
    EXPECT_TRUE(b.engine->BotonVerificarClick());
    b.config18.EditConf[1] = "0E0F";
    b.engine->BotonVerificarClick();
    EXPECT_EQ(b.Messages().back(), "Error de verificación en el reg 2 de configuración.");
}

TEST(EngineScenario, BlankCheckComparesWithTheErasedValues) {
    // EEPROM: a programmed byte fails even when the image holds the same byte.
    SimBench b("PIC16F84A");
    b.host.scope = Scope{false, true, false, false};
    b.Chip().Poke(Sim::Space::Eeprom, 2, 0x42);
    b.image.DatosEditG.SetAt(2, "42");
    b.image.EEPromUsed = 4;
    b.engine->BotonBlkChkClick();
    EXPECT_EQ(b.Messages(), Texts{"Error de borrado en 0002"});

    // Family 18 program memory is read and compared with FF.
    SimBench f18("PIC18F452");
    f18.image.ProgUsed = 16;
    f18.engine->BotonBlkChkClick();
    EXPECT_EQ(f18.Messages(), Texts{kDone});
    f18.ClearMessages();
    f18.Chip().Poke(Sim::Space::Program, 7, 0x12);
    f18.engine->BotonBlkChkClick();
    EXPECT_EQ(f18.Messages(), Texts{"Error de borrado en 0007"});
}

TEST(EngineScenario, TwelveBitPartsAreBlankAtTheirOwnWord) {
    TempDir dir;
    const std::string ini = dir.Write("Pravik.ini", "[PIC16F5X]\nProgMem=512\nEEProm=0\n"
                                                    "ProgBits=12\nProgramming=Flash\n");
    SimBench b("PIC16F5X", ini);
    b.host.scope = Scope{true, false, true, true};
    b.image.ProgUsed = 512;
    b.engine->BotonBlkChkClick();
    EXPECT_EQ(b.Messages(), Texts{kDone});
}

TEST(EngineScenario, NoScopeCompletesWithoutTouchingAnyMemory) {
    SimBench b("PIC16F877");
    b.host.scope = Scope{false, false, false, false};
    FillProgram(b, 4, "0000");
    b.engine->BotonEscribirClick();
    EXPECT_EQ(b.Messages(), Texts{kDone});
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Program, 0), 0x3FFFu);
}

TEST(EngineScenario, ProtectedChipIsUnprotectedAndErased) {
    SimBench b("PIC16F877A");
    b.Chip().Poke(Sim::Space::Program, 0, 0x0123);
    b.Chip().SetCodeProtected(true);
    b.engine->BotonLeerClick();
    EXPECT_EQ(b.image.HexEditG.At(0), "0000"); // protected memory reads as zeros
    b.Chip().SetCodeProtected(false);
    b.Chip().Poke(Sim::Space::Config, 0, 0x1F72); // CP bit 13 clear: protected
    b.host.messages.yesAnswers = {true};
    b.ClearMessages();
    b.engine->BotonDesprotegeClick();
    EXPECT_EQ(b.Messages().back(), "PIC desprotegido y borrado completamente.");
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Program, 0), 0x3FFFu);
    EXPECT_EQ(b.Chip().Peek(Sim::Space::Config, 0), 0x3FFFu);
}
