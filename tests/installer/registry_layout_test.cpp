#include "installer/rules/registry_layout.h"

#include <gtest/gtest.h>

#include <iterator>

namespace vd {
namespace {

TEST(RegistryLayout, AssociationRowsInWritingOrder) {
    auto rows = FileTypeRows(".avi", "C:\\Program Files\\ZarIrovid\\ZarIrovid.exe", "ZarIrovid.avi",
                             "C:\\u\\ZarIrovid\\userdata\\Ico\\avi.ico", "常规视频");
    ASSERT_EQ(rows.size(), 6u);
    const char* keys[] = {".avi", "ZarIrovid.avi", "ZarIrovid.avi\\DefaultIcon", "ZarIrovid.avi\\shell",
                          "ZarIrovid.avi\\shell\\Open", "ZarIrovid.avi\\shell\\Open\\Command"};
    const char* data[] = {"ZarIrovid.avi", "常规视频", "C:\\u\\ZarIrovid\\userdata\\Ico\\avi.ico", "Open",
                          "用 Vadode播放器 播放", "\"C:\\Program Files\\ZarIrovid\\ZarIrovid.exe\" \"%1\""};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].key, keys[i]);
        EXPECT_TRUE(rows[i].writeValue);
        EXPECT_EQ(rows[i].valueName, "");
        EXPECT_EQ(rows[i].data, data[i]);
    }
    // An empty icon path still writes the DefaultIcon key.
    EXPECT_EQ(FileTypeRows(".x", "p", "ZarIrovid.x", "", "g")[2].data, "");
}

TEST(RegistryLayout, UrlProtocolQuotesPlayerAndLink) {
    auto rows = UrlProtocolRows("D:\\My Apps\\ZarIrovid.exe");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].key, "davuroz");
    EXPECT_EQ(rows[0].valueName, "URL Protocol");
    EXPECT_EQ(rows[0].data, "Vadode播放器");
    EXPECT_EQ(rows[1].key, "davuroz\\shell");
    EXPECT_FALSE(rows[1].writeValue);
    EXPECT_EQ(rows[2].key, "davuroz\\shell\\open");
    EXPECT_EQ(rows[2].data, "");
    EXPECT_EQ(rows[3].key, "davuroz\\shell\\open\\command");
    EXPECT_EQ(rows[3].data, "\"D:\\My Apps\\ZarIrovid.exe\" \"%1\"");
}

TEST(RegistryLayout, ProgramsAndFeaturesEntry) {
    auto rows = UninstallEntryRows("D:\\My Apps\\ZarIrovid\\", 18712);
    const struct {
        const char* name;
        const char* text;  // nullptr: a number
        uint32_t number;
    } want[] = {
        {"DisplayName", "Vadode播放器", 0},
        {"DisplayVersion", "2010", 0},
        {"DisplayIcon", "D:\\My Apps\\ZarIrovid\\ZarIrovid.exe", 0},
        {"InstallLocation", "D:\\My Apps\\ZarIrovid\\", 0},
        {"UninstallString", "\"D:\\My Apps\\ZarIrovid\\UnInstall.exe\"", 0},
        {"EstimatedSize", nullptr, 18712},
        {"NoModify", nullptr, 1},
        {"NoRepair", nullptr, 1},
    };
    ASSERT_EQ(rows.size(), std::size(want));
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].key, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZarIrovid");
        EXPECT_TRUE(rows[i].writeValue);
        EXPECT_EQ(rows[i].valueName, want[i].name);
        EXPECT_EQ(rows[i].isNumber, want[i].text == nullptr) << want[i].name;
        if (want[i].text)
            EXPECT_EQ(rows[i].data, want[i].text);
        else
            EXPECT_EQ(rows[i].number, want[i].number) << want[i].name;
    }
}

}  // namespace
}  // namespace vd
