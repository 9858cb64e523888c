#include "core/pending_file_operations.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(PendingFileOperations, ThePairsThatNameTheFileGoTheOthersStay) {
    const std::string file = "C:\\Program Files\\ZarIrovid\\UnInstall.exe";
    const std::vector<TPendingFileOperation> ops = {
        {"\\??\\C:\\Program Files\\ZarIrovid\\UnInstall.exe", ""},          // its delete
        {"\\??\\C:\\Temp\\a.tmp", ""},                                       // another file's delete
        {"\\??\\c:\\program files\\zarirovid\\uninstall.EXE", "\\??\\C:\\x"},  // moved away, other case
        {"\\??\\C:\\New\\u.exe", "!\\??\\C:\\Program Files\\ZarIrovid\\UnInstall.exe"},  // replaced
        {"\\??\\C:\\Old\\b.dll", "\\??\\C:\\Old\\c.dll"},                   // unrelated rename
        {"\\??\\C:\\Program Files\\ZarIrovid\\UnInstall.exe.bak", ""},       // a longer name
    };
    const std::vector<TPendingFileOperation> kept = WithoutOperationsOn(ops, file);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].source, "\\??\\C:\\Temp\\a.tmp");
    EXPECT_EQ(kept[1].target, "\\??\\C:\\Old\\c.dll");
    EXPECT_EQ(kept[2].source, "\\??\\C:\\Program Files\\ZarIrovid\\UnInstall.exe.bak");
    EXPECT_EQ(PendingOperationPath("!\\??\\D:\\f"), "D:\\f");
    EXPECT_EQ(PendingOperationPath("D:\\f"), "D:\\f");
}

}  // namespace
}  // namespace vd
