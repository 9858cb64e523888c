#include "system/registry.h"

#include <gtest/gtest.h>

#include <string>

#include "core/wide.h"

namespace vd {
namespace {

// A private key under HKEY_CURRENT_USER, removed afterwards.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = "Software\\VadodeSysTest_" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(base_).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        TRegistry reg(HKEY_CURRENT_USER);
        reg.DeleteKey(base_);
    }
    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }

    std::string base_;
    HKEY key_ = nullptr;
};

TEST_F(RegistryTest, ReadRegStringAcceptsOnlyStringTypes) {
    const wchar_t sz[] = L"C:\\Program Files";
    const wchar_t expand[] = L"%SystemRoot%\\x";
    DWORD dword = 7;
    SetRaw(L"sz", REG_SZ, sz, sizeof(sz));
    SetRaw(L"expand", REG_EXPAND_SZ, expand, sizeof(expand));
    SetRaw(L"dword", REG_DWORD, &dword, sizeof(dword));
    SetRaw(L"binary", REG_BINARY, sz, sizeof(sz));
    SetRaw(L"multi", REG_MULTI_SZ, L"a\0b\0", 5 * sizeof(wchar_t));

    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "sz", "def"), "C:\\Program Files");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "expand", "def"), "%SystemRoot%\\x");  // not expanded
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "dword", "def"), "def");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "binary", "def"), "def");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "multi", "def"), "def");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "missing", "def"), "def");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_ + "\\NoSuchKey", "sz", "def"), "def");
}

TEST_F(RegistryTest, ReadRegStringDetails) {
    // Text ends at the first NUL; a value stored without its NUL still reads whole.
    SetRaw(L"embedded", REG_SZ, L"ab\0cd", 6 * sizeof(wchar_t));
    SetRaw(L"unterminated", REG_SZ, L"xyz", 3 * sizeof(wchar_t));
    SetRaw(L"empty", REG_SZ, L"", sizeof(wchar_t));
    SetRaw(L"", REG_SZ, L"default value", 14 * sizeof(wchar_t));
    const wchar_t cn[] = L"\u64ad\u653e\u5668";
    SetRaw(L"\u540d", REG_SZ, cn, sizeof(cn));

    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "embedded", "def"), "ab");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "unterminated", "def"), "xyz");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "empty", "def"), "");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "", "def"), "default value");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_, "名", "def"), "播放器");
    // A leading backslash of the key path is skipped.
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, "\\" + base_, "", "def"), "default value");
}

TEST_F(RegistryTest, WrapperOpensCreatesReadsAndWrites) {
    TRegistry reg(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.OpenKey(base_ + "\\App Paths\\ZarIrovid.exe", false));
    EXPECT_FALSE(reg.IsOpen());
    EXPECT_FALSE(reg.WriteString("", "x"));  // nothing open

    ASSERT_TRUE(reg.OpenKey(base_ + "\\App Paths\\ZarIrovid.exe", true));
    EXPECT_TRUE(reg.WriteString("", "D:\\播放器\\ZarIrovid.exe"));
    EXPECT_TRUE(reg.WriteString("Path", "D:\\播放器\\"));
    reg.CloseKey();

    ASSERT_TRUE(reg.OpenKey("\\" + base_ + "\\App Paths\\ZarIrovid.exe", false));
    bool ok = false;
    EXPECT_EQ(reg.ReadString("", &ok), "D:\\播放器\\ZarIrovid.exe");
    EXPECT_TRUE(ok);
    EXPECT_TRUE(reg.ValueExists("Path"));
    EXPECT_TRUE(reg.DeleteValue("Path"));
    EXPECT_FALSE(reg.ValueExists("Path"));
    EXPECT_FALSE(reg.DeleteValue("Path"));
    EXPECT_EQ(reg.ReadString("Path", &ok), "");
    EXPECT_FALSE(ok);
    reg.CloseKey();
    // What the wrapper wrote is a plain string value for everyone else.
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, base_ + "\\App Paths\\ZarIrovid.exe", "", ""),
              "D:\\播放器\\ZarIrovid.exe");
}

TEST_F(RegistryTest, WrapperReadStringRejectsOtherTypes) {
    DWORD dword = 1;
    SetRaw(L"dword", REG_DWORD, &dword, sizeof(dword));
    TRegistry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(base_, false));
    bool ok = true;
    EXPECT_EQ(reg.ReadString("dword", &ok), "");
    EXPECT_FALSE(ok);
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeTree) {
    TRegistry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(base_ + "\\App Paths\\ZarIrovid.exe\\a\\b\\c", true));
    ASSERT_TRUE(reg.WriteString("v", "1"));
    ASSERT_TRUE(reg.OpenKey(base_ + "\\App Paths\\ZarIrovid.exe\\d", true));
    ASSERT_TRUE(reg.OpenKey(base_ + "\\App Paths\\Other.exe", true));

    ASSERT_TRUE(reg.OpenKey(base_ + "\\App Paths", false));
    EXPECT_TRUE(reg.KeyExists("ZarIrovid.exe"));
    EXPECT_TRUE(reg.KeyExists("ZarIrovid.exe\\a\\b"));
    EXPECT_FALSE(reg.KeyExists("Missing.exe"));
    EXPECT_TRUE(reg.DeleteKey("ZarIrovid.exe"));
    EXPECT_FALSE(reg.KeyExists("ZarIrovid.exe"));
    EXPECT_TRUE(reg.KeyExists("Other.exe"));  // siblings stay
    EXPECT_FALSE(reg.DeleteKey("ZarIrovid.exe"));
    EXPECT_FALSE(reg.DeleteKey(""));  // never the open key itself
    EXPECT_TRUE(reg.IsOpen());

    // Without an open key, sub-key operations are relative to the root.
    reg.CloseKey();
    EXPECT_TRUE(reg.KeyExists(base_ + "\\App Paths\\Other.exe"));
}

TEST_F(RegistryTest, SetRootKeyClosesTheOpenKey) {
    TRegistry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(base_, false));
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.IsOpen());
    EXPECT_EQ(reg.RootKey(), HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.OpenKey(base_, false));  // not under HKLM
}

}  // namespace
}  // namespace vd
