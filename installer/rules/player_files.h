// The player's files as the package holds them, the folders they go to, and
// the names the installation gives its programs, links and folders. Plain
// constant data (no library code), so that small programs can share it.
#pragma once

namespace vd {

inline constexpr const char* kPlayerExeName = "ZarIrovid.exe";
inline constexpr const char* kUninstallerExeName = "UnInstall.exe";
// The player's display name.
inline constexpr const char* kPlayerDisplayName = "Vadode播放器";

// Destination folders of the package entries.
enum TTargetFolder : int {
    tfInstall = 0,   // FInstallDir
    tfProfiles = 1,  // FProfilesDir
    tfCodecs = 2,    // FProfilesDir + "codecs\"
    tfIcons = 3,     // FUserDataDir + "ico\"
    tfSkin = 4,      // FUserDataDir + "skin\"
};

inline constexpr const char* kCodecsSubFolder = "codecs\\";
inline constexpr const char* kIconsSubFolder = "ico\\";
inline constexpr const char* kSkinSubFolder = "skin\\";

struct TPlayerFile {
    const char* name;  // the package key and the file name written
    TTargetFolder folder;
};

// The 59 entries in the order they are extracted: the program folder, the
// profiles, the codecs, the icons and the skin.
inline constexpr TPlayerFile kPlayerFiles[] = {
    {"ZarIrovid.exe", tfInstall}, {"VidOV.exe", tfInstall}, {"VezaZU.dll", tfInstall},
    {"GdiPlus.dll", tfInstall}, {"UnInstall.exe", tfInstall},
    {"RiduZuzi.exe", tfProfiles}, {"VareDO.dll", tfProfiles},
    {"l3codeca.acm", tfCodecs}, {"l3codecx.ax", tfCodecs}, {"wmv8ds32.ax", tfCodecs},
    {"wmvds32.ax", tfCodecs}, {"atrc.dll", tfCodecs}, {"atrc3260.dll", tfCodecs},
    {"cook.dll", tfCodecs}, {"cook3260.dll", tfCodecs}, {"drv1.dll", tfCodecs},
    {"drv13260.dll", tfCodecs}, {"drv2.dll", tfCodecs}, {"drv23260.dll", tfCodecs},
    {"drv33260.dll", tfCodecs}, {"drv43260.dll", tfCodecs}, {"drvc.dll", tfCodecs},
    {"hxltcolor.dll", tfCodecs}, {"pncrt.dll", tfCodecs}, {"raac.dll", tfCodecs},
    {"raac3260.dll", tfCodecs}, {"rv10.dll", tfCodecs}, {"rv103260.dll", tfCodecs},
    {"rv20.dll", tfCodecs}, {"rv203260.dll", tfCodecs}, {"rv30.dll", tfCodecs},
    {"rv303260.dll", tfCodecs}, {"rv40.dll", tfCodecs}, {"rv403260.dll", tfCodecs},
    {"sipr.dll", tfCodecs}, {"sipr3260.dll", tfCodecs}, {"vp6vfw.dll", tfCodecs},
    {"vp7vfw.dll", tfCodecs}, {"VSFilter.dll", tfCodecs}, {"wma9dmod.dll", tfCodecs},
    {"wmadmod.dll", tfCodecs}, {"wmsdmod.dll", tfCodecs}, {"wmspdmod.dll", tfCodecs},
    {"wmv9dmod.dll", tfCodecs}, {"wmvadvd.dll", tfCodecs}, {"wmvdmod.dll", tfCodecs},
    {"wvc1dmod.dll", tfCodecs},
    {"audio.ico", tfIcons}, {"avi.ico", tfIcons}, {"cd.ico", tfIcons}, {"dvd.ico", tfIcons},
    {"mkv.ico", tfIcons}, {"mp4.ico", tfIcons}, {"mpg.ico", tfIcons}, {"quicktime.ico", tfIcons},
    {"real.ico", tfIcons}, {"swf.ico", tfIcons}, {"wmv.ico", tfIcons},
    {"default.skn", tfSkin},
};
inline constexpr int kPlayerFileCount = static_cast<int>(sizeof(kPlayerFiles) / sizeof(kPlayerFiles[0]));
// The divisor of the progress: the entries of the shipped package.
inline constexpr int kPackageEntryCount = 59;
static_assert(kPlayerFileCount == kPackageEntryCount, "the tables hold the whole package");

// Sub-folders of the roaming data folder on the newer profile layout.
inline constexpr const char* kRoamingUserDataSubPath = "ZarIrovid\\userdata\\";
inline constexpr const char* kRoamingProfilesSubPath = "ZarIrovid\\profiles\\";

// Shortcuts: the link files, their descriptions and the Programs sub-folder.
inline constexpr const char* kPlayerLinkName = "Vadode播放器.lnk";
inline constexpr const char* kUninstallLinkName = "卸载Vadode播放器.lnk";
inline constexpr const char* kUninstallDescription = "卸载Vadode播放器";
inline constexpr const char* kProgramsSubFolder = "Vadode播放器\\";

}  // namespace vd
