#include "devices/DeviceFileLookup.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

// The installed programs are checked end to end by the install test; here, the order and
// what counts as found.
TEST(DeviceFileLookup, FirstExistingFileInOrderAndEveryPlaceNamedWhenNone) {
    TempDir dir;
    DeviceFilePlaces places;
    places.executableDir = dir.File("bin");
    places.configHome = dir.File("config");
    places.dataDir = dir.File("share/pravik");
    const std::vector<std::string> order = {dir.File("bin/Pravik.ini"),
                                            dir.File("config/pravik/Pravik.ini"),
                                            dir.File("share/pravik/Pravik.ini")};

    DeviceFileLocation none = LocateDeviceFile(places);
    EXPECT_FALSE(none.Found());
    EXPECT_EQ(none.tried, order);
    EXPECT_EQ(none.Shown(), order[0] + ", " + order[1] + ", " + order[2]);

    // A directory of that name is not a device file.
    fs::create_directories(order[0]);
    for (const std::string& path : {order[2], order[1]}) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << "[PIC16F84A]\n";
        EXPECT_EQ(LocateDeviceFile(places).path, path);
        EXPECT_EQ(LocateDeviceFile(places).Shown(), path);
    }
    fs::remove(order[0]);
    std::ofstream(order[0]) << "[PIC16F84A]\n";
    EXPECT_EQ(LocateDeviceFile(places).path, order[0]);

    // A file the user names is the only place looked at, even when it is missing.
    places.chosen = dir.File("mine.ini");
    const DeviceFileLocation chosen = LocateDeviceFile(places);
    EXPECT_FALSE(chosen.Found());
    EXPECT_EQ(chosen.tried, std::vector<std::string>{places.chosen});

    // Places that are unknown (no HOME, no executable path) are skipped, not tried as "".
    DeviceFilePlaces bare;
    bare.dataDir = places.dataDir;
    EXPECT_EQ(LocateDeviceFile(bare).tried, std::vector<std::string>{order[2]});
}
