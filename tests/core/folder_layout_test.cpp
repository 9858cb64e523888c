#include "core/folder_layout.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(GetParentFolder, DropsTheLastFolderOfAFolderPath) {
    EXPECT_EQ(GetParentFolder("C:\\Users\\u1\\Documents\\"), "C:\\Users\\u1\\");
    EXPECT_EQ(GetParentFolder("C:\\a\\b\\"), "C:\\a\\");
    EXPECT_EQ(GetParentFolder("C:\\Documents and Settings\\u1\\Start Menu\\"),
              "C:\\Documents and Settings\\u1\\");
}

TEST(GetParentFolder, TextAfterTheLastBackslashIsLostAsWell) {
    EXPECT_EQ(GetParentFolder("C:\\Users\\u1\\Documents"), "C:\\Users\\");
    EXPECT_EQ(GetParentFolder("C:\\a\\file.txt"), "C:\\");
}

TEST(GetParentFolder, FewerThanTwoComponentsGiveEmpty) {
    EXPECT_EQ(GetParentFolder(""), "");
    EXPECT_EQ(GetParentFolder("C:"), "");
    EXPECT_EQ(GetParentFolder("C:\\"), "");
    EXPECT_EQ(GetParentFolder("C:\\Windows"), "");
    EXPECT_EQ(GetParentFolder("C:\\Windows\\"), "C:\\");
}

TEST(GetParentFolder, ComponentsAreTrimmed) {
    EXPECT_EQ(GetParentFolder("  C:\\ a b \\c\\ "), "C:\\a b\\");
    EXPECT_EQ(GetParentFolder("C:\\\tx\t\\y\\"), "C:\\x\\");
    // Non-ASCII names pass through untouched.
    EXPECT_EQ(GetParentFolder("D:\\播放器\\数据\\"), "D:\\播放器\\");
}

TEST(GetParentFolder, NetworkPathsKeepTheirLeadingBackslashes) {
    EXPECT_EQ(GetParentFolder("\\\\srv\\share\\x\\"), "\\\\srv\\share\\");
}

TEST(DriveOfPath, LocalAndNetworkPaths) {
    EXPECT_EQ(DriveOfPath("C:\\Program Files\\ZarIrovid\\"), "C:");
    EXPECT_EQ(DriveOfPath("d:"), "d:");
    EXPECT_EQ(DriveOfPath("\\\\srv\\share\\dir\\"), "\\\\srv\\share");
    EXPECT_EQ(DriveOfPath("\\\\srv\\share"), "\\\\srv\\share");
    EXPECT_EQ(DriveOfPath("\\\\srv"), "");
    EXPECT_EQ(DriveOfPath("\\\\srv\\\\x"), "");
    EXPECT_EQ(DriveOfPath("\\\\\\share\\"), "");
    EXPECT_EQ(DriveOfPath("relative\\dir\\"), "");
    EXPECT_EQ(DriveOfPath(""), "");
}

TEST(FolderLayout, ProfileFoldersOfBothLayouts) {
    EXPECT_EQ(DesktopFromDocuments("C:\\Users\\u1\\Documents\\"), "C:\\Users\\u1\\Desktop\\");
    EXPECT_EQ(TempFromStartMenu("C:\\Documents and Settings\\u1\\Start Menu\\"),
              "C:\\Documents and Settings\\u1\\Local Settings\\Temp\\");
}

}  // namespace
}  // namespace vd
