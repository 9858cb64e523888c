#include "installer/rules/shortcut_plan.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

const TShortcutFolders kFolders{"D\\", "Q\\", "A\\", "P\\"};
const char* kDir = "C:\\ZarIrovid\\";

std::vector<std::string> Links(const std::vector<TShortcutRow>& rows) {
    std::vector<std::string> out;
    for (const TShortcutRow& r : rows) out.push_back(r.linkFile);
    return out;
}

TEST(ShortcutPlan, OlderWindowsWithBothBoxes) {
    auto rows = PlanShortcuts({false, true, true}, kFolders, kDir);
    EXPECT_EQ(Links(rows), (std::vector<std::string>{"D\\Vadode播放器.lnk", "Q\\Vadode播放器.lnk",
                                                     "P\\Vadode播放器\\Vadode播放器.lnk",
                                                     "P\\Vadode播放器\\卸载Vadode播放器.lnk"}));
    EXPECT_EQ(rows[0].target, "C:\\ZarIrovid\\ZarIrovid.exe");
    EXPECT_EQ(rows[0].description, "Vadode播放器");
    EXPECT_EQ(rows[3].target, "C:\\ZarIrovid\\UnInstall.exe");
    EXPECT_EQ(rows[3].description, "卸载Vadode播放器");
}

TEST(ShortcutPlan, NewerWindowsIgnoresQuickLaunchAndAlwaysLinksForAllUsers) {
    EXPECT_EQ(Links(PlanShortcuts({true, false, true}, kFolders, kDir)),
              (std::vector<std::string>{"A\\Vadode播放器.lnk", "P\\Vadode播放器\\Vadode播放器.lnk",
                                        "P\\Vadode播放器\\卸载Vadode播放器.lnk"}));
    EXPECT_EQ(PlanShortcuts({false, false, false}, kFolders, kDir).size(), 2u);
    EXPECT_EQ(ProgramsSubFolderOf("P\\"), "P\\Vadode播放器\\");
}

}  // namespace
}  // namespace vd
