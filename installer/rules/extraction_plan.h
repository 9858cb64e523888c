// The arithmetic of the extraction: where each entry goes, the progress it
// leaves on the bar and the slide that belongs to that progress.
#pragma once
#include <string>

#include "installer/rules/player_files.h"

namespace vd {

// The player's three folders, each with a trailing backslash.
struct TPlayerFolders {
    std::string installDir;
    std::string profilesDir;
    std::string userDataDir;
};

// The folder of a destination: the install or profiles folder itself, or
// profiles + "codecs\", user data + "ico\", user data + "skin\".
std::string TargetFolderPath(TTargetFolder folder, const TPlayerFolders& folders);

// The bar's percent after `count` entries: count x 100 / 59 rounded to the
// nearest integer. The last entry runs with count 58 and leaves 98.
int ProgressPercent(int count);

// The slide (1..4) that belongs to a percent: percent div 25 + 1. Slides
// change at 0, 25, 51 and 75 percent.
int SlideIndexFor(int percent);

}  // namespace vd
