// The texts and folder rules of the install-location page.
#pragma once
#include <string>
#include <string_view>

namespace vd {

inline constexpr const char* kRequiredSpaceText = "所需空间：26 MB";
inline constexpr const char* kBrowseTitle = "选择要安装 “Vadode播放器” 的文件夹位置";
inline constexpr const char* kOldVersionWarning =
    "安装程序检测到您的电脑上已存在老版本的Vadode播放器，请等待卸载完老版本播放器后再重新进行安装。";
inline constexpr const char* kPlayerRunningWarning = "安装程序检测到Vadode播放器正在运行，请关闭后再重新进行安装。";

// The text of the free-space label: "可用空间：" + the free-space text.
std::string FreeSpaceLabel(std::string_view freeSpaceText);

// The install folder the browse button proposes for a chosen folder: the
// folder with a trailing backslash, then "ZarIrovid\" (D:\ -> D:\ZarIrovid\,
// D:\Apps -> D:\Apps\ZarIrovid\).
std::string InstallPathForBrowsedFolder(std::string_view folder);

}  // namespace vd
