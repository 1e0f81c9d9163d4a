#include "parts/Documents.h"
#include "parts/Mid16.h"
#include "programmer/Programmer.h"

namespace {

// DS30034D, PIC16F627/628: the F84A's commands with longer cycles; 001000 is Tera (5 ms
// max) + Tprog (8 ms max) for words, IDs and the configuration word alike.
Mid16Waits DocumentWaits() {
    Mid16Waits w;
    w.wordWriteMs = 13;
    w.configWriteMs = 13;
    w.unprotectMs = 13; // code-protect disable (3.3): Tera + Tprog
    return w;
}

class Ds30034 : public Mid16Part {
public:
    explicit Ds30034(const DeviceRecord& device) : Mid16Part(device, DocumentWaits()) {}
    std::string Document() const override { return "DS30034D"; }

    // Load Configuration with 0000h (3.3).
    void Unprotect(Programmer& p) override { SetupEraseAtConfig(p, 0); }
};

} // namespace

std::unique_ptr<PartModule> MakeDs30034(const DeviceRecord& device) {
    return std::make_unique<Ds30034>(device);
}
