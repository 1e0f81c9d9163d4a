#pragma once
#include <cstdint>

// base multiplied by itself count times; 1 when count is 0 or less. Wraps on overflow like
// 32-bit two's complement arithmetic.
int32_t IntPower(int32_t base, int32_t count);
