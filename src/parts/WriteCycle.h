#pragma once
#include <cstdint>
#include <vector>

// One programming cycle of a write in units: the cells it programs, in the order they go
// out. Cells at or past the used size get the erased value, so a partial unit leaves them
// as they are.
struct WriteCycle {
    std::vector<int32_t> addresses;
    bool multiPanel = false; // DS39576: every panel's buffer at once
};
