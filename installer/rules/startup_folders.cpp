#include "installer/rules/startup_folders.h"

#include "core/text.h"
#include "core/folder_layout.h"
#include "installer/rules/player_files.h"

namespace vd {

bool IsNewerLayout(int windowsMajorVersion) { return windowsMajorVersion >= 6; }

bool KeepsTempFolder(const TStartupFacts& facts) {
    return facts.tempFolderExists && ScaleFreeSpace(facts.tempDriveFreeBytes, suMiB) >= kMinTempFreeMiB;
}

std::string ChooseTempFolder(const TStartupFacts& facts, bool* isFallback) {
    const bool keep = KeepsTempFolder(facts);
    if (isFallback) *isFallback = !keep;
    if (keep) return facts.tempFolder;
    return ChooseLargestDrive(facts.drives, true, facts.windowsDrive) + kFallbackTempName;
}

std::string InstallDirFromText(std::string_view text) {
    std::string dir = Trim(text);
    if (!dir.empty() && dir.back() != '\\') dir.push_back('\\');
    return dir;
}

std::string UserDataDirFor(bool isVista, std::string_view roamingDataFolder, std::string_view installDir) {
    if (isVista) return std::string(roamingDataFolder) + kRoamingUserDataSubPath;
    return std::string(installDir) + "userdata\\";
}

std::string ProfilesDirFor(bool isVista, std::string_view roamingDataFolder, std::string_view installDir) {
    if (isVista) return std::string(roamingDataFolder) + kRoamingProfilesSubPath;
    return std::string(installDir) + "profiles\\";
}

TStartupFolders DecideStartupFolders(const TStartupFacts& facts) {
    TStartupFolders out;
    out.isVista = IsNewerLayout(facts.windowsMajorVersion);
    out.programFilesDir = facts.programFilesFolder;
    out.tempFolder = ChooseTempFolder(facts, &out.tempFolderIsFallback);
    out.packageFile = out.tempFolder + kPackageFileName;
    for (size_t i = 0; i < out.slideFiles.size(); ++i)
        out.slideFiles[i] = out.tempFolder + "_mps" + std::to_string(i + 1) + ".jpg";
    out.installPathText = out.programFilesDir + kPlayerFolderName + "\\";
    out.installDir = Trim(out.installPathText);
    out.userDataDir = UserDataDirFor(out.isVista, facts.roamingDataFolder, out.installDir);
    out.profilesDir = ProfilesDirFor(out.isVista, facts.roamingDataFolder, out.installDir);
    return out;
}

}  // namespace vd
