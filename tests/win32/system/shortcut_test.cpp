#include "system/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "system/folders.h"
#include "core/wide.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

struct TLinkFields {
    std::string path, workingFolder, description, arguments;
};

// Reads a shortcut back through the shell-link object.
bool ReadLink(const std::string& file, TLinkFields* out) {
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* pf = nullptr;
    bool ok = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pf))) &&
        SUCCEEDED(pf->Load(Wide(file).c_str(), STGM_READ))) {
        wchar_t buf[MAX_PATH * 2] = {};
        link->GetPath(buf, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
        out->path = NarrowZ(buf, MAX_PATH * 2);
        buf[0] = 0;
        link->GetWorkingDirectory(buf, MAX_PATH * 2);
        out->workingFolder = NarrowZ(buf, MAX_PATH * 2);
        buf[0] = 0;
        link->GetDescription(buf, MAX_PATH * 2);
        out->description = NarrowZ(buf, MAX_PATH * 2);
        buf[0] = 0;
        link->GetArguments(buf, MAX_PATH * 2);
        out->arguments = NarrowZ(buf, MAX_PATH * 2);
        ok = true;
    }
    if (pf) pf->Release();
    if (link) link->Release();
    CoUninitialize();
    return ok;
}

class ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ForceFolder(scratch_.Path() + "P\\");
        target_ = scratch_.Path() + "P\\ZarIrovid.exe";
        ASSERT_TRUE(test::CopyTo(test::ProbeChildPath(), target_));
    }
    test::TScratchFolder scratch_{"lnk"};
    std::string target_;
};

TEST_F(ShortcutTest, LnkInAnyLetterCaseIsWritten) {
    for (const char* name : {"a.lnk", "b.Lnk", "c.LNK"}) {
        std::string file = scratch_.Path() + name;
        EXPECT_TRUE(CreateShortcut(target_, "", file, "Vadode播放器")) << name;
        EXPECT_TRUE(FileExists(file)) << name;
    }
}

TEST_F(ShortcutTest, OtherExtensionsRaiseAndWriteNothing) {
    for (const char* name : {"a.url", "noext", "a.lnk.txt", "dir.lnk\\x", "a.lnk "}) {
        std::string file = scratch_.Path() + name;
        try {
            CreateShortcut(target_, "", file, "d");
            ADD_FAILURE() << "no error for " << name;
        } catch (const TShortcutError& e) {
            EXPECT_STREQ(e.what(), "快捷方式的扩展名必须是.lnk !");
        }
        EXPECT_FALSE(FileExists(file)) << name;
    }
}

TEST_F(ShortcutTest, FieldsReadBack) {
    std::string file = scratch_.Path() + "Vadode播放器.lnk";
    ASSERT_TRUE(CreateShortcut(target_, "/play", file, "Vadode播放器2010"));
    TLinkFields f;
    ASSERT_TRUE(ReadLink(file, &f));
    EXPECT_EQ(f.path, target_);
    EXPECT_EQ(f.workingFolder, scratch_.Path() + "P\\");
    EXPECT_EQ(f.description, "Vadode播放器2010");
    EXPECT_EQ(f.arguments, "/play");
}

TEST_F(ShortcutTest, ExistingFileIsOverwritten) {
    std::string file = scratch_.Path() + "x.lnk";
    ASSERT_TRUE(CreateShortcut(target_, "", file, "first"));
    ASSERT_TRUE(CreateShortcut(target_, "", file, "second"));
    TLinkFields f;
    ASSERT_TRUE(ReadLink(file, &f));
    EXPECT_EQ(f.description, "second");
}

TEST_F(ShortcutTest, UnwritableFolderFailsSilently) {
    std::string file = scratch_.Path() + "no such folder\\x.lnk";
    EXPECT_FALSE(CreateShortcut(target_, "", file, "d"));
    EXPECT_FALSE(FileExists(file));
}

}  // namespace
}  // namespace vd
