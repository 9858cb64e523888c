#include "installer/rules/extraction_plan.h"

#include <gtest/gtest.h>

#include <string>

namespace vd {
namespace {

TEST(ExtractionPlan, TablesAndFolders) {
    int perFolder[5] = {};
    for (const TPlayerFile& f : kPlayerFiles) ++perFolder[f.folder];
    EXPECT_EQ(perFolder[tfInstall], 5);
    EXPECT_EQ(perFolder[tfProfiles], 2);
    EXPECT_EQ(perFolder[tfCodecs], 40);
    EXPECT_EQ(perFolder[tfIcons], 11);
    EXPECT_EQ(perFolder[tfSkin], 1);
    EXPECT_STREQ(kPlayerFiles[0].name, "ZarIrovid.exe");
    EXPECT_STREQ(kPlayerFiles[58].name, "default.skn");

    TPlayerFolders f{"C:\\P\\", "C:\\R\\profiles\\", "C:\\R\\userdata\\"};
    EXPECT_EQ(TargetFolderPath(tfInstall, f), "C:\\P\\");
    EXPECT_EQ(TargetFolderPath(tfCodecs, f), "C:\\R\\profiles\\codecs\\");
    EXPECT_EQ(TargetFolderPath(tfIcons, f), "C:\\R\\userdata\\ico\\");
    EXPECT_EQ(TargetFolderPath(tfSkin, f), "C:\\R\\userdata\\skin\\");
}

TEST(ExtractionPlan, ProgressAndSlidesOverTheWholeWalk) {
    // Entry k runs with count k: slides start after entries 0, 15, 30 and 44.
    std::string changes;
    int slide = 0;
    for (int k = 0; k < kPlayerFileCount; ++k) {
        int s = SlideIndexFor(ProgressPercent(k));
        if (s != slide) {
            slide = s;
            changes += std::to_string(k) + ":" + std::to_string(ProgressPercent(k)) + " ";
        }
    }
    EXPECT_EQ(changes, "0:0 15:25 30:51 44:75 ");
    EXPECT_EQ(ProgressPercent(58), 98);
    EXPECT_EQ(ProgressPercent(59), 100);
    EXPECT_EQ(ProgressPercent(1), 2);  // 1.69 rounds up
    EXPECT_EQ(SlideIndexFor(98), 4);
}

}  // namespace
}  // namespace vd
