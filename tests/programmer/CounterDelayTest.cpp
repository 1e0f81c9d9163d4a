#include "programmer/CounterDelay.h"
#include "programmer/IntPower.h"
#include "programmer/SteadyCounter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {
// A counter that moves by `step` on every reading, so every spin terminates and the number
// of readings shows how a wait was timed.
class FakeCounter : public PerformanceCounter {
public:
    explicit FakeCounter(int64_t frequency, int64_t step = 1)
        : frequency_(frequency), step_(step) {}
    int64_t Count() override {
        calls += 'C';
        ++reads;
        const int64_t now = value;
        value = static_cast<int64_t>(static_cast<uint64_t>(value) + static_cast<uint64_t>(step_));
        return now;
    }
    int64_t Frequency() override {
        calls += 'F';
        return frequency_;
    }
    int64_t value = 1000;
    int64_t reads = 0;
    std::string calls;

private:
    int64_t frequency_;
    int64_t step_;
};

constexpr uint32_t PassValue = 25;
constexpr uint32_t TenthLoop = 81 * PassValue;
constexpr uint32_t MicroLoop = 1801 * PassValue;
} // namespace

TEST(CounterDelay, At10MHzTenthMicroLoopsAndMicroWaitsElevenTicks) {
    FakeCounter counter(10'000'000);
    CounterDelay delay(counter);

    delay.WaitTenthMicro(); // 1 tick is too coarse
    EXPECT_EQ(delay.Accumulator(), TenthLoop);
    EXPECT_EQ(counter.calls, "CF"); // the start is read first, and nothing spins

    counter.reads = 0;
    delay.WaitMicro();
    EXPECT_EQ(counter.reads, 1 + 11); // start, then spins until 11 ticks have passed
    EXPECT_EQ(delay.Accumulator(), TenthLoop);
}

TEST(CounterDelay, WaitMicrosTimesEachMicrosecondFromItsOwnStart) {
    FakeCounter counter(10'000'000);
    CounterDelay delay(counter);
    delay.WaitMicros(110);
    // Every microsecond: one fresh start reading, then 11 ticks (121 us in all).
    EXPECT_EQ(counter.reads, 110 * (1 + 11));
    EXPECT_EQ(counter.calls.substr(0, 2), "CF");
    EXPECT_EQ(counter.calls.find('F', 2), std::string::npos); // frequency read once
    EXPECT_EQ(delay.Accumulator(), 0u);
}

TEST(CounterDelay, At3579545HzMicroUsesFourTicks) {
    FakeCounter counter(3'579'545);
    CounterDelay delay(counter);
    delay.WaitTenthMicro();
    EXPECT_EQ(delay.Accumulator(), TenthLoop);
    counter.reads = 0;
    delay.WaitMicro();
    EXPECT_EQ(counter.reads, 1 + 4);
    EXPECT_EQ(delay.Accumulator(), TenthLoop);
}

TEST(CounterDelay, At1193182HzMicroLoopsButMicrosCountsTwoTicks) {
    FakeCounter counter(1'193'182);
    CounterDelay delay(counter);
    delay.WaitMicro(); // 2 ticks is below the 4 WaitMicro needs
    EXPECT_EQ(delay.Accumulator(), MicroLoop);
    EXPECT_EQ(counter.reads, 1);

    counter.reads = 0;
    delay.WaitMicros(3);
    EXPECT_EQ(counter.reads, 3 * (1 + 2));
    EXPECT_EQ(delay.Accumulator(), MicroLoop);
}

TEST(CounterDelay, At2GHzEveryWaitUsesTheCounter) {
    FakeCounter counter(2'000'000'000);
    CounterDelay delay(counter);
    delay.WaitTenthMicro();
    EXPECT_EQ(counter.reads, 1 + 200);
    counter.reads = 0;
    delay.WaitMicro();
    EXPECT_EQ(counter.reads, 1 + 2001);
    EXPECT_EQ(delay.Accumulator(), 0u);
}

TEST(CounterDelay, WithoutCounterEveryWaitLoops) {
    FakeCounter counter(0);
    CounterDelay delay(counter);
    delay.WaitTenthMicro();
    delay.WaitMicro();
    delay.WaitMicros(3);
    EXPECT_EQ(delay.Accumulator(), TenthLoop + MicroLoop + 3 * MicroLoop);
    EXPECT_EQ(counter.reads, 3);

    // Below 1 MHz WaitMicros loops per microsecond too.
    FakeCounter slow(500'000);
    CounterDelay slowDelay(slow);
    slowDelay.WaitMicros(2);
    EXPECT_EQ(slowDelay.Accumulator(), 2 * MicroLoop);
}

TEST(CounterDelay, WaitMicrosOfZeroOrLessReturnsAtOnce) {
    FakeCounter counter(10'000'000);
    CounterDelay delay(counter);
    delay.WaitMicros(0);
    delay.WaitMicros(-5);
    EXPECT_EQ(counter.reads, 0);
    EXPECT_EQ(delay.Accumulator(), 0u);
}

TEST(CounterDelay, ACounterRunningBackwardsStillEndsTheWait) {
    FakeCounter counter(10'000'000, -1);
    CounterDelay delay(counter);
    delay.WaitMicro();
    EXPECT_EQ(counter.reads, 1 + 11);

    FakeCounter wrapping(10'000'000);
    wrapping.value = INT64_MAX - 3; // the difference is taken across the wrap
    CounterDelay wrapDelay(wrapping);
    wrapDelay.WaitMicro();
    EXPECT_EQ(wrapping.reads, 1 + 11);
}

TEST(CounterDelay, NowConvertsCountsToNanoseconds) {
    FakeCounter counter(10'000'000, 0);
    counter.value = 25;
    EXPECT_EQ(CounterDelay(counter).Now(), 2500);
    counter.value = 30'000'000'000; // 3000 s
    EXPECT_EQ(CounterDelay(counter).Now(), 3'000'000'000'000);
    FakeCounter none(0, 0);
    EXPECT_EQ(CounterDelay(none).Now(), 0);
}

TEST(CounterDelay, RealCounterWaitsAtLeastTheTimeAsked) {
    SteadyCounter counter;
    ASSERT_GT(counter.Frequency(), 0);
    CounterDelay delay(counter);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    delay.WaitMicros(200);
    const auto afterMicros = Clock::now();
    delay.SleepMs(2);
    const auto afterSleep = Clock::now();
    EXPECT_GE(afterMicros - start, std::chrono::microseconds(200));
    EXPECT_GE(afterSleep - afterMicros, std::chrono::milliseconds(2));
    EXPECT_GE(delay.Now(), 0);
}

TEST(IntPower, RepeatedMultiplicationWithWrap) {
    EXPECT_EQ(IntPower(2, 13), 8192);
    EXPECT_EQ(IntPower(2, 0), 1);
    EXPECT_EQ(IntPower(2, -1), 1);
    EXPECT_EQ(IntPower(3, 4), 81);
    EXPECT_EQ(IntPower(2, 31), INT32_MIN);
    EXPECT_EQ(IntPower(2, 32), 0);
    EXPECT_EQ(IntPower(-2, 3), -8);
}
