#include "installer/rules/startup_folders.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

constexpr uint64_t kMiB = 1048576;
constexpr uint64_t kGiB = 1073741824;

TStartupFacts XpMachine() {
    TStartupFacts f;
    f.windowsMajorVersion = 5;
    f.programFilesFolder = "C:\\Program Files\\";
    f.tempFolder = "C:\\Documents and Settings\\u1\\Local Settings\\Temp\\";
    f.tempFolderExists = true;
    f.tempDriveFreeBytes = 40 * kGiB;
    f.drives = {{"A:\\", dkRemovable, 0},
                {"C:\\", dkFixed, 40 * kGiB},
                {"D:\\", dkFixed, 10 * kGiB},
                {"E:\\", dkCdRom, 600 * kGiB},
                {"F:\\", dkFixed, 12 * kGiB}};
    f.windowsDrive = "C:\\";
    f.roamingDataFolder = "C:\\Documents and Settings\\u1\\Application Data\\";
    return f;
}

TStartupFacts VistaMachine() {
    TStartupFacts f = XpMachine();
    f.windowsMajorVersion = 6;
    f.tempFolder = "C:\\Users\\u1\\AppData\\Local\\Temp\\";
    f.roamingDataFolder = "C:\\Users\\u1\\AppData\\Roaming\\";
    return f;
}

TEST(TempFolderRule, TwentyMebibytesRoundedKeepTheUsersFolder) {
    TStartupFacts f = XpMachine();
    f.tempDriveFreeBytes = 20447232;  // 19.5 MiB, rounds to 20
    bool fallback = true;
    EXPECT_EQ(ChooseTempFolder(f, &fallback), f.tempFolder);
    EXPECT_FALSE(fallback);
}

TEST(TempFolderRule, BelowTwentyMebibytesFallsBackToTheRoomiestOtherDrive) {
    TStartupFacts f = XpMachine();
    f.tempDriveFreeBytes = 20342374;  // 19.4 MiB, rounds to 19
    bool fallback = false;
    EXPECT_EQ(ChooseTempFolder(f, &fallback), "F:\\VivEduriziDade\\");
    EXPECT_TRUE(fallback);
    f.tempDriveFreeBytes = 0;
    EXPECT_EQ(ChooseTempFolder(f), "F:\\VivEduriziDade\\");
}

TEST(TempFolderRule, MissingFolderFallsBackWhateverItsSpace) {
    TStartupFacts f = XpMachine();
    f.tempFolderExists = false;
    f.tempDriveFreeBytes = 500 * kGiB;
    bool fallback = false;
    EXPECT_EQ(ChooseTempFolder(f, &fallback), "F:\\VivEduriziDade\\");
    EXPECT_TRUE(fallback);
}

TEST(TempFolderRule, OnlyTheWindowsDriveLeft) {
    TStartupFacts f = XpMachine();
    f.tempFolderExists = false;
    f.drives = {{"C:\\", dkFixed, 40 * kGiB}, {"E:\\", dkCdRom, 600 * kGiB}};
    EXPECT_EQ(ChooseTempFolder(f), "C:\\VivEduriziDade\\");
}

TEST(StartupFolders, OlderWindowsKeepsPlayerDataUnderTheInstallFolder) {
    TStartupFolders s = DecideStartupFolders(XpMachine());
    EXPECT_FALSE(s.isVista);
    EXPECT_EQ(s.programFilesDir, "C:\\Program Files\\");
    EXPECT_EQ(s.installPathText, "C:\\Program Files\\ZarIrovid\\");
    EXPECT_EQ(s.installDir, "C:\\Program Files\\ZarIrovid\\");
    EXPECT_EQ(s.userDataDir, "C:\\Program Files\\ZarIrovid\\userdata\\");
    EXPECT_EQ(s.profilesDir, "C:\\Program Files\\ZarIrovid\\profiles\\");
    EXPECT_EQ(s.tempFolder, "C:\\Documents and Settings\\u1\\Local Settings\\Temp\\");
    EXPECT_FALSE(s.tempFolderIsFallback);
    EXPECT_EQ(s.packageFile, s.tempFolder + "vedaruv.bin");
    EXPECT_EQ(s.slideFiles[0], s.tempFolder + "_mps1.jpg");
    EXPECT_EQ(s.slideFiles[3], s.tempFolder + "_mps4.jpg");
}

TEST(StartupFolders, VistaKeepsPlayerDataUnderRoamingData) {
    TStartupFolders s = DecideStartupFolders(VistaMachine());
    EXPECT_TRUE(s.isVista);
    EXPECT_EQ(s.installDir, "C:\\Program Files\\ZarIrovid\\");
    EXPECT_EQ(s.userDataDir, "C:\\Users\\u1\\AppData\\Roaming\\ZarIrovid\\userdata\\");
    EXPECT_EQ(s.profilesDir, "C:\\Users\\u1\\AppData\\Roaming\\ZarIrovid\\profiles\\");
    EXPECT_EQ(s.tempFolder, "C:\\Users\\u1\\AppData\\Local\\Temp\\");
}

TEST(StartupFolders, FallbackTempFolderCarriesTheExportedFiles) {
    TStartupFacts f = VistaMachine();
    f.tempDriveFreeBytes = 3 * kMiB;
    TStartupFolders s = DecideStartupFolders(f);
    EXPECT_TRUE(s.tempFolderIsFallback);
    EXPECT_EQ(s.packageFile, "F:\\VivEduriziDade\\vedaruv.bin");
    EXPECT_EQ(s.slideFiles[1], "F:\\VivEduriziDade\\_mps2.jpg");
}

TEST(StartupFolders, GenerationBoundaryIsMajorVersionSix) {
    EXPECT_FALSE(IsNewerLayout(5));
    EXPECT_TRUE(IsNewerLayout(6));
    EXPECT_TRUE(IsNewerLayout(10));
}

TEST(InstallFolder, TypedTextBecomesAFolder) {
    EXPECT_EQ(InstallDirFromText("D:\\Apps\\Player"), "D:\\Apps\\Player\\");
    EXPECT_EQ(InstallDirFromText("  D:\\Apps\\Player\\  "), "D:\\Apps\\Player\\");
    EXPECT_EQ(InstallDirFromText("   "), "");
}

TEST(InstallFolder, PlayerDataFollowsTheInstallFolderOnlyOnOlderWindows) {
    EXPECT_EQ(UserDataDirFor(false, "R:\\", "D:\\Apps\\"), "D:\\Apps\\userdata\\");
    EXPECT_EQ(ProfilesDirFor(false, "R:\\", "D:\\Apps\\"), "D:\\Apps\\profiles\\");
    EXPECT_EQ(UserDataDirFor(true, "R:\\", "D:\\Apps\\"), "R:\\ZarIrovid\\userdata\\");
    EXPECT_EQ(ProfilesDirFor(true, "R:\\", "D:\\Apps\\"), "R:\\ZarIrovid\\profiles\\");
}

}  // namespace
}  // namespace vd
