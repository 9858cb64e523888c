#include "system/disk_space.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "system/folders.h"

namespace vd {
namespace {

bool Contains(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

TEST(Drives, FixedDrivesAreASubsetOfAllDrives) {
    std::vector<std::string> all = GetDriveList();
    std::vector<std::string> fixed = GetFixedDriveList();
    ASSERT_FALSE(all.empty());
    EXPECT_TRUE(Contains(all, GetWindowsDrive()));
    EXPECT_TRUE(Contains(fixed, GetWindowsDrive()));
    for (const std::string& d : all) {
        ASSERT_EQ(d.size(), 3u) << d;
        EXPECT_EQ(d.substr(1), ":\\");
    }
    for (const std::string& d : fixed) {
        EXPECT_TRUE(Contains(all, d)) << d;
        UINT kind = GetDriveTypeA(d.c_str());
        EXPECT_NE(kind, static_cast<UINT>(DRIVE_REMOVABLE)) << d;
        EXPECT_NE(kind, static_cast<UINT>(DRIVE_CDROM)) << d;
    }
    // Drive facts list every drive in the same order.
    std::vector<TDriveFacts> facts = GetDriveFacts();
    ASSERT_EQ(facts.size(), all.size());
    for (size_t i = 0; i < all.size(); ++i) EXPECT_EQ(facts[i].root, all[i]);
}

TEST(DiskSpace, VolumeOfTheWindowsDrive) {
    TDiskSpace s = GetDiskSpace(GetWindowsDrive());
    EXPECT_GT(s.total, 0u);
    EXPECT_GT(s.free, 0u);
    EXPECT_LE(s.free, s.total);
    // Any folder of the volume gives the same volume.
    EXPECT_EQ(GetDiskSpace(GetWindowsFolder()).total, s.total);
    // Unit 0 gives bytes; MiB is the rounded quotient.
    int64_t bytes = GetDiskFreeSpaceIn(GetWindowsDrive(), suBytes);
    int64_t mib = GetDiskFreeSpaceIn(GetWindowsDrive(), suMiB);
    EXPECT_GT(bytes, 0);
    EXPECT_NEAR(static_cast<double>(mib), static_cast<double>(bytes) / 1048576.0, 64.0);  // free space moves
}

TEST(DiskSpace, UnknownVolumesCountAsZero) {
    std::string missing;
    for (char c = 'Z'; c >= 'D'; --c) {
        std::string root = std::string(1, c) + ":\\";
        if (GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR) {
            missing = root;
            break;
        }
    }
    ASSERT_FALSE(missing.empty());
    TDiskSpace s = GetDiskSpace(missing);
    EXPECT_EQ(s.total, 0u);
    EXPECT_EQ(s.free, 0u);
    EXPECT_EQ(GetDiskFreeSpaceIn(missing, suGiB), 0);
    EXPECT_EQ(GetDiskSpace("").free, 0u);
    EXPECT_EQ(GetFreeSpaceText(missing + "ZarIrovid\\"), "0 GB");
}

TEST(DiskSpace, LargestDriveIsAFixedDrive) {
    std::vector<std::string> fixed = GetFixedDriveList();
    std::string any = GetLargestDrive(false);
    std::string other = GetLargestDrive(true);
    EXPECT_TRUE(Contains(fixed, any)) << any;
    EXPECT_TRUE(Contains(fixed, other)) << other;
    // The choice agrees with the rule over the same facts.
    EXPECT_EQ(any, ChooseLargestDrive(GetDriveFacts(), false, GetWindowsDrive()));
    if (fixed.size() == 1) {
        EXPECT_EQ(other, GetWindowsDrive());
    }
}

TEST(DiskSpace, FreeSpaceTextUsesTheDriveOfThePath) {
    std::string drive = GetWindowsDrive();
    std::string expected = FreeSpaceText(GetDiskSpace(drive).free);
    EXPECT_EQ(GetFreeSpaceText(drive + "Program Files\\ZarIrovid\\"), expected);
    EXPECT_EQ(GetFreeSpaceText(drive.substr(0, 2)), expected);
    EXPECT_EQ(GetFreeSpaceText("ZarIrovid\\"), "0 GB");  // no drive part
    EXPECT_EQ(GetFreeSpaceText(""), "0 GB");
}

}  // namespace
}  // namespace vd
