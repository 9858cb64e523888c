#include "installer/startup_facts.h"

#include <gtest/gtest.h>

#include "system/disk_space.h"
#include "system/folders.h"

namespace vd {
namespace {

TEST(StartupFacts, RealMachineFollowsTheRules) {
    TStartupFacts facts = GatherStartupFacts();
    EXPECT_GE(facts.windowsMajorVersion, 5);
    EXPECT_EQ(IsWindowsVista(), facts.windowsMajorVersion >= 6);
    EXPECT_EQ(facts.tempFolder, GetTempFolder(IsWindowsVista()));
    EXPECT_EQ(facts.windowsDrive, GetWindowsDrive());

    EXPECT_EQ(facts.tempFolderExists, FolderExists(facts.tempFolder));
    // The drives are asked only when the temporary folder is not kept.
    EXPECT_EQ(facts.drives.empty(), KeepsTempFolder(facts));

    // Decided only: the fallback folder may lie on a drive mapped to the
    // host's root, which a test must not litter.
    TStartupFolders s = DecideStartupFolders(facts);
    EXPECT_EQ(s.isVista, IsWindowsVista());
    EXPECT_EQ(s.programFilesDir, GetProgramFilesFolder());
    EXPECT_EQ(s.installDir, GetProgramFilesFolder() + "ZarIrovid\\");
    if (facts.tempFolderExists) {
        EXPECT_FALSE(s.tempFolderIsFallback);  // the volume has far more than 20 MiB
        EXPECT_EQ(s.tempFolder, facts.tempFolder);
    } else {
        EXPECT_TRUE(s.tempFolderIsFallback);
        EXPECT_EQ(s.tempFolder, GetLargestDrive(true) + "VivEduriziDade\\");
    }
    EXPECT_EQ(s.packageFile, s.tempFolder + "vedaruv.bin");
    if (s.isVista) {
        EXPECT_EQ(s.userDataDir, GetRoamingDataFolder() + "ZarIrovid\\userdata\\");
    } else {
        EXPECT_EQ(s.userDataDir, s.installDir + "userdata\\");
    }
}

}  // namespace
}  // namespace vd
