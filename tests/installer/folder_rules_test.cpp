#include "installer/rules/folder_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vd {
namespace {

TEST(FolderRules, TextRulesInTheirOrder) {
    const struct {
        const char* dir;
        TFolderFault fault;
    } cases[] = {
        {"", ffEmpty},
        {"Player\\", ffNotAbsolute},
        {"\\Player\\", ffNotAbsolute},
        {"C:Player\\", ffNotAbsolute},
        {"1:\\Player\\", ffNotAbsolute},
        {"\\\\server\\", ffNotAbsolute},
        {"\\\\\\share\\", ffNotAbsolute},
        {"C:\\Program Files\\ZarIrovid\\", ffNone},
        {"d:\\", ffNone},
        {"\\\\server\\share\\", ffNone},
        {"\\\\server\\share\\Apps\\播放器\\", ffNone},
        {"\\\\?\\C:\\x\\", ffForbiddenCharacter},
        {"C:\\Apps\\..\\", ffReservedName},
        {"C:\\.\\Apps\\", ffReservedName},
        {"C:\\Apps.\\", ffReservedName},
        {"C:\\Apps \\x\\", ffReservedName},
        {"C:\\nul\\", ffReservedName},
        {"C:\\x\\CON.txt\\", ffReservedName},
        {"C:\\COM1\\", ffReservedName},
        {"C:\\COM10\\", ffNone},
        {"C:\\CONSOLE\\", ffNone},
        {"C:\\.hidden\\", ffNone},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckFolderText(c.dir), c.fault) << c.dir;
    for (char ch : std::string(":*?\"<>|/\t"))
        EXPECT_EQ(CheckFolderText(std::string("C:\\a") + ch + "b\\"), ffForbiddenCharacter) << ch;
}

// Folders of the newer layout: the install folder holds the five programs only.
TPlayerFolders Newer(const std::string& installDir) {
    return {installDir, "C:\\users\\u\\AppData\\Roaming\\ZarIrovid\\profiles\\",
            "C:\\users\\u\\AppData\\Roaming\\ZarIrovid\\userdata\\"};
}
TPlayerFolders Older(const std::string& installDir) {
    return {installDir, installDir + "profiles\\", installDir + "userdata\\"};
}
// "C:\" and a name of n characters, then a backslash.
std::string DirOfLength(int n) { return "C:\\" + std::string(static_cast<size_t>(n - 4), 'a') + "\\"; }

TEST(FolderRules, PathLengthsCountTheLongestFileAndFolder) {
    // The longest names: "ZarIrovid.exe" (13) in the install folder; on the
    // older layout "profiles\codecs\hxltcolor.dll" (29), and the codecs folder.
    const struct {
        TPlayerFolders folders;
        bool fits;
    } cases[] = {
        {Newer(DirOfLength(246)), true},
        {Newer(DirOfLength(247)), false},
        {Older(DirOfLength(230)), true},
        {Older(DirOfLength(231)), false},
        {{"C:\\P\\", "C:\\" + std::string(235, 'p') + "\\", "C:\\u\\"}, true},   // codecs folder: 246 + "codecs"
        {{"C:\\P\\", "C:\\" + std::string(236, 'p') + "\\", "C:\\u\\"}, false},  // codecs folder past 247
    };
    for (const auto& c : cases)
        EXPECT_EQ(EntryPathsFit(c.folders), c.fits) << c.folders.installDir.size() << " " << c.folders.profilesDir.size();
    // Counted in UTF-16 units, not bytes (242 Chinese characters are 726 bytes).
    std::string chinese = "C:\\";
    for (int i = 0; i < 242; ++i) chinese += "播";
    EXPECT_TRUE(EntryPathsFit(Newer(chinese + "\\")));
    EXPECT_FALSE(EntryPathsFit(Newer(chinese + "放放\\")));
}

std::vector<int64_t> Sizes(int64_t each) { return std::vector<int64_t>(static_cast<size_t>(kPlayerFileCount), each); }

TEST(FolderRules, SpaceNeededPerDrive) {
    const uint64_t m = kSpaceMargin;
    // Newer layout on D: the five programs go to D:, the other 54 to C:.
    std::vector<TDriveNeed> needs = SpaceNeededPerDrive(Newer("D:\\ZarIrovid\\"), Sizes(100));
    ASSERT_EQ(needs.size(), 2u);
    EXPECT_EQ(needs[0].drive, "D:");
    EXPECT_EQ(needs[0].bytes, m + 5 * 4096);
    EXPECT_EQ(needs[1].drive, "C:");
    EXPECT_EQ(needs[1].bytes, m + 54 * 4096);
    // One drive, letters in either case; whole clusters; missing entries count nothing.
    std::vector<int64_t> sizes = Sizes(-1);
    sizes[0] = 4096;
    sizes[1] = 4097;
    sizes[58] = 0;
    needs = SpaceNeededPerDrive(Newer("c:\\ZarIrovid\\"), sizes);
    ASSERT_EQ(needs.size(), 1u);
    EXPECT_EQ(needs[0].bytes, m + 4096 + 8192);
    // The older layout keeps everything on the install drive; a share counts as one drive.
    needs = SpaceNeededPerDrive(Older("\\\\srv\\apps\\ZarIrovid\\"), Sizes(5000));
    ASSERT_EQ(needs.size(), 1u);
    EXPECT_EQ(needs[0].drive, "\\\\srv\\apps");
    EXPECT_EQ(needs[0].bytes, m + 59 * 8192);

    std::map<std::string, uint64_t> free = {{"D:", m + 5 * 4096}, {"C:", m + 54 * 4096 - 1}};
    needs = SpaceNeededPerDrive(Newer("D:\\ZarIrovid\\"), Sizes(100));
    EXPECT_EQ(FirstDriveShortOfSpace(needs, [&](const std::string& d) { return free[d]; }), 1);
    free["C:"] += 1;
    EXPECT_EQ(FirstDriveShortOfSpace(needs, [&](const std::string& d) { return free[d]; }), -1);
}

TEST(FolderRules, EstimatedSizeIsTheWholeInKiBRoundedUp) {
    const struct {
        std::vector<int64_t> sizes;
        uint32_t kib;
    } cases[] = {{{}, 0}, {{1}, 1}, {{1024}, 1}, {{1024, 1}, 2}, {{-1, 2048}, 2}, {{17773936, 10}, 17358}};
    for (const auto& c : cases) EXPECT_EQ(EstimatedSizeKiB(c.sizes), c.kib);
}

TEST(FolderRules, WarningsNameTheProblemAndTheFolder) {
    const std::string typed = "Player";
    EXPECT_EQ(FolderFaultMessage(ffNone, typed), "");
    EXPECT_EQ(FolderFaultMessage(ffEmpty, ""), "请输入安装文件夹。");
    for (TFolderFault f : {ffNotAbsolute, ffForbiddenCharacter, ffReservedName, ffTooLong, ffNoDrive, ffNoSpace,
                           ffCannotCreate, ffNotWritable})
        EXPECT_NE(FolderFaultMessage(f, typed, {"Q:", 0, 0}).find("“Player”"), std::string::npos) << f;
    EXPECT_EQ(FolderFaultMessage(ffNoDrive, "Q:\\ZarIrovid\\", {"Q:", 0, 0}),
              "驱动器 Q: 不存在，无法安装到“Q:\\ZarIrovid\\”。");
    // Need rounded up, free rounded down: never "needs 2, has 2".
    EXPECT_EQ(FolderFaultMessage(ffNoSpace, "D:\\ZarIrovid\\", {"D:", 2 * 1048576 + 1, 2 * 1048576 - 1}),
              "驱动器 D: 的可用空间不足：需要 3 MB，只有 1 MB。安装文件夹：“D:\\ZarIrovid\\”");
}

}  // namespace
}  // namespace vd
