// The checks an install folder must pass before anything is written, as
// pure rules over the folder's text and plain facts about its drive, and
// the warning that names the first check it fails.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "installer/rules/extraction_plan.h"

namespace vd {

// The first check a folder fails, in the order they are made.
enum TFolderFault : int {
    ffNone = 0,
    ffEmpty,             // nothing typed
    ffNotAbsolute,       // no drive letter, colon and backslash, nor \\server\share\ .
    ffForbiddenCharacter,  // / : * ? " < > | or a control character in a name
    ffReservedName,      // ".", "..", a name ending in a dot or blank, or a device name (CON, NUL, COM1 ...)
    ffTooLong,           // a folder or a file of the package would not fit
    ffNoDrive,           // the drive (or share) is not there
    ffNoSpace,           // a drive cannot hold what goes to it
    ffCannotCreate,      // the folder cannot be made
    ffNotWritable,       // a file cannot be written in it
};

// The longest file path and folder path the platform's plain calls take, in
// UTF-16 units: a file path of MAX_PATH less its terminating NUL, a folder
// that can still be created (MAX_PATH less 12, less the NUL), counted
// without its trailing backslash.
inline constexpr int kMaxFilePathUnits = 259;
inline constexpr int kMaxFolderPathUnits = 247;
// What every drive keeps free beyond the files written to it.
inline constexpr uint64_t kSpaceMargin = 1024 * 1024;
// Each file is counted in whole allocation units of this size.
inline constexpr uint64_t kClusterBytes = 4096;

// A drive letter, colon and backslash (C:\...), or \\server\share\...
bool IsAbsoluteFolder(std::string_view folder);

// The text rules of an install folder (trimmed, with its trailing
// backslash): empty, not absolute, a forbidden character, a reserved name.
TFolderFault CheckFolderText(std::string_view installDir);

// Whether every destination folder and every file of the package tables fits
// the platform's path lengths.
bool EntryPathsFit(const TPlayerFolders& folders);

// What one drive must hold.
struct TDriveNeed {
    std::string drive;  // as DriveOfPath gives it: "D:" or "\\server\share"
    uint64_t bytes = 0;
};

// The bytes each drive must hold for the package: the uncompressed size of
// every entry (entrySizes in table order; a negative size is an entry the
// package lacks and counts nothing) rounded up to whole clusters, summed per
// drive of the entry's folder, plus kSpaceMargin. Drives in the order the
// tables first use them, compared without regard to case.
std::vector<TDriveNeed> SpaceNeededPerDrive(const TPlayerFolders& folders, const std::vector<int64_t>& entrySizes);

// The first drive whose free bytes (freeOf(drive)) do not hold its need;
// -1 when every drive has room.
template <class FreeOf>
int FirstDriveShortOfSpace(const std::vector<TDriveNeed>& needs, FreeOf freeOf) {
    for (size_t i = 0; i < needs.size(); ++i)
        if (freeOf(needs[i].drive) < needs[i].bytes) return static_cast<int>(i);
    return -1;
}

// The sum of the entries' uncompressed sizes in KiB, rounded up (what the
// installation takes on disk, for the Programs and Features entry).
uint32_t EstimatedSizeKiB(const std::vector<int64_t>& entrySizes);

// The facts a warning names besides the folder.
struct TFolderFaultFacts {
    std::string drive;       // the drive short of space or missing
    uint64_t needBytes = 0;  // ffNoSpace: what it must hold
    uint64_t freeBytes = 0;  // ffNoSpace: what it has
};

// The warning for a fault; `folderText` is the folder as the user typed it.
std::string FolderFaultMessage(TFolderFault fault, std::string_view folderText, const TFolderFaultFacts& facts = {});

}  // namespace vd
