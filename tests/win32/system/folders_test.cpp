#include "system/folders.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "installer/rules/folder_layout.h"
#include "system/registry.h"
#include "system/startup_facts.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

bool EndsWithBackslash(const std::string& s) { return !s.empty() && s.back() == '\\'; }

TEST(Folders, WindowsFolderAndDrive) {
    std::string win = GetWindowsFolder();
    EXPECT_TRUE(EndsWithBackslash(win)) << win;
    EXPECT_TRUE(FolderExists(win)) << win;
    std::string drive = GetWindowsDrive();
    ASSERT_EQ(drive.size(), 3u);
    EXPECT_EQ(drive.substr(1), ":\\");
    EXPECT_EQ(win.substr(0, 3), drive);
}

TEST(Folders, ProgramFilesComesFromTheRegistryWithABackslash) {
    std::string raw = ReadRegString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                                    "ProgramFilesDir", "");
    ASSERT_FALSE(raw.empty());
    std::string pf = GetProgramFilesFolder();
    EXPECT_EQ(pf, IncludeTrailingBackslash(raw));
    EXPECT_TRUE(FolderExists(pf)) << pf;
}

TEST(Folders, ShellFoldersEndWithABackslashSpecialFoldersDoNot) {
    std::string roaming = GetShellFolderPath(sfAppData, false);
    ASSERT_TRUE(EndsWithBackslash(roaming)) << roaming;
    EXPECT_EQ(GetRoamingDataFolder(), roaming);
    std::string special = GetSpecialFolderPath(sfAppData);
    ASSERT_FALSE(special.empty());
    EXPECT_NE(special.back(), '\\');
    EXPECT_TRUE(SameTextAscii(IncludeTrailingBackslash(special), roaming)) << special << " vs " << roaming;
    EXPECT_EQ(GetShellFolderPath(9999, false), "");  // no such folder
    EXPECT_EQ(GetSpecialFolderPath(9999), "");
}

TEST(Folders, NewerLayoutComposesFromTheShellFolders) {
    std::string local = GetShellFolderPath(sfLocalAppData, false);
    ASSERT_FALSE(local.empty());
    EXPECT_EQ(GetTempFolder(true), local + "Temp\\");
    std::string documents = GetShellFolderPath(sfPersonal, false);
    ASSERT_FALSE(documents.empty());
    EXPECT_EQ(GetDesktopFolder(true), GetParentFolder(documents) + "Desktop\\");
    EXPECT_EQ(GetProgramsMenuFolder(true),
              GetShellFolderPath(sfAppData, false) + "Microsoft\\Windows\\Start Menu\\Programs\\");
    EXPECT_EQ(GetStartMenuFolder(true),
              GetShellFolderPath(sfCommonAppData, false) + "Microsoft\\Windows\\Start Menu\\Programs\\");
}

TEST(Folders, OlderLayoutUsesItemListsAndTheRegistry) {
    std::string startMenu = GetStartMenuFolder(false);
    ASSERT_TRUE(EndsWithBackslash(startMenu)) << startMenu;
    EXPECT_EQ(startMenu, IncludeTrailingBackslash(GetSpecialFolderPath(sfStartMenu)));
    EXPECT_EQ(GetTempFolder(false), GetParentFolder(startMenu) + "Local Settings\\Temp\\");
    EXPECT_EQ(GetDesktopFolder(false), IncludeTrailingBackslash(GetSpecialFolderPath(sfDesktop)));
    std::string programs = ReadRegString(HKEY_CURRENT_USER,
                                         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                         "Programs", "");
    EXPECT_EQ(GetProgramsMenuFolder(false), programs.empty() ? "" : IncludeTrailingBackslash(programs));
    EXPECT_EQ(GetQuickLaunchFolder(),
              GetSpecialFolderPath(sfAppData) + "\\Microsoft\\Internet Explorer\\Quick Launch\\");
}

TEST(Folders, ForceFolderCreatesTheWholeChain) {
    test::TScratchFolder scratch("force");
    std::string deep = scratch.Path() + "a b\\播放器\\c\\";
    EXPECT_FALSE(FolderExists(deep));
    ForceFolder(deep);
    EXPECT_TRUE(FolderExists(deep));
    ForceFolder(deep);  // existing: nothing happens
    EXPECT_TRUE(FolderExists(deep));
    std::string noSlash = scratch.Path() + "x\\y";
    ForceFolder(noSlash);
    EXPECT_TRUE(FolderExists(noSlash));
    EXPECT_FALSE(FileExists(noSlash));
    ForceFolder("");  // nothing to do, no crash
}

TEST(Folders, ForceFolderStopsWhereThePlatformRefuses) {
    test::TScratchFolder scratch("refuse");
    std::string file = scratch.Path() + "plain.txt";
    ASSERT_TRUE(test::CopyTo(test::ProbeChildPath(), file));
    ForceFolder(file + "\\sub\\");  // a file stands in the way
    EXPECT_FALSE(FolderExists(file + "\\sub\\"));
    EXPECT_TRUE(FileExists(file));
}

TEST(StartupFacts, RealMachineFollowsTheRules) {
    TStartupFacts facts = GatherStartupFacts();
    EXPECT_GE(facts.windowsMajorVersion, 5);
    EXPECT_EQ(IsWindowsVista(), facts.windowsMajorVersion >= 6);
    EXPECT_EQ(facts.tempFolder, GetTempFolder(IsWindowsVista()));
    EXPECT_EQ(facts.windowsDrive, GetWindowsDrive());

    TStartupFolders s = WorkOutStartupFolders();
    EXPECT_EQ(s.isVista, IsWindowsVista());
    EXPECT_EQ(s.programFilesDir, GetProgramFilesFolder());
    EXPECT_EQ(s.installDir, GetProgramFilesFolder() + "ZarIrovid\\");
    EXPECT_TRUE(FolderExists(s.tempFolder)) << s.tempFolder;  // kept, or the fallback was created
    if (!s.tempFolderIsFallback) {
        EXPECT_EQ(s.tempFolder, facts.tempFolder);
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
