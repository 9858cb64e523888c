#include "installer/rules/install_record.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

constexpr TUndoAction kRestore = TUndoAction::uaRestore, kRemove = TUndoAction::uaRemoveFile,
                      kFolder = TUndoAction::uaRemoveFolder;

// A copy over an earlier install: the install folder was there, the roaming
// folders were made; a retry writes a file again, and a folder made again
// after the user removed it is noted once.
TInstallRecord CopyOverEarlierInstall() {
    TInstallRecord r;
    r.NoteFileWritten("C:\\P\\ZarIrovid.exe", "C:\\P\\vdx00000001.tmp");
    r.NoteFileWritten("C:\\P\\VidOV.exe", "");
    r.NoteFolderMade("C:\\R\\ZarIrovid\\");
    r.NoteFolderMade("C:\\R\\ZarIrovid\\profiles\\");
    r.NoteFileWritten("C:\\R\\ZarIrovid\\profiles\\VareDO.dll", "");
    r.NoteFolderMade("C:\\R\\ZarIrovid\\profiles\\codecs");
    r.NoteFileWritten("C:\\P\\zarirovid.exe", "C:\\P\\vdx00000002.tmp");  // the retry: this run's own file
    r.NoteFolderMade("C:\\R\\ZarIrovid\\profiles");
    return r;
}

TEST(InstallRecord, UndoesNewestFirstSoFilesGoBeforeTheirFolders) {
    const TInstallRecord r = CopyOverEarlierInstall();
    const std::vector<TUndoStep> expected = {
        {kFolder, "C:\\R\\ZarIrovid\\profiles\\codecs", ""},
        {kRemove, "C:\\R\\ZarIrovid\\profiles\\VareDO.dll", ""},
        {kFolder, "C:\\R\\ZarIrovid\\profiles", ""},
        {kFolder, "C:\\R\\ZarIrovid", ""},
        {kRemove, "C:\\P\\VidOV.exe", ""},
        {kRestore, "C:\\P\\ZarIrovid.exe", "C:\\P\\vdx00000001.tmp"},
    };
    EXPECT_EQ(r.RollbackSteps(), expected);
    // The old file kept at the first write is the one the copy's end deletes.
    EXPECT_EQ(r.KeptFiles(), std::vector<std::string>{"C:\\P\\vdx00000001.tmp"});
    EXPECT_TRUE(r.Wrote("c:\\p\\VIDOV.EXE"));
    EXPECT_FALSE(r.Wrote("C:\\P\\GdiPlus.dll"));
    EXPECT_FALSE(r.Wrote("C:\\R\\ZarIrovid"));  // a folder is not a file written
}

TEST(InstallRecord, TheWarningNamesWhatWasLeft) {
    std::vector<TUndoStep> left = {{kRemove, "C:\\P\\VidOV.exe", ""},
                                   {kRestore, "C:\\P\\ZarIrovid.exe", "C:\\P\\vdx0000abcd.tmp"}};
    const std::string two = RollbackLeftMessage(left);
    EXPECT_NE(two.find("有 2 个文件"), std::string::npos) << two;
    EXPECT_NE(two.find("\n  C:\\P\\VidOV.exe\n"), std::string::npos) << two;
    EXPECT_NE(two.find("C:\\P\\ZarIrovid.exe（原来的文件暂存为“vdx0000abcd.tmp”）"), std::string::npos) << two;
    EXPECT_EQ(two.find("…"), std::string::npos);
    EXPECT_NE(two.find("或用暂存的原来的文件替换它们。"), std::string::npos) << two;
    // Without an old file kept aside, nothing to put back.
    EXPECT_EQ(RollbackLeftMessage({left[0]}).find("暂存"), std::string::npos);

    for (int i = 0; i < 5; ++i) left.push_back({kRemove, "C:\\P\\codec" + std::to_string(i) + ".dll", ""});
    const std::string seven = RollbackLeftMessage(left);
    EXPECT_NE(seven.find("有 7 个文件"), std::string::npos);
    EXPECT_NE(seven.find("codec2.dll\n  …"), std::string::npos) << seven;
    EXPECT_EQ(seven.find("codec3.dll"), std::string::npos);
}

}  // namespace
}  // namespace vd
