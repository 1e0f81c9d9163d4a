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

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
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
// A fake /proc/sys/dev/parport, /dev and lock directory in a temporary directory.
class FakeTree : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/pravik-ppdev-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        paths.procRoot = (root_ / "proc").string();
        paths.devRoot = (root_ / "dev").string();
        paths.lockRoot = (root_ / "lock").string();
        fs::create_directories(paths.procRoot);
        fs::create_directories(paths.devRoot);
        fs::create_directories(paths.lockRoot);
    }
    void TearDown() override { fs::remove_all(root_); }

    void AddProcEntry(const std::string& name, const std::string& baseAddr) {
        fs::create_directories(fs::path(paths.procRoot) / name);
        std::ofstream(fs::path(paths.procRoot) / name / "base-addr") << baseAddr;
    }
    // The kernel's record of the device that holds the port ("none" when it is free).
    void SetActiveHolder(const std::string& name, const std::string& holder) {
        fs::create_directories(fs::path(paths.procRoot) / name / "devices");
        std::ofstream(fs::path(paths.procRoot) / name / "devices" / "active") << holder << "\n";
    }
    // A plain file where the device node should be: it opens and locks, but the claim
    // fails.
    std::string AddDeviceFile(const std::string& name) {
        const fs::path file = fs::path(paths.devRoot) / name;
        std::ofstream{file};
        return file.string();
    }

    fs::path root_;
    PpdevPaths paths;
};

// Holds the lock that a running copy of the program keeps on the port's node.
class HeldNode {
public:
    explicit HeldNode(const std::string& node) : fd_(open(node.c_str(), O_RDWR)) {
        locked_ = fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) == 0;
    }
    ~HeldNode() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    bool Locked() const { return locked_; }

private:
    int fd_;
    bool locked_ = false;
};

bool StartsWithDriverMessage(const std::string& text) {
    return text.rfind(PortDriverMessage + "\n", 0) == 0;
}
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

TEST_F(FakeTree, EachMissingPieceOfTheKernelSideIsNamed) {
    // No parallel-port support loaded at all.
    paths.procRoot = (root_ / "missing").string();
    EXPECT_EQ(FindPpdevDevice(888, paths), std::nullopt);
    {
        PpdevPort port(888, paths);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(port.Access().fault, PortFault::NoParportDriver);
        EXPECT_EQ(port.ReadStatus(), 0xFF);
    }
    // Ports listed, but none at the configured address.
    paths.procRoot = (root_ / "proc").string();
    AddProcEntry("parport0", "632\n");
    EXPECT_EQ(PpdevPort(888, paths).Access().fault, PortFault::NoPortAtAddress);
    // The port is listed, but ppdev made no device node for it.
    AddProcEntry("parport1", "888\n");
    PpdevPort port(888, paths);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Access().fault, PortFault::NoDeviceNode);
    EXPECT_EQ(port.Device(), paths.devRoot + "/parport1");
    port.WriteData(0x24);
    EXPECT_EQ(port.ReadStatus(), 0xFF);
}

TEST_F(FakeTree, DeviceThatCannotBeClaimedIsClosedUntouchedAndUnlocked) {
    AddProcEntry("parport0", "888\n");
    const std::string file = AddDeviceFile("parport0");
    {
        PpdevPort port(888, paths);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(port.Access().fault, PortFault::Unusable);
        EXPECT_FALSE(port.Access().detail.empty());
        port.WriteData(0x24);
        EXPECT_EQ(port.ReadStatus(), 0xFF);
        // The failed attempt keeps no lock that would make the port look busy later.
        EXPECT_TRUE(HeldNode(file).Locked());
    }
    EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(FakeTree, ASecondProgramIsToldThePortIsBusyAndNeverDrivesIt) {
    AddProcEntry("parport0", "888\n");
    const std::string node = AddDeviceFile("parport0");
    HeldNode first(node);
    ASSERT_TRUE(first.Locked());

    FakeIo io; // direct access would be granted: it must not be used behind the holder's back
    OpenedPort second = OpenParallelPort(888, paths, io);
    ASSERT_NE(dynamic_cast<DeadPort*>(second.port.get()), nullptr);
    EXPECT_EQ(second.access.fault, PortFault::Busy);
    EXPECT_EQ(second.access.device, node);
    second.port->WriteData(0x08);
    EXPECT_TRUE(io.permissions.empty());
    EXPECT_TRUE(io.outs.empty());
    const std::string message = PortAccessMessage(second.access);
    EXPECT_FALSE(StartsWithDriverMessage(message)) << message;
    EXPECT_NE(message.find(node + " está ocupado"), std::string::npos) << message;
}

TEST_F(FakeTree, KernelRecordOfAnotherHolderMakesThePortBusy) {
    AddProcEntry("parport0", "888\n");
    AddDeviceFile("parport0");
    // The printer driver is loaded but idle: the port is free to claim.
    fs::create_directories(fs::path(paths.procRoot) / "parport0" / "devices" / "lp");
    SetActiveHolder("parport0", "none");
    EXPECT_EQ(PpdevPort(888, paths).Access().fault, PortFault::Unusable); // got to the claim
    // While it prints, or while another ppdev program holds the port, it is busy.
    SetActiveHolder("parport0", "lp0");
    const PortAccess access = PpdevPort(888, paths).Access();
    EXPECT_EQ(access.fault, PortFault::Busy);
    EXPECT_NE(PortAccessMessage(access).find("(lp0)"), std::string::npos);
}

TEST_F(FakeTree, DirectAccessIsTakenByOneProgramAtATime) {
    // No ppdev: direct port I/O, guarded by a lock file.
    paths.procRoot = (root_ / "missing").string();
    FakeIo io;
    OpenedPort first = OpenParallelPort(888, paths, io);
    ASSERT_NE(dynamic_cast<DirectIoPort*>(first.port.get()), nullptr);
    EXPECT_TRUE(first.access.Ok());
    {
        FakeIo otherIo;
        OpenedPort second = OpenParallelPort(888, paths, otherIo);
        ASSERT_NE(dynamic_cast<DeadPort*>(second.port.get()), nullptr);
        EXPECT_EQ(second.access.fault, PortFault::Busy);
        EXPECT_NE(PortAccessMessage(second.access).find("en 0x378 está ocupado"),
                  std::string::npos);
        // The access it was granted before finding the lock taken is given back.
        ASSERT_FALSE(otherIo.permissions.empty());
        EXPECT_FALSE(otherIo.permissions.back().enable);
        EXPECT_TRUE(otherIo.outs.empty());
    }
    first.port.reset();
    FakeIo laterIo;
    EXPECT_TRUE(OpenParallelPort(888, paths, laterIo).access.Ok());
}

namespace {
// Runs `check` in a child process as the unprivileged user nobody (root would be let
// through any file mode), or in this process when the tests do not run as root. True
// when the check passed.
template <typename Check> bool AsUnprivileged(Check check) {
    if (geteuid() != 0) {
        return check();
    }
    const passwd* nobody = getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) {
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

TEST_F(FakeTree, PermissionDeniedNamesTheGroupThatMayOpenThePort) {
    AddProcEntry("parport0", "888\n");
    const std::string node = AddDeviceFile("parport0");
    fs::permissions(root_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(paths.devRoot, fs::perms::owner_all | fs::perms::others_exec);
    fs::permissions(paths.procRoot, fs::perms::owner_all | fs::perms::others_all);
    // The node belongs to a group of its own, as ppdev nodes belong to lp on Debian.
    std::string groupName = "lp";
    if (const group* dialout = getgrnam("dialout"); dialout != nullptr && geteuid() == 0) {
        ASSERT_EQ(chown(node.c_str(), 0, dialout->gr_gid), 0);
        groupName = "dialout";
    }
    fs::permissions(node, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::group_write);
    const bool passed = AsUnprivileged([&] {
        const OpenedPort opened = OpenParallelPort(888, paths);
        const std::string message = PortAccessMessage(opened.access);
        return opened.access.fault == PortFault::PermissionDenied &&
               StartsWithDriverMessage(message) &&
               message.find("permiso para abrir " + node) != std::string::npos &&
               message.find("grupo " + groupName) != std::string::npos &&
               message.find("usermod -aG " + groupName) != std::string::npos &&
               message.find("udev") != std::string::npos;
    });
    EXPECT_TRUE(passed);
}

TEST_F(FakeTree, FactoryFallsBackToDirectIoThenToADeadPort) {
    AddProcEntry("parport0", "888\n");
    AddDeviceFile("parport0"); // present but not a real ppdev device
    FakeIo io;
    OpenedPort opened = OpenParallelPort(888, paths, io);
    ASSERT_NE(dynamic_cast<DirectIoPort*>(opened.port.get()), nullptr);
    opened.port->WriteData(0x34);
    EXPECT_EQ(io.outs, (std::vector<FakeIo::Output>{{888, 0x34}}));

    FakeIo refusing;
    refusing.refuseAll = true;
    OpenedPort dead = OpenParallelPort(888, paths, refusing);
    ASSERT_NE(dynamic_cast<DeadPort*>(dead.port.get()), nullptr);
    EXPECT_EQ(dead.access.fault, PortFault::Unusable);
    dead.port->WriteData(0x34);
    EXPECT_EQ(dead.port->ReadStatus(), 0xFF);
    EXPECT_TRUE(refusing.outs.empty());
}

TEST_F(FakeTree, ProbeNamesWhatIsMissingWithoutTakingThePort) {
    FakeIo io;
    EXPECT_TRUE(ProbeParallelPort(888, paths, io).Ok());
    // Direct access allowed: one read of the data register, nothing written, access given
    // back.
    EXPECT_EQ(io.ins, std::vector<uint16_t>{888});
    EXPECT_TRUE(io.outs.empty());
    EXPECT_FALSE(io.permissions.back().enable);

    FakeIo refusing;
    refusing.refuseAll = true;
    EXPECT_EQ(ProbeParallelPort(888, paths, refusing).fault, PortFault::NoPortAtAddress);
    AddProcEntry("parport0", "888\n");
    EXPECT_EQ(ProbeParallelPort(888, paths, refusing).fault, PortFault::NoDeviceNode);
    const std::string node = AddDeviceFile("parport0");
    // The device opens: the driver is there. Another program holding the port is not
    // disturbed, and the probe does not wait for it.
    HeldNode other(node);
    ASSERT_TRUE(other.Locked());
    EXPECT_TRUE(ProbeParallelPort(888, paths, refusing).Ok());
    EXPECT_TRUE(refusing.ins.empty());
}

TEST(PortAccessMessage, DriverMessageThenWhatToDo) {
    PortAccess a;
    a.portBase = 0x378;
    EXPECT_EQ(PortAccessMessage(a), "");
    a.fault = PortFault::NoParportDriver;
    EXPECT_TRUE(StartsWithDriverMessage(PortAccessMessage(a)));
    EXPECT_NE(PortAccessMessage(a).find("modprobe -a parport_pc ppdev"), std::string::npos);
    a.fault = PortFault::NoPortAtAddress;
    EXPECT_NE(PortAccessMessage(a).find("dirección 0x378"), std::string::npos);
    a.fault = PortFault::NoDeviceNode;
    a.device = "/dev/parport0";
    EXPECT_NE(PortAccessMessage(a).find("No existe /dev/parport0: el módulo ppdev"),
              std::string::npos);
    EXPECT_NE(PortAccessMessage(a).find("«sudo modprobe ppdev»"), std::string::npos);
    a.fault = PortFault::Unusable;
    a.detail = "el dispositivo no existe";
    EXPECT_EQ(PortAccessMessage(a),
              PortDriverMessage + "\nNo se puede usar /dev/parport0: el dispositivo no existe."
                                  "\nPara probar el programa sin programador, use el adaptador "
                                  "simulado: «pravik --adapter simulator» o «pravik-cli --adapter "
                                  "simulator».");
}
