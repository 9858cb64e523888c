// Logical drives and the free space of volumes. A volume that cannot be
// queried counts as 0 bytes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/free_space.h"

namespace vd {

struct TDiskSpace {
    uint64_t total = 0;  // bytes of the volume
    uint64_t free = 0;   // free bytes of the volume (not the caller's quota share)
};

// Root paths of all logical drives (A:\, C:\, ...) in the platform's order.
std::vector<std::string> GetDriveList();
// Those that are neither removable nor CD-ROM drives.
std::vector<std::string> GetFixedDriveList();
// Every logical drive with its kind; free bytes are filled in for the fixed
// ones only (removable drives are never asked, so no "insert a disk" prompt).
std::vector<TDriveFacts> GetDriveFacts();

TDiskSpace GetDiskSpace(std::string_view path);
// Free bytes of the volume holding path, scaled to the unit (TSpaceUnit) and
// rounded to whole units.
int64_t GetDiskFreeSpaceIn(std::string_view path, int unit);
// Root of the fixed drive with the most free bytes; with excludeSystem the
// Windows drive counts as having none. Empty when there is no fixed drive.
std::string GetLargestDrive(bool excludeSystem);

// "N GB": free gigabytes of the drive of path (drive letter, or server and
// share of a network path). A path with no drive part gives "0 GB".
std::string GetFreeSpaceText(std::string_view path);

}  // namespace vd
