#include "programmer/IntPower.h"

int32_t IntPower(int32_t base, int32_t count) {
    // Unsigned arithmetic gives the wrap without signed-overflow undefined behaviour.
    uint32_t result = 1;
    for (int32_t i = 0; i < count; ++i) {
        result *= static_cast<uint32_t>(base);
    }
    return static_cast<int32_t>(result);
}
