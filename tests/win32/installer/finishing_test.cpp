// The finishing actions that write files: the special-value record, the
// shortcuts, and the start of the player.
#include <gtest/gtest.h>

#include "core/wide.h"
#include "installer/install_location_checks.h"
#include "installer/player_shortcuts.h"
#include "installer/rules/portal_record.h"
#include "installer/portal_record_store.h"
#include "package/xp_file_db.h"
#include "system/folders.h"
#include "system/process.h"
#include "tests/win32/installer/installer_test_util.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

std::string StoredRecord(const std::string& file) {
    TXPFileDB db;
    db.SetDBMark("b_special");
    db.SetDBFile(file);
    auto list = db.DataIdxList();
    EXPECT_EQ(list->Count(), 1);
    auto data = db.ReadData("boxspvalue");
    if (!data) return "<none>";
    return std::string(reinterpret_cast<const char*>(data->Memory()), static_cast<size_t>(data->Size()));
}

TEST(SpecialValue, WrittenThenReplacedInTheSettingsDatabase) {
    test::TScratchFolder profiles("profiles");
    const std::string file = profiles.Path() + "RirAdaDE.dll";
    WriteSpecialValue(profiles.Path(), "portal.example.cn");
    TSpecialValue first = BuildSpecialValue("portal.example.cn");
    EXPECT_EQ(StoredRecord(file), std::string(first.begin(), first.end()));
    WriteSpecialValue(profiles.Path(), "other.example.cn");
    TSpecialValue second = BuildSpecialValue("other.example.cn");
    EXPECT_EQ(StoredRecord(file), std::string(second.begin(), second.end()));
    // A host longer than the record holds is cut; the record stays terminated.
    EXPECT_EQ(PortalHostBytes(std::string(300, 'h')), std::string(262, 'h'));
}

TEST(SpecialValue, AFileThatIsNotSuchADatabaseRaisesAndStays) {
    test::TScratchFolder profiles("notdb");
    const std::string file = profiles.Path() + "RirAdaDE.dll";
    TXPFileDB other;
    other.SetDBMark("m_install");
    other.SetDBFile(file);
    const std::string before = test::ReadFileText(file);
    EXPECT_THROW(WriteSpecialValue(profiles.Path(), "portal.example.cn"), TXPException);
    EXPECT_EQ(test::ReadFileText(file), before);
}

TEST(PlayerShortcuts, ByGenerationAndChoice) {
    test::TScratchFolder root("links");
    TShortcutFolders f{root.Path() + "Desktop\\", root.Path() + "Quick\\", root.Path() + "All\\",
                       root.Path() + "Programs\\"};
    for (const std::string& folder : {f.desktop, f.quickLaunch, f.commonPrograms}) ForceFolder(folder);
    const std::string dir = "C:\\Program Files\\ZarIrovid\\";
    CreatePlayerShortcuts({false, true, true}, f, dir);
    EXPECT_TRUE(test::PathExists(f.desktop + "Vadode播放器.lnk"));
    EXPECT_TRUE(test::PathExists(f.quickLaunch + "Vadode播放器.lnk"));
    EXPECT_FALSE(test::PathExists(f.commonPrograms + "Vadode播放器.lnk"));
    EXPECT_TRUE(test::PathExists(f.programs + "Vadode播放器\\Vadode播放器.lnk"));
    EXPECT_TRUE(test::PathExists(f.programs + "Vadode播放器\\卸载Vadode播放器.lnk"));

    test::TScratchFolder vista("links6");
    TShortcutFolders g{vista.Path() + "NoDesktop\\", vista.Path() + "Quick\\", vista.Path() + "All\\",
                       vista.Path() + "Programs\\"};
    ForceFolder(g.quickLaunch);
    ForceFolder(g.commonPrograms);
    CreatePlayerShortcuts({true, true, true}, g, dir);  // no desktop folder: no link, no error
    EXPECT_FALSE(test::PathExists(g.desktop));
    EXPECT_FALSE(test::PathExists(g.quickLaunch + "Vadode播放器.lnk"));
    EXPECT_TRUE(test::PathExists(g.commonPrograms + "Vadode播放器.lnk"));
    EXPECT_TRUE(test::PathExists(g.programs + "Vadode播放器\\Vadode播放器.lnk"));

    TShortcutFolders real = GatherShortcutFolders(true);
    for (const std::string& folder : {real.desktop, real.quickLaunch, real.commonPrograms, real.programs})
        EXPECT_EQ(folder.back(), '\\') << folder;
}

TEST(StartPlayer, APathWithBlanksStartsThePlayer) {
    test::TScratchFolder root("start");
    const std::string dir = root.Path() + "My Apps\\";
    ForceFolder(dir);
    ASSERT_TRUE(test::CopyStandIn("ZarIrovid.exe", dir));
    StartPlayer(dir);
    ASSERT_TRUE(test::WaitUntil([&] { return test::PathExists(dir + "ZarIrovid.log"); }, 20000));
    EXPECT_EQ(test::ReadFileText(dir + "ZarIrovid.log"), "\"" + dir + "ZarIrovid.exe\"\r\n");
    // It closes itself after a few seconds.
    EXPECT_TRUE(test::WaitUntil([] { return !IsProcessRunning("ZarIrovid.exe"); }, 20000));
}

}  // namespace
}  // namespace vd
