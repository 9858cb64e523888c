// Free-space arithmetic and the choice of the roomiest drive, free of any
// platform call: the services feed in what the system reports.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// Units of a scaled free-space value.
enum TSpaceUnit : int {
    suBytes = 0,  // unscaled
    suKiB = 1,    // 1,024
    suMiB = 2,    // 1,048,576
    suGiB = 3,    // 1,073,741,824
};

// Free bytes in the unit: bytes as they are for unit 0; for units 1 to 3 the
// quotient rounded to the nearest whole number, halves away from zero
// (1.5 GiB gives 2). Any other unit gives the bytes unscaled.
int64_t ScaleFreeSpace(uint64_t freeBytes, int unit);

// "N GB": the free bytes in whole gigabytes (rounded as above) and " GB".
std::string FreeSpaceText(uint64_t freeBytes);

// Index of the first element with the largest value; -1 for no elements.
int IndexOfMax(const std::vector<int64_t>& values);

// Drive kinds, numbered as the platform's drive-type query reports them.
enum TDriveKind : int {
    dkUnknown = 0,
    dkNoRootDir = 1,
    dkRemovable = 2,
    dkFixed = 3,
    dkRemote = 4,
    dkCdRom = 5,
    dkRamDisk = 6,
};

struct TDriveFacts {
    std::string root;        // "C:\"
    TDriveKind kind = dkUnknown;
    uint64_t freeBytes = 0;  // 0 when the volume cannot be queried
};

// Whether a drive of this kind counts as fixed: everything but removable and
// CD-ROM drives (network and RAM drives stay).
bool IsFixedDriveKind(TDriveKind kind);

// The root of the fixed drive with the most free bytes, ties to the earlier
// drive. When excludeSystem is set, the drive whose root equals windowsDrive
// exactly counts as having 0 free bytes (so it still wins when every fixed
// drive has 0). Empty when there is no fixed drive.
std::string ChooseLargestDrive(const std::vector<TDriveFacts>& drives, bool excludeSystem,
                               std::string_view windowsDrive);

}  // namespace vd
