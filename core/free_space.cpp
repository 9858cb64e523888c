#include "core/free_space.h"

#include <cmath>

namespace vd {

int64_t ScaleFreeSpace(uint64_t freeBytes, int unit) {
    double divisor;
    switch (unit) {
        case suKiB: divisor = 1024.0; break;
        case suMiB: divisor = 1048576.0; break;
        case suGiB: divisor = 1073741824.0; break;
        default: return static_cast<int64_t>(freeBytes);
    }
    // Non-negative quotient: floor(q + 0.5) rounds halves away from zero.
    double q = static_cast<double>(freeBytes) / divisor;
    return static_cast<int64_t>(std::floor(q + 0.5));
}

std::string FreeSpaceText(uint64_t freeBytes) {
    return std::to_string(ScaleFreeSpace(freeBytes, suGiB)) + " GB";
}

int IndexOfMax(const std::vector<int64_t>& values) {
    int best = -1;
    for (size_t i = 0; i < values.size(); ++i)
        if (best < 0 || values[i] > values[static_cast<size_t>(best)]) best = static_cast<int>(i);
    return best;
}

bool IsFixedDriveKind(TDriveKind kind) { return kind != dkRemovable && kind != dkCdRom; }

std::string ChooseLargestDrive(const std::vector<TDriveFacts>& drives, bool excludeSystem,
                               std::string_view windowsDrive) {
    std::vector<const TDriveFacts*> fixed;
    std::vector<int64_t> values;
    for (const TDriveFacts& d : drives) {
        if (!IsFixedDriveKind(d.kind)) continue;
        fixed.push_back(&d);
        bool system = excludeSystem && d.root == windowsDrive;
        values.push_back(system ? 0 : ScaleFreeSpace(d.freeBytes, suBytes));
    }
    int i = IndexOfMax(values);
    return i < 0 ? std::string() : fixed[static_cast<size_t>(i)]->root;
}

}  // namespace vd
