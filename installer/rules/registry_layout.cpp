#include "installer/rules/registry_layout.h"

#include "installer/rules/player_files.h"

namespace vd {

std::string PlayerOpenCommand(std::string_view player) { return "\"" + std::string(player) + "\" \"%1\""; }

std::vector<TRegRow> FileTypeRows(std::string_view extension, std::string_view player, std::string_view progId,
                                  std::string_view iconPath, std::string_view description) {
    const std::string id(progId);
    return {
        {std::string(extension), true, "", id},
        {id, true, "", std::string(description)},
        {id + "\\DefaultIcon", true, "", std::string(iconPath)},
        {id + "\\shell", true, "", "Open"},
        {id + "\\shell\\Open", true, "", kOpenVerbText},
        {id + "\\shell\\Open\\Command", true, "", PlayerOpenCommand(player)},
    };
}

std::vector<TRegRow> UrlProtocolRows(std::string_view player) {
    const std::string key = kUrlProtocolKey;
    return {
        {key, true, kUrlProtocolValue, kPlayerDisplayName},
        {key + "\\shell", false, "", ""},
        {key + "\\shell\\open", true, "", ""},
        {key + "\\shell\\open\\command", true, "", PlayerOpenCommand(player)},
    };
}

std::vector<TRegRow> UninstallEntryRows(std::string_view installDir, uint32_t estimatedSizeKiB) {
    const std::string key = kPlayerUninstallKey, dir(installDir);
    const auto text = [&key](const char* name, std::string data) { return TRegRow{key, true, name, std::move(data)}; };
    const auto number = [&key](const char* name, uint32_t n) { return TRegRow{key, true, name, "", true, n}; };
    return {
        text("DisplayName", kPlayerDisplayName),
        text("DisplayVersion", kPlayerVersion),
        text("DisplayIcon", dir + kPlayerExeName),
        text("InstallLocation", dir),
        text("UninstallString", "\"" + dir + kUninstallerExeName + "\""),
        number("EstimatedSize", estimatedSizeKiB),
        number("NoModify", 1),
        number("NoRepair", 1),
    };
}

}  // namespace vd
