// App Paths, file associations, the URL protocol and the start page in the
// prefix's real registry. Each test removes what it wrote.
#include <gtest/gtest.h>

#include <string>

#include "installer/app_paths.h"
#include "installer/file_associations.h"
#include "installer/portal_mode.h"
#include "installer/rules/registry_layout.h"
#include "installer/start_page.h"
#include "installer/uninstall_entry.h"
#include "installer/url_protocol.h"
#include "core/wide.h"
#include "system/registry.h"

namespace vd {
namespace {

const char kPlayer[] = "C:\\Program Files\\ZarIrovid\\ZarIrovid.exe";

std::string Value(HKEY root, const std::string& key, const std::string& name = "") {
    return ReadRegString(root, key, name, "<none>");
}

bool KeyExists(HKEY root, const std::string& key) {
    TRegistry reg(root);
    return reg.KeyExists(key);
}

void Put(HKEY root, const std::string& key, const std::string& name, const std::string& data) {
    TRegistry reg(root);
    ASSERT_TRUE(reg.OpenKey(key, true)) << key;
    reg.WriteString(name, data);
}

void Remove(HKEY root, const std::string& key) {
    TRegistry reg(root);
    reg.DeleteKey(key);
}

// A REG_DWORD value, or -1 when it is missing or of another type.
int64_t Number(HKEY root, const std::string& key, const std::string& name) {
    DWORD value = 0, size = sizeof(value), type = 0;
    if (RegGetValueW(root, Wide(key).c_str(), Wide(name).c_str(), RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return -1;
    return value;
}

TEST(UninstallEntry, WrittenWithItsNumbersReplacedAndDeleted) {
    Put(HKEY_LOCAL_MACHINE, std::string(kPlayerUninstallKey) + "\\Old", "", "x");
    WriteUninstallEntry("D:\\新 播放器\\", 18712);
    const std::string key = kPlayerUninstallKey;
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key + "\\Old"));
    // The rows themselves are the layout's (native test); here what the
    // registry keeps of them: text in UTF-16, numbers as REG_DWORD.
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, key, "UninstallString"), "\"D:\\新 播放器\\UnInstall.exe\"");
    EXPECT_EQ(Number(HKEY_LOCAL_MACHINE, key, "EstimatedSize"), 18712);
    EXPECT_EQ(Number(HKEY_LOCAL_MACHINE, key, "NoRepair"), 1);
    DeleteUninstallEntry();
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

TEST(AppPaths, WrittenWholeReadAsAFolderDeleted) {
    DeleteAppPath();
    EXPECT_EQ(ReadInstalledDir(), "");
    // An older entry with more in it is replaced whole.
    Put(HKEY_LOCAL_MACHINE, std::string(kPlayerAppPathKey) + "\\Extra", "", "x");
    Put(HKEY_LOCAL_MACHINE, kPlayerAppPathKey, "Path", "D:\\old\\");
    WriteAppPath("D:\\新 播放器\\ZarIrovid.exe");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kPlayerAppPathKey), "D:\\新 播放器\\ZarIrovid.exe");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kPlayerAppPathKey, "Path"), "<none>");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kPlayerAppPathKey) + "\\Extra"));
    EXPECT_EQ(ReadInstalledDir(), "D:\\新 播放器\\");
    // A value without a folder, or an empty one, is no installation.
    Put(HKEY_LOCAL_MACHINE, kPlayerAppPathKey, "", "ZarIrovid.exe");
    EXPECT_EQ(ReadInstalledDir(), "");
    Put(HKEY_LOCAL_MACHINE, kPlayerAppPathKey, "", "");
    EXPECT_EQ(ReadInstalledDir(), "");
    DeleteAppPath();
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPlayerAppPathKey));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
}

TEST(FileAssociations, RegisterWritesTheLayoutUnregisterLeavesOthersAlone) {
    RegisterFileType(".zzvd", kPlayer, "ZarIrovid.zzvd", "C:\\u\\Ico\\avi.ico", "常规视频");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, ".zzvd"), "ZarIrovid.zzvd");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "ZarIrovid.zzvd"), "常规视频");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "ZarIrovid.zzvd\\DefaultIcon"), "C:\\u\\Ico\\avi.ico");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "ZarIrovid.zzvd\\shell"), "Open");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "ZarIrovid.zzvd\\shell\\Open"), "用 Vadode播放器 播放");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "ZarIrovid.zzvd\\shell\\Open\\Command"),
              "\"C:\\Program Files\\ZarIrovid\\ZarIrovid.exe\" \"%1\"");

    // Another program took the extension over: only our ProgID goes.
    Put(HKEY_CLASSES_ROOT, ".zzvd", "", "OtherPlayer.zzvd");
    UnregisterFileType(".zzvd", "ZarIrovid.zzvd");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, ".zzvd"), "OtherPlayer.zzvd");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "ZarIrovid.zzvd"));
    // Ours: the extension is left without a default value.
    RegisterFileType(".zzvd", kPlayer, "ZarIrovid.zzvd", "", "g");
    UnregisterFileType(".zzvd", "ZarIrovid.zzvd");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, ".zzvd"));
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, ".zzvd"), "<none>");
    Remove(HKEY_CLASSES_ROOT, ".zzvd");
}

TEST(FileAssociations, ApplyInIndexOrderThenRemoveAll) {
    const std::string prior = Value(HKEY_CLASSES_ROOT, ".ogm");
    Put(HKEY_CLASSES_ROOT, ".ogm", "", "OtherPlayer.ogm");
    std::vector<TTypeState> states = PresetStates(amRecommended);
    states[34] = tsUnchecked;  // the later ".mpg" decides
    ApplyFileAssociations(FileTypeChoices(states), kPlayer, "C:\\u\\userdata\\");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, ".avi"), "ZarIrovid.avi");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "ZarIrovid.avi\\DefaultIcon"), "C:\\u\\userdata\\Ico\\avi.ico");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "ZarIrovid.wma"), "Windows 媒体文件");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "ZarIrovid.mpg"));
    EXPECT_NE(Value(HKEY_CLASSES_ROOT, ".mpg"), "ZarIrovid.mpg");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "ZarIrovid.3gpp"));
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, ".ogm"), "OtherPlayer.ogm");

    ApplyFileAssociations(FileTypeChoices(PresetStates(amNone)), kPlayer, "C:\\u\\userdata\\");
    for (const TTypeChoice& c : FileTypeChoices(PresetStates(amNone))) {
        if (c.hasChildren) continue;
        const std::string ext = ExtractExtension(c.text);
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ProgIdFor(ext))) << ext;
        EXPECT_NE(Value(HKEY_CLASSES_ROOT, ext), ProgIdFor(ext)) << ext;
    }
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, ".ogm"), "OtherPlayer.ogm");
    if (prior == "<none>")
        Remove(HKEY_CLASSES_ROOT, ".ogm");
    else
        Put(HKEY_CLASSES_ROOT, ".ogm", "", prior);
}

TEST(UrlProtocol, AnOlderRegistrationIsReplacedAndTheCommandQuoted) {
    Put(HKEY_CLASSES_ROOT, "davuroz", "", "old");
    Put(HKEY_CLASSES_ROOT, "davuroz", "URL Protocol", "old");
    Put(HKEY_CLASSES_ROOT, "davuroz\\shell\\open\\command", "", "C:\\old\\ZarIrovid.exe %1");
    Put(HKEY_CLASSES_ROOT, "davuroz\\shell\\open\\ddeexec", "", "x");
    Put(HKEY_CLASSES_ROOT, "davuroz\\shell\\print\\command", "", "x");
    RegisterUrlProtocol("D:\\My Apps\\ZarIrovid.exe");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "davuroz"), "<none>");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "davuroz", "URL Protocol"), "Vadode播放器");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "davuroz\\shell"));
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "davuroz\\shell"), "<none>");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "davuroz\\shell\\open"), "");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "davuroz\\shell\\open\\command"), "\"D:\\My Apps\\ZarIrovid.exe\" \"%1\"");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "davuroz\\shell\\open\\ddeexec"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "davuroz\\shell\\print"));
    Remove(HKEY_CLASSES_ROOT, "davuroz");
}

TEST(StartPage, WrittenForTheUser) {
    const std::string prior = Value(HKEY_CURRENT_USER, kStartPageKey, kStartPageValue);
    SetStartPage(kStartPageUrl);
    EXPECT_EQ(Value(HKEY_CURRENT_USER, kStartPageKey, kStartPageValue), "http://www.vadode.com/");
    if (prior != "<none>") {
        SetStartPage(prior);
    } else {
        TRegistry reg(HKEY_CURRENT_USER);
        if (reg.OpenKey(kStartPageKey, false)) reg.DeleteValue(kStartPageValue);
    }
}

}  // namespace
}  // namespace vd
