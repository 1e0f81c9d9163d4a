#pragma once
#include "programmer/Delay.h"
#include "programmer/Port.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

// A Port for tests: logs every byte written to the data register with the delay's time
// at the moment of writing, logs every status read, and answers status reads from a queue
// of bytes (then from a fixed idle value).
class RecordingPort : public Port {
public:
    struct Write {
        uint8_t value;
        int64_t time; // Delay::Now() when written, in nanoseconds
    };
    struct Read {
        size_t writesBefore; // how many bytes had been written when the status was read
        int64_t time;
        uint8_t value; // what was returned
    };

    explicit RecordingPort(const Delay& delay) : delay_(delay) {}

    void WriteData(uint8_t value) override;
    uint8_t ReadStatus() override;

    // Status bytes for the next reads, in order.
    void QueueStatus(const std::vector<uint8_t>& values);
    // Status returned once the queue is empty (0x00 unless set).
    void SetIdleStatus(uint8_t value) { idleStatus_ = value; }

    const std::vector<Write>& Writes() const { return writes_; }
    const std::vector<Read>& Reads() const { return reads_; }
    // Just the byte values written, for comparing whole sequences.
    std::vector<uint8_t> Bytes() const;
    void Clear();

private:
    const Delay& delay_;
    std::vector<Write> writes_;
    std::vector<Read> reads_;
    std::deque<uint8_t> queued_;
    uint8_t idleStatus_ = 0x00;
};
