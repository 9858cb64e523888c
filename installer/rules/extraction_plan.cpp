#include "installer/rules/extraction_plan.h"

#include "core/numerics.h"

namespace vd {

std::string TargetFolderPath(TTargetFolder folder, const TPlayerFolders& folders) {
    switch (folder) {
        case tfInstall: return folders.installDir;
        case tfProfiles: return folders.profilesDir;
        case tfCodecs: return folders.profilesDir + kCodecsSubFolder;
        case tfIcons: return folders.userDataDir + kIconsSubFolder;
        case tfSkin: return folders.userDataDir + kSkinSubFolder;
    }
    return std::string();
}

int ProgressPercent(int count) {
    return static_cast<int>(DelphiRound(static_cast<double>(count) * 100.0 / kPackageEntryCount));
}

int SlideIndexFor(int percent) { return percent / 25 + 1; }

}  // namespace vd
