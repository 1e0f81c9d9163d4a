#include "programmer/DeadPort.h"
#include "programmer/DirectIoPort.h"
#include "programmer/ParallelPort.h"
#include "programmer/PpdevPort.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// An I/O space that records what the backends ask of it. Ports outside `refused` are
// granted unless everything is refused.
class FakeIo : public IoSpace {
public:
    bool SetPermission(uint16_t from, uint32_t count, bool enable) override {
        permissions.push_back({from, count, enable});
        for (uint32_t i = 0; i < count; ++i) {
            if (refuseAll || refused.count(static_cast<uint16_t>(from + i))) {
                return false;
            }
        }
        return true;
    }
    void Out(uint16_t address, uint8_t value) override { outs.push_back({address, value}); }
    uint8_t In(uint16_t address) override {
        ins.push_back(address);
        return status;
    }

    struct Permission {
        uint16_t from;
        uint32_t count;
        bool enable;
        bool operator==(const Permission&) const = default;
    };
    struct Output {
        uint16_t address;
        uint8_t value;
        bool operator==(const Output&) const = default;
    };
    bool refuseAll = false;
    std::set<uint16_t> refused;
    uint8_t status = 0x5A;
    std::vector<Permission> permissions;
    std::vector<Output> outs;
    std::vector<uint16_t> ins;
};
} // namespace

TEST(DirectIoPort, WritesDataRegisterAndReadsTheOneAbove) {
    FakeIo io;
    {
        DirectIoPort port(0x378, io);
        ASSERT_TRUE(port.IsOpen());
        port.WriteData(0x24);
        EXPECT_EQ(port.ReadStatus(), 0x5A);
    }
    const std::vector<FakeIo::Permission> permissions = {{0x378, 2, true}, {0x378, 2, false}};
    EXPECT_EQ(io.permissions, permissions);
    EXPECT_EQ(io.outs, (std::vector<FakeIo::Output>{{0x378, 0x24}}));
    EXPECT_EQ(io.ins, std::vector<uint16_t>{0x379});
}

TEST(DirectIoPort, StatusAddressWrapsAtTheTopOfIoSpace) {
    EXPECT_EQ(StatusAddress(0xFFFF), 0x0000);
    FakeIo io;
    DirectIoPort port(0xFFFF, io);
    ASSERT_TRUE(port.IsOpen());
    port.ReadStatus();
    EXPECT_EQ(io.ins, std::vector<uint16_t>{0x0000});
    // No permission range runs past the end of the I/O space.
    for (const auto& p : io.permissions) {
        EXPECT_LE(p.from + p.count, 0x10000u);
    }
}

TEST(DirectIoPort, RefusedAccessDropsWritesAndReadsFloating) {
    FakeIo io;
    io.refuseAll = true;
    DirectIoPort port(0x378, io);
    EXPECT_FALSE(port.IsOpen());
    port.WriteData(0x08);
    EXPECT_EQ(port.ReadStatus(), 0xFF);
    EXPECT_TRUE(io.outs.empty());
    EXPECT_TRUE(io.ins.empty());
}

TEST(DirectIoPort, HalfGrantedWrappedPortIsGivenBack) {
    FakeIo io;
    io.refused = {0x0000};
    DirectIoPort port(0xFFFF, io);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(io.permissions.back(), (FakeIo::Permission{0xFFFF, 1, false}));
}

namespace {
// A fake /proc/sys/dev/parport and /dev in a temporary directory.
class FakeTree : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/pravik-ppdev-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        paths.procRoot = (root_ / "proc").string();
        paths.devRoot = (root_ / "dev").string();
        fs::create_directories(paths.procRoot);
        fs::create_directories(paths.devRoot);
    }
    void TearDown() override { fs::remove_all(root_); }

    void AddProcEntry(const std::string& name, const std::string& baseAddr) {
        fs::create_directories(fs::path(paths.procRoot) / name);
        std::ofstream(fs::path(paths.procRoot) / name / "base-addr") << baseAddr;
    }
    // A plain file where the device node should be: it opens, but the claim fails.
    std::string AddDeviceFile(const std::string& name) {
        const fs::path file = fs::path(paths.devRoot) / name;
        std::ofstream{file};
        return file.string();
    }

    fs::path root_;
    PpdevPaths paths;
};
} // namespace

TEST_F(FakeTree, FindsTheDeviceWhoseFirstBaseAddressMatches) {
    AddProcEntry("parport0", "632\t1656\n");
    AddProcEntry("parport1", "888\t1912\n");
    AddProcEntry("default", "888\n");    // not a port
    AddProcEntry("parportX", "888\n");   // not a port number
    AddProcEntry("parport7", "0x378\n"); // the kernel writes decimal: 0
    AddProcEntry("parport8", "junk\n");
    EXPECT_EQ(FindPpdevDevice(888, paths), paths.devRoot + "/parport1");
    EXPECT_EQ(FindPpdevDevice(632, paths), paths.devRoot + "/parport0");
    EXPECT_EQ(FindPpdevDevice(1912, paths), std::nullopt); // only the first number counts
    EXPECT_EQ(FindPpdevDevice(0x3BC, paths), std::nullopt);
}

TEST_F(FakeTree, SeveralMatchesGiveTheLowestPortNumber) {
    AddProcEntry("parport10", "888\n");
    AddProcEntry("parport2", "888\n");
    EXPECT_EQ(FindPpdevDevice(888, paths), paths.devRoot + "/parport2");
}

TEST_F(FakeTree, NoProcTreeMeansNoDevice) {
    paths.procRoot = (root_ / "missing").string();
    EXPECT_EQ(FindPpdevDevice(888, paths), std::nullopt);
    PpdevPort port(888, paths);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Error().empty());
    EXPECT_EQ(port.ReadStatus(), 0xFF);
}

TEST_F(FakeTree, MissingDeviceNodeLeavesADeadPort) {
    AddProcEntry("parport0", "888\n");
    PpdevPort port(888, paths);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Device(), paths.devRoot + "/parport0");
    EXPECT_NE(port.Error().find("cannot open"), std::string::npos) << port.Error();
    port.WriteData(0x24);
    EXPECT_EQ(port.ReadStatus(), 0xFF);
}

TEST_F(FakeTree, DeviceThatCannotBeClaimedIsClosedAndUntouched) {
    AddProcEntry("parport0", "888\n");
    const std::string file = AddDeviceFile("parport0");
    {
        PpdevPort port(888, paths);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_NE(port.Error().find("cannot claim"), std::string::npos) << port.Error();
        port.WriteData(0x24);
        EXPECT_EQ(port.ReadStatus(), 0xFF);
    }
    EXPECT_EQ(fs::file_size(file), 0u);
}

namespace {
// Opens the port as an unprivileged user: root would be let through any file mode.
bool OpensAsUnprivileged(uint16_t portBase, const PpdevPaths& paths, std::string& error) {
    if (geteuid() != 0) {
        PpdevPort port(portBase, paths);
        error = port.Error();
        return port.IsOpen() || error.find("cannot open") == std::string::npos;
    }
    const passwd* nobody = getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(gid) != 0 || setuid(uid) != 0) {
            _exit(2);
        }
        PpdevPort port(portBase, paths);
        _exit(port.IsOpen() || port.Error().find("Permission denied") == std::string::npos);
    }
    int status = 0;
    waitpid(child, &status, 0);
    error = "child exit " + std::to_string(WEXITSTATUS(status));
    return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
}
} // namespace

TEST_F(FakeTree, PermissionDeniedLeavesADeadPort) {
    AddProcEntry("parport0", "888\n");
    const std::string file = AddDeviceFile("parport0");
    fs::permissions(root_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(paths.devRoot, fs::perms::owner_all | fs::perms::others_exec);
    fs::permissions(paths.procRoot, fs::perms::owner_all | fs::perms::others_all);
    fs::permissions(file, fs::perms::none);
    std::string error;
    EXPECT_FALSE(OpensAsUnprivileged(888, paths, error)) << error;
}

TEST_F(FakeTree, FactoryFallsBackToDirectIoThenToADeadPort) {
    AddProcEntry("parport0", "888\n");
    AddDeviceFile("parport0"); // present but not a real ppdev device
    FakeIo io;
    auto port = OpenParallelPort(888, paths, io);
    ASSERT_NE(dynamic_cast<DirectIoPort*>(port.get()), nullptr);
    port->WriteData(0x34);
    EXPECT_EQ(io.outs, (std::vector<FakeIo::Output>{{888, 0x34}}));

    FakeIo refusing;
    refusing.refuseAll = true;
    port = OpenParallelPort(888, paths, refusing);
    ASSERT_NE(dynamic_cast<DeadPort*>(port.get()), nullptr);
    port->WriteData(0x34);
    EXPECT_EQ(port->ReadStatus(), 0xFF);
    EXPECT_TRUE(refusing.outs.empty());
}

TEST_F(FakeTree, ProbeReportsMissingDriverOnlyWhenBothWaysFail) {
    FakeIo io;
    EXPECT_FALSE(PortDriverMissing(888, paths, io));
    // Direct access allowed: one read of the data register, nothing written, access given
    // back.
    EXPECT_EQ(io.ins, std::vector<uint16_t>{888});
    EXPECT_TRUE(io.outs.empty());
    EXPECT_FALSE(io.permissions.back().enable);

    FakeIo refusing;
    refusing.refuseAll = true;
    EXPECT_TRUE(PortDriverMissing(888, paths, refusing)); // no ppdev device either
    AddProcEntry("parport0", "888\n");
    EXPECT_TRUE(PortDriverMissing(888, paths, refusing)); // device node missing
    AddDeviceFile("parport0");
    EXPECT_TRUE(PortDriverMissing(888, paths, refusing)); // cannot be claimed
    EXPECT_TRUE(refusing.ins.empty());
}
