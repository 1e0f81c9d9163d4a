// Writes in the device's units, end to end on the simulated chips: what the chip holds
// afterwards, where a partial unit leaves the erased value, and the messages of a failure,
// which name the same location as a write of one location per cycle.
#include "common/HexText.h"
#include "operations/SimBench.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
const std::string kDone = "Operación Completada.";

// Every cell of the chip's program memory 0 (programmed before), then an image of `used`
// cells counting up, with blank cells at every address that is a multiple of 5.
void PrepareDirtyChipAndImage(SimBench& b, int32_t used) {
    for (uint32_t i = 0; i < b.Chip().Size(Sim::Space::Program); ++i) {
        b.Chip().Poke(Sim::Space::Program, i, 0);
    }
    const bool f16 = b.device.Family == 16;
    for (int32_t a = 0; a < used; ++a) {
        const int32_t blank = f16 ? 0x3FFF : 0xFF;
        const int32_t v = a % 5 == 0 ? blank : (a * 37 + 11) & (f16 ? 0x3FFF : 0xFF);
        b.image.HexEditG.SetAt(a, Hex(v, f16 ? 4 : 2));
    }
    b.image.ProgUsed = used;
}

uint32_t Expected(SimBench& b, int32_t a, int32_t used) {
    return a < used ? static_cast<uint32_t>(ParseCell(b.image.HexEditG.At(a)))
                    : b.Chip().ErasedValue(Sim::Space::Program);
}

struct PartialCase {
    const char* device;
    int32_t used; // ends inside a unit
};

} // namespace

// Units cut by the end of the image (and DS39576 panels the image hardly reaches) leave
// the erased value in their unused cells; blank cells in between stay blank.
TEST(FastWriteEngine, PartialUnitsLeaveTheErasedValue) {
    for (const PartialCase& c :
         {PartialCase{"PIC16F876A", 8 * 37 + 3}, PartialCase{"PIC16F77", 101},
          PartialCase{"PIC16F88", 4 * 21 + 1}, PartialCase{"PIC16F84A", 77},
          PartialCase{"PIC18F4550", 32 * 9 + 13}, PartialCase{"PIC18F452", 0x2000 + 600 + 3}}) {
        SimBench b(c.device);
        ASSERT_TRUE(MakePart(b.device)->WritesInUnits()) << c.device;
        PrepareDirtyChipAndImage(b, c.used);
        EXPECT_TRUE(b.engine->BotonEscribirClick()) << c.device;
        // "Flash1" writes are verified once more by the command.
        const size_t completions = b.device.Programming == "Flash1" ? 2 : 1;
        EXPECT_EQ(b.Messages(), Texts(completions, kDone)) << c.device;
        EXPECT_EQ(b.Chip().TimingViolations().Summary(), "none") << c.device;
        for (int32_t a = 0; a < b.device.ProgMem; ++a) {
            ASSERT_EQ(b.Chip().Peek(Sim::Space::Program, static_cast<uint32_t>(a)),
                      Expected(b, a, c.used))
                << c.device << " at " << a;
        }
    }
}

// A cell that does not take is reported at its own address, with the texts of a write of
// one location per cycle; so is a value out of range (in units, before anything is
// written).
TEST(FastWriteEngine, FailuresNameTheSameLocationInBothMethods) {
    struct Case {
        const char* device;
        std::string value;
        Texts verifyError;
    };
    const std::vector<Case> cases = {
        {"PIC16F876A",
         "1234",
         {"Error verificando en 0013. Compruebe modo programación y dispositivo."}},
        {"PIC18F452",
         "A5",
         {"Escribe: 00A5   Lee: 00FF",
          "Error verificando en 0013. Compruebe modo programación y dispositivo."}},
    };
    for (const Case& c : cases) {
        for (bool wordWrites : {false, true}) {
            SimBench b(c.device);
            b.device.WordWrites = wordWrites;
            for (int32_t a = 0; a < 64; ++a) {
                b.image.HexEditG.SetAt(a, c.value);
            }
            b.image.ProgUsed = 64;
            b.Chip().SetNeverTakes(Sim::Space::Program, 0x13);
            EXPECT_FALSE(b.engine->BotonEscribirClick());
            EXPECT_EQ(b.Messages(), c.verifyError) << c.device << " " << wordWrites;

            b.ClearMessages();
            b.Chip().ClearKnobs();
            b.image.HexEditG.SetAt(0x25, b.device.Family == 16 ? "4000" : "100");
            EXPECT_FALSE(b.engine->BotonEscribirClick());
            EXPECT_EQ(b.Messages(), Texts{"Error en los códigos de programa (fuera de rango), "
                                          "dir: 0025 fila: 0002 col: 05"})
                << c.device << " " << wordWrites;
            EXPECT_EQ(b.Chip().TimingViolations().Summary(), "none") << c.device;
        }
    }
}
