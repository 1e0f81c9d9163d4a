#pragma once
#include "programmer/Delay.h"

#include <functional>

class QWidget;

// The real waits, with one addition: while an operation runs (the main window is
// disabled), a millisecond sleep lets the windows process pending events in slices, so
// the progress window repaints and "Cancelar" is heard even during the long programming
// and erase waits. A sleep never ends early; the busy waits are untouched.
class PumpingDelay : public Delay {
public:
    // inner: the delay that does the timing. pumpWanted: whether events may be processed
    // now (false outside operations, so no command can start inside another).
    PumpingDelay(Delay& inner, std::function<bool()> pumpWanted)
        : inner_(inner), pumpWanted_(std::move(pumpWanted)) {}

    void WaitTenthMicro() override { inner_.WaitTenthMicro(); }
    void WaitMicro() override { inner_.WaitMicro(); }
    void WaitMicros(int32_t n) override { inner_.WaitMicros(n); }
    void SleepMs(uint32_t ms) override;
    int64_t Now() const override { return inner_.Now(); }

private:
    Delay& inner_;
    std::function<bool()> pumpWanted_;
};
