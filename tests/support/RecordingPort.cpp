#include "support/RecordingPort.h"

void RecordingPort::WriteData(uint8_t value) {
    writes_.push_back({value, delay_.Now()});
}

uint8_t RecordingPort::ReadStatus() {
    uint8_t value = idleStatus_;
    if (!queued_.empty()) {
        value = queued_.front();
        queued_.pop_front();
    }
    reads_.push_back({writes_.size(), delay_.Now(), value});
    return value;
}

void RecordingPort::QueueStatus(const std::vector<uint8_t>& values) {
    queued_.insert(queued_.end(), values.begin(), values.end());
}

std::vector<uint8_t> RecordingPort::Bytes() const {
    std::vector<uint8_t> bytes;
    bytes.reserve(writes_.size());
    for (const Write& w : writes_) {
        bytes.push_back(w.value);
    }
    return bytes;
}

void RecordingPort::Clear() {
    writes_.clear();
    reads_.clear();
    queued_.clear();
}
