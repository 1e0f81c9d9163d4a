#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "programmer/Programmer.h"

namespace {

// DS30262E, PIC16F84A: 001000 erases then programs one word (8 ms max), 011000 programs
// only (4 ms max, internally timed); bulk erase by a load, 001001/001011 and a begin
// command (10 ms); code-protect disable with Setup1/Setup2 at 2007h (4.1).
class Ds30262 : public Mid16Part {
public:
    explicit Ds30262(const DeviceRecord& device) : Mid16Part(device, Mid16Waits{}) {}
    std::string Document() const override { return "DS30262E"; }

    // Ones in bits 4-13 with Load Configuration. Words: the 10 ms the program always
    // waited cover the 8 ms erase-and-program cycle.
    void Unprotect(Programmer& p) override { SetupEraseAtConfig(p, kErasedWord); }
};

} // namespace

std::unique_ptr<PartModule> MakeDs30262(const DeviceRecord& device) {
    return std::make_unique<Ds30262>(device);
}
