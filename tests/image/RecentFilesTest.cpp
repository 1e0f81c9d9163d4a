#include "image/RecentFiles.h"

#include <gtest/gtest.h>

using List = std::array<std::string, 4>;

TEST(RecentFiles, MovesEntriesDownAsFarAsTheSamePathOrAGap) {
    MemorySettingsStore s;
    EXPECT_EQ(RecentFiles::Add(s, "a"), (List{"a", "", "", ""}));
    EXPECT_EQ(RecentFiles::Add(s, "a"), (List{"a", "", "", ""}));
    RecentFiles::Add(s, "b");
    RecentFiles::Add(s, "c");
    EXPECT_EQ(RecentFiles::Add(s, "d"), (List{"d", "c", "b", "a"}));
    EXPECT_EQ(RecentFiles::Add(s, "b"), (List{"b", "d", "c", "a"})); // slot 3 to 1, 4 kept
    EXPECT_EQ(RecentFiles::Add(s, "e"), (List{"e", "b", "d", "c"})); // full: slot 4 drops
    EXPECT_EQ(RecentFiles::Add(s, "E"), (List{"E", "e", "b", "d"})); // case-sensitive
}
