// The wizard's pages and what showing each one does to the bottom-bar
// buttons, as data: for every page, each button's parent (the bar or the
// form), its visibility (shown, hidden or left as it was) and whether it is
// disabled, and the action that entering the page runs.
#pragma once
#include <array>

namespace vd {

inline constexpr int kPageCount = 5;

enum TPageIndex : int {
    piLicense = 0,       // Page_License
    piInstallPath = 1,   // Page_InstallPath
    piProcess = 2,       // Page_Process
    piFileRelation = 3,  // Page_FileRelation
    piFinished = 4,      // Page_Finished
};

// The five buttons, in the order ShowPage sets them.
enum TPageButton : int { pbNext = 0, pbPrev, pbInstall, pbCancel, pbFinished, pbCount };

enum class TButtonPlace { bpBar, bpForm };  // parent: Area_Bottom or the form
enum class TButtonVisibility { bvShown, bvHidden, bvAsBefore };

struct TButtonRule {
    TButtonPlace place;
    TButtonVisibility visibility;
    bool disable;  // false: the enabled state is left as it was
};

enum class TPageAction {
    paNone,
    paInstallPathChecks,  // old version and running player, after the buttons
    paDeleteSlideFiles,   // the four exported slides, after the buttons
    paApplyAssociations,  // the chosen file types, before anything else
};

struct TPageRule {
    const char* panel;  // the page's panel
    std::array<TButtonRule, pbCount> buttons;
    TPageAction action;
    bool actionFirst;  // the action runs before the panels and buttons change
};

// The rule of a page; nullptr for a page number outside 0..4 (ShowPage then
// changes nothing).
const TPageRule* PageRule(int pageIndex);

}  // namespace vd
