#include "installer/rules/extraction_failures.h"

#include <gtest/gtest.h>

#include "installer/rules/player_files.h"

namespace vd {
namespace {

TEST(ExtractionFailures, TheListKeepsWhatIsStillMissing) {
    const struct {
        int index;
        bool written;
        TFailedEntries after;
    } steps[] = {
        {4, false, {4}},       {0, false, {0, 4}},    {0, false, {0, 4}},  // once each, in table order
        {2, true, {0, 4}},     {58, false, {0, 4, 58}},
        {0, true, {4, 58}},                                                 // a retry that worked
        {58, true, {4}},       {4, true, {}},
    };
    TFailedEntries failed;
    for (const auto& s : steps) {
        NoteEntryResult(failed, s.index, s.written);
        EXPECT_EQ(failed, s.after) << s.index << (s.written ? " written" : " failed");
    }
    // The programs are found by name on the list.
    EXPECT_TRUE(HasFailed({1, 4}, kUninstallerExeName));
    EXPECT_FALSE(HasFailed({1, 4}, kPlayerExeName));
}

TEST(ExtractionFailures, TheWarningCountsAndNamesTheFirstFive) {
    const std::string two = FailedEntriesMessage({0, 4}, "D:\\ZarIrovid\\");
    EXPECT_EQ(two.rfind("有 2 个文件未能安装：\n  ZarIrovid.exe\n  UnInstall.exe\n安装文件夹：“D:\\ZarIrovid\\”\n\n", 0), 0u)
        << two;
    EXPECT_NE(two.find("“重试”"), std::string::npos);
    EXPECT_EQ(two.find("…"), std::string::npos);

    const std::string seven = FailedEntriesMessage({5, 6, 7, 8, 9, 10, 58}, "C:\\P\\");
    EXPECT_EQ(seven.rfind("有 7 个文件未能安装：\n  RiduZuzi.exe\n  VareDO.dll\n  l3codeca.acm\n  l3codecx.ax\n"
                          "  wmv8ds32.ax\n  …\n安装文件夹：“C:\\P\\”",
                          0),
              0u)
        << seven;
    EXPECT_EQ(seven.find("wmvds32.ax"), std::string::npos);
    // And the last page says whether the install is complete.
    EXPECT_EQ(FinishedTitle({}), "安装完成");
    EXPECT_EQ(FinishedTitle({30}), "安装未完成");
}

}  // namespace
}  // namespace vd
