// What a command says about the state the chip is in: code protection behind a read of
// zeros, an erase that did not reach the last location, a blank read cancelled, and a
// range error that ends a write in units with its one message.
#include "common/HexText.h"
#include "operations/SimBench.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
using Sim::Space;
const std::string kDone = "Operación Completada.";

std::string ProtectedNote(const std::string& where) {
    return "El PIC tiene la protección de código activada (" + where +
           "): su memoria de programa se lee como ceros. «Desproteger PIC» lo borra entero y "
           "quita la protección; después se puede escribir.";
}

} // namespace

// A protected chip reads as zeros. The read and a verify that fails say why, whether the
// configuration was read with the program (PIC18F452 here) or has to be read for it.
TEST(ChipState, ProtectedChipReadAndVerifyTellWhy) {
    SimBench f76("PIC16F76");
    f76.Chip().Poke(Space::Program, 0, 0x1234);
    f76.Chip().Poke(Space::Config, 0, 0x3FAF); // CP (bit 4) programmed
    EXPECT_TRUE(f76.engine->BotonLeerClick());
    EXPECT_EQ(f76.image.HexEditG.At(0), "0000");
    EXPECT_EQ(f76.Messages(), (Texts{kDone, ProtectedNote("palabra de configuración 3FAF")}));

    f76.image.HexEditG.SetAt(0, "1234");
    f76.ClearMessages();
    EXPECT_FALSE(f76.engine->BotonVerificarClick());
    EXPECT_EQ(f76.Messages(),
              (Texts{"Error verificando en 0000. Compruebe modo programación y dispositivo.",
                     ProtectedNote("palabra de configuración 3FAF")}));
    EXPECT_FALSE(f76.Chip().InProgramMode());

    SimBench f452("PIC18F452");
    f452.host.scope = Scope{true, false, true, false};
    f452.Chip().Poke(Space::Program, 0, 0x12);
    f452.Chip().Poke(Space::Config, 8, 0x00); // CONFIG5L: CP0-CP3 programmed
    f452.Chip().SetCodeProtected(true);
    EXPECT_TRUE(f452.engine->BotonLeerClick());
    EXPECT_EQ(f452.image.HexEditG.At(0), "00");
    EXPECT_EQ(f452.Messages(), (Texts{kDone, ProtectedNote("CONFIG5 C000")}));

    // An unprotected chip reads without a word about it.
    SimBench plain("PIC16F76");
    EXPECT_TRUE(plain.engine->BotonLeerClick());
    EXPECT_EQ(plain.Messages(), Texts{kDone});
}

// The blank read after an erase reaches the last location of the part: a last word that
// did not erase fails both erase commands, on both families.
TEST(ChipState, EraseCheckReachesTheLastLocation) {
    for (const char* device : {"PIC16F84A", "PIC18F4550"}) {
        SimBench b(device);
        const uint32_t last = static_cast<uint32_t>(b.device.ProgMem - 1);
        b.Chip().SetStuckBit(Space::Program, last, 0, false);
        const std::string expected = "Error de borrado en " + Hex(last, 4);
        b.host.messages.yesAnswers = {true};
        EXPECT_FALSE(b.engine->BorrarPrograma1Click()) << device;
        EXPECT_EQ(b.Messages().back(), expected) << device;
        b.ClearMessages();
        b.host.messages.yesAnswers = {true};
        EXPECT_FALSE(b.engine->BotonDesprotegeClick()) << device;
        EXPECT_EQ(b.Messages().back(), expected) << device;
        EXPECT_TRUE(b.host.mainEnabled);
        EXPECT_FALSE(b.host.progressVisible);
    }
}

// The blank read is part of the command: the main window is disabled while it runs, and
// "Cancelar" ends it with "Acción interrumpida." instead of "Programa borrado.".
TEST(ChipState, EraseCheckRunsDisabledAndStopsOnCancel) {
    SimBench b("PIC16F876A");
    b.host.messages.yesAnswers = {true};
    bool enabledDuringCheck = true;
    b.host.onProgress = [&](const RecordingHost::Update& u) {
        if (u.action == "Comprobando Borrado" && u.address == 0x40) {
            enabledDuringCheck = b.host.mainEnabled;
            b.host.cancel = true;
        }
    };
    EXPECT_FALSE(b.engine->BorrarPrograma1Click());
    EXPECT_FALSE(enabledDuringCheck);
    EXPECT_EQ(b.Messages().back(), "Acción interrumpida.");
    EXPECT_TRUE(b.host.mainEnabled);
    EXPECT_FALSE(b.host.progressVisible);
    EXPECT_FALSE(b.Chip().InProgramMode());
}

// A "Flash1" write in units stops at a cell out of range with that message alone: the
// verify that follows such writes would only report the first location never written.
TEST(ChipState, RangeErrorEndsAFlash1Write) {
    SimBench b("PIC16F73");
    for (int32_t a = 0; a < 8; ++a) {
        b.image.HexEditG.SetAt(a, a == 5 ? "4000" : "0123");
    }
    b.image.ProgUsed = 8;
    EXPECT_FALSE(b.engine->BotonEscribirClick());
    EXPECT_EQ(b.Messages(),
              Texts{"Error en los códigos de programa (fuera de rango), dir: 0005 fila: 0000 "
                    "col: 05"});
    EXPECT_TRUE(b.host.mainEnabled);
}
