// Entering the install-location page with the stand-in programs: an older
// installation is uninstalled by its own uninstaller and waited for; a
// running player stops the wizard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/wide.h"
#include "installer/app_paths.h"
#include "installer/file_associations.h"
#include "installer/install_location_checks.h"
#include "installer/uninstall_entry.h"
#include "installer/rules/install_location.h"
#include "installer/rules/registry_layout.h"
#include "installer/url_protocol.h"
#include "system/folders.h"
#include "system/process.h"
#include "system/registry.h"
#include "system/shortcut.h"
#include "tests/win32/installer/installer_test_util.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

std::vector<std::string> g_warnings;
void Record(std::string_view text) { g_warnings.emplace_back(text); }

TEST(InstallPathChecks, AnOlderVersionIsUninstalledOnce) {
    test::TScratchFolder root("old");
    const std::string dir = root.Path() + "Old Player\\";
    const std::string player = dir + "ZarIrovid.exe";
    // An older-Windows layout: data under the program folder.
    ForceFolder(dir + "profiles\\codecs\\");
    ForceFolder(dir + "userdata\\ico\\");
    ASSERT_TRUE(test::CopyStandIn("UnInstall.exe", dir));
    test::WriteFileText(player, "old player");
    test::WriteFileText(dir + "profiles\\RiduZuzi.exe", "x");
    test::WriteFileText(dir + "profiles\\codecs\\rv40.dll", "x");
    test::WriteFileText(dir + "userdata\\ico\\avi.ico", "x");
    test::WriteFileText(dir + "userdata\\notes.txt", "the user's own file");
    WriteAppPath(player);
    WriteUninstallEntry(dir, 100);
    std::vector<TTypeState> states = PresetStates(amRecommended);
    ApplyFileAssociations(FileTypeChoices(states), player, dir + "userdata\\");
    {
        TRegistry reg(HKEY_CLASSES_ROOT);
        ASSERT_TRUE(reg.OpenKey(".zzother", true));
        reg.WriteString("", "OtherPlayer.zzother");
    }
    RegisterUrlProtocol(player);
    const std::string desktopLink = GetDesktopFolder(true) + "Vadode播放器.lnk";
    CreateShortcut(player, "", desktopLink, "Vadode播放器");
    ASSERT_TRUE(test::PathExists(desktopLink));

    g_warnings.clear();
    EXPECT_FALSE(RunInstallPathChecks(Record));
    EXPECT_EQ(g_warnings, std::vector<std::string>{kOldVersionWarning});
    // The uninstaller ran (and was waited for) and removed the installation.
    EXPECT_NE(test::ReadFileText(dir + "UnInstall.log"), "<missing>");
    for (const char* gone : {"ZarIrovid.exe", "profiles\\RiduZuzi.exe", "profiles\\codecs\\", "userdata\\ico\\"})
        EXPECT_FALSE(test::PathExists(dir + gone)) << gone;
    EXPECT_TRUE(test::PathExists(dir + "userdata\\notes.txt"));
    EXPECT_FALSE(test::PathExists(desktopLink));
    EXPECT_EQ(ReadInstalledDir(), "");
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kPlayerUninstallKey, "DisplayName", "<none>"), "<none>");
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, ".avi", "", "<none>"), "<none>");
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, "ZarIrovid.mp3", "", "<none>"), "<none>");
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, "davuroz", "URL Protocol", "<none>"), "<none>");
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, ".zzother", "", "<none>"), "OtherPlayer.zzother");

    // Back and Next again: no second warning.
    g_warnings.clear();
    EXPECT_FALSE(RunInstallPathChecks(Record));
    EXPECT_TRUE(g_warnings.empty());
    TRegistry(HKEY_CLASSES_ROOT).DeleteKey(".zzother");
}

TEST(InstallPathChecks, ARunningPlayerStopsTheWizard) {
    test::TScratchFolder root("running");
    ASSERT_TRUE(test::CopyStandIn("ZarIrovid.exe", root.Path()));
    std::wstring cmd = Wide("\"" + root.Path() + "ZarIrovid.exe\" /stay:60");
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    ASSERT_TRUE(test::WaitUntil([] { return IsProcessRunning("zarirovid.EXE"); }, 20000));
    DeleteAppPath();
    g_warnings.clear();
    EXPECT_TRUE(RunInstallPathChecks(Record));
    EXPECT_EQ(g_warnings, std::vector<std::string>{kPlayerRunningWarning});
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    g_warnings.clear();
    EXPECT_FALSE(RunInstallPathChecks(Record));
    EXPECT_TRUE(g_warnings.empty());
}

}  // namespace
}  // namespace vd
