// The folder decisions the wizard makes when its window is created, taken
// from plain facts about the machine so that they can be checked without it.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/free_space.h"

namespace vd {

// Player and file names the start-up fixes.
inline constexpr const char* kPlayerFolderName = "ZarIrovid";
inline constexpr const char* kFallbackTempName = "VivEduriziDade\\";
inline constexpr const char* kPackageFileName = "vedaruv.bin";
// Below this many MiB free on its drive the user's temporary folder is not used.
inline constexpr int64_t kMinTempFreeMiB = 20;

// Windows major version 6 or more (Vista and later) selects the newer layout
// of the user profile.
bool IsNewerLayout(int windowsMajorVersion);

// What the machine reports at start-up.
struct TStartupFacts {
    int windowsMajorVersion = 0;
    std::string programFilesFolder;   // with trailing backslash, or empty
    std::string tempFolder;           // the user's temporary folder for this generation
    bool tempFolderExists = false;
    uint64_t tempDriveFreeBytes = 0;  // free bytes of the temporary folder's drive
    std::vector<TDriveFacts> drives;  // all logical drives in the platform's order (when !KeepsTempFolder)
    std::string windowsDrive;         // "C:\"
    std::string roamingDataFolder;    // with trailing backslash, or empty
};

// What the start-up decides.
struct TStartupFolders {
    bool isVista = false;
    std::string programFilesDir;
    std::string tempFolder;
    bool tempFolderIsFallback = false;  // the caller creates it when missing
    bool tempFolderCreated = false;     // set by the caller that created it (removed again when empty)
    std::string packageFile;
    std::array<std::string, 4> slideFiles;  // _mps1.jpg .. _mps4.jpg
    std::string installPathText;  // the install-folder field's first text
    std::string installDir;
    std::string userDataDir;
    std::string profilesDir;
};

// Whether the user's temporary folder is kept: it exists and its drive has at
// least 20 MiB free (rounded to whole MiB). Only when it is not are the
// drives' free spaces needed.
bool KeepsTempFolder(const TStartupFacts& facts);

// The temporary folder rule: the user's temporary folder when it exists and
// its drive has at least 20 MiB free (rounded to whole MiB); otherwise
// "VivEduriziDade\" on the roomiest fixed drive other than the Windows drive.
std::string ChooseTempFolder(const TStartupFacts& facts, bool* isFallback = nullptr);

// The install folder from the text of the install-folder field: blanks
// trimmed, a backslash appended to non-empty text that lacks one.
std::string InstallDirFromText(std::string_view text);

// The player's userdata and profiles folders. On the newer layout they lie
// under the roaming data folder, "ZarIrovid" sub-folder; on the older one
// under the install folder.
std::string UserDataDirFor(bool isVista, std::string_view roamingDataFolder, std::string_view installDir);
std::string ProfilesDirFor(bool isVista, std::string_view roamingDataFolder, std::string_view installDir);

// Every decision of the start-up, in its order.
TStartupFolders DecideStartupFolders(const TStartupFacts& facts);

}  // namespace vd
