#include "installer/rules/page_table.h"

#include <gtest/gtest.h>

#include "installer/rules/install_location.h"

namespace vd {
namespace {

bool InBarShown(const TButtonRule& r) {
    return r.place == TButtonPlace::bpBar && r.visibility == TButtonVisibility::bvShown;
}

TEST(PageTable, SharedPlacesHoldOneVisibleButton) {
    for (int p = 0; p < kPageCount; ++p) {
        const TPageRule* rule = PageRule(p);
        ASSERT_NE(rule, nullptr);
        const auto& b = rule->buttons;
        // Next and Install share a place, Cancel and Finish another.
        EXPECT_FALSE(InBarShown(b[pbNext]) && b[pbInstall].place == TButtonPlace::bpBar) << p;
        EXPECT_FALSE(InBarShown(b[pbCancel]) && InBarShown(b[pbFinished])) << p;
        // A button on the form is never left visible.
        for (const TButtonRule& r : b) {
            if (r.place == TButtonPlace::bpForm) {
                EXPECT_EQ(r.visibility, TButtonVisibility::bvHidden) << p;
            }
        }
    }
    EXPECT_EQ(PageRule(5), nullptr);
    EXPECT_EQ(PageRule(-1), nullptr);
}

TEST(PageTable, NoWayBackOnceInstallingAndTheEntryActions) {
    for (int p = piProcess; p <= piFileRelation; ++p) EXPECT_TRUE(PageRule(p)->buttons[pbPrev].disable) << p;
    EXPECT_TRUE(InBarShown(PageRule(piProcess)->buttons[pbCancel]));
    EXPECT_EQ(PageRule(piInstallPath)->action, TPageAction::paInstallPathChecks);
    EXPECT_EQ(PageRule(piFinished)->action, TPageAction::paApplyAssociations);
    EXPECT_TRUE(PageRule(piFinished)->actionFirst);  // before page 4 shows
}

TEST(InstallLocation, BrowsedFolderAndLabel) {
    EXPECT_EQ(InstallPathForBrowsedFolder("D:\\"), "D:\\ZarIrovid\\");
    EXPECT_EQ(InstallPathForBrowsedFolder("D:\\Apps"), "D:\\Apps\\ZarIrovid\\");
    EXPECT_EQ(FreeSpaceLabel("12 GB"), "可用空间：12 GB");
}

}  // namespace
}  // namespace vd
