#include "installer/rules/page_table.h"

namespace vd {
namespace {

constexpr TButtonRule kBarShown{TButtonPlace::bpBar, TButtonVisibility::bvShown, false};
constexpr TButtonRule kFormHidden{TButtonPlace::bpForm, TButtonVisibility::bvHidden, false};
constexpr TButtonRule kBarDisabled{TButtonPlace::bpBar, TButtonVisibility::bvAsBefore, true};

//                     Next         Back          Install       Cancel      Finish
const TPageRule kPages[kPageCount] = {
    {"Page_License", {kBarShown, kFormHidden, kFormHidden, kBarShown, kFormHidden}, TPageAction::paNone, false},
    {"Page_InstallPath", {kFormHidden, kBarShown, kBarShown, kBarShown, kFormHidden},
     TPageAction::paInstallPathChecks, false},
    {"Page_Process", {kFormHidden, kBarDisabled, kBarDisabled, kBarShown, kFormHidden}, TPageAction::paNone, false},
    {"Page_FileRelation", {kBarShown, kBarDisabled, kFormHidden, kBarShown, kFormHidden},
     TPageAction::paDeleteSlideFiles, false},
    {"Page_Finished", {kFormHidden, kFormHidden, kFormHidden, kFormHidden, kBarShown},
     TPageAction::paApplyAssociations, true},
};

}  // namespace

const TPageRule* PageRule(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= kPageCount) return nullptr;
    return &kPages[pageIndex];
}

}  // namespace vd
