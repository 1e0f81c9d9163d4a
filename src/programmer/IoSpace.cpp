#include "programmer/IoSpace.h"

#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__))
#include <sys/io.h>
#define PRAVIK_HAS_PORT_IO 1
#else
#define PRAVIK_HAS_PORT_IO 0
#endif

namespace {
class HostIo : public IoSpace {
public:
#if PRAVIK_HAS_PORT_IO
    bool SetPermission(uint16_t from, uint32_t count, bool enable) override {
        return ioperm(from, count, enable ? 1 : 0) == 0;
    }
    void Out(uint16_t address, uint8_t value) override {
        outb(value, address);
    }
    uint8_t In(uint16_t address) override {
        return inb(address);
    }
#else
    bool SetPermission(uint16_t, uint32_t, bool) override {
        return false;
    }
    void Out(uint16_t, uint8_t) override {}
    uint8_t In(uint16_t) override {
        return 0xFF;
    }
#endif
};
} // namespace

IoSpace& HostIoSpace() {
    static HostIo io;
    return io;
}
