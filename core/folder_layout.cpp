#include "core/folder_layout.h"

#include <vector>

#include "core/text.h"

namespace vd {

std::string GetParentFolder(std::string_view path) {
    std::vector<std::string> parts;
    std::string rest(path);
    for (;;) {
        if (rest.find('\\') == std::string::npos) break;
        rest = Trim(rest);  // blanks are below '\\', so the backslash stays
        size_t cut = rest.find('\\');
        parts.push_back(Trim(std::string_view(rest).substr(0, cut)));
        rest.erase(0, cut + 1);
    }
    std::string out;
    if (parts.size() < 2) return out;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        out += parts[i];
        out.push_back('\\');
    }
    return out;
}

std::string WithTrailingBackslash(std::string_view folder) {
    if (folder.empty()) return std::string();
    return IncludeTrailingBackslash(folder);
}

std::string DriveOfPath(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        // \\server\share: up to the backslash after the share name.
        size_t server_end = path.find('\\', 2);
        if (server_end == std::string_view::npos || server_end == 2) return std::string();  // no server name
        size_t share_end = path.find('\\', server_end + 1);
        if (share_end == server_end + 1) return std::string();  // empty share name
        return std::string(path.substr(0, share_end));
    }
    return std::string();
}

std::string ProgramsMenuFromRoaming(std::string_view roamingData) {
    return std::string(roamingData) + "Microsoft\\Windows\\Start Menu\\Programs\\";
}

std::string CommonProgramsMenuFromCommonData(std::string_view commonData) {
    return std::string(commonData) + "Microsoft\\Windows\\Start Menu\\Programs\\";
}

std::string DesktopFromDocuments(std::string_view documents) {
    return GetParentFolder(documents) + "Desktop\\";
}

std::string TempFromLocalData(std::string_view localData) {
    return std::string(localData) + "Temp\\";
}

std::string TempFromStartMenu(std::string_view startMenu) {
    return GetParentFolder(startMenu) + "Local Settings\\Temp\\";
}

std::string QuickLaunchFromRoaming(std::string_view roamingDataNoBackslash) {
    return std::string(roamingDataNoBackslash) + "\\Microsoft\\Internet Explorer\\Quick Launch\\";
}

}  // namespace vd
