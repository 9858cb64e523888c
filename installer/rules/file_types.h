// The rules of the association page: the extension of a tree item, the
// recommended set, the icon of a file type, the combo box's presets and the
// registrations that the chosen states lead to.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "installer/rules/file_type_tree.h"

namespace vd {

// The check state of a tree node, numbered as the check tree numbers its
// states (1 unchecked, 2 checked, 3 partially checked).
enum TTypeState : uint8_t {
    tsUnchecked = 1,
    tsChecked = 2,
    tsPartial = 3,
};

// The extensions checked by the recommended preset.
inline constexpr const char* kRecommendedTypes =
    ".asf.wmv.wma.mov.qt.3gp.3gp2.rm.ra.rmvb.avi.mkv.mp4.dat.mpg.mpeg.ts.tp.divx.flv.vp6.vp7.cda.wav.mp3";

// The text before the first "-" with blanks trimmed at both ends, or the
// whole text trimmed when it has no "-".
std::string ExtractExtension(std::string_view itemText);

// Whether the extension occurs in kRecommendedTypes as a substring
// (case-sensitive): ".3gpp" and ".3g2" do not, group names never do, and
// neither does empty text.
bool IsRecommendedType(std::string_view extension);

// "ZarIrovid" + extension.
std::string ProgIdFor(std::string_view extension);

// The icon of a file type below the folder of the player's user data
// ("Ico\wmv.ico"), chosen by its group's text and its extension. The groups
// 常规视频, 高清视频 and 手机媒体 take avi.ico, mp4.ico and mkv.ico for their own
// extensions and mpg.ico otherwise; MPEG/DVD/VCD takes dvd.ico for ".vob"
// and mpg.ico otherwise. Empty for a group the rule does not know.
std::string IconValueFor(std::string_view groupText, std::string_view extension);

// The choices of the association mode box.
enum TAssociationMode : int {
    amRecommended = 0,  // "推荐关联"
    amAll = 1,          // "关联所有格式"
    amNone = 2,         // "取消所有关联"
};

// The state each node is set to, in absolute-index order, groups included,
// when the mode is chosen. Applied one node after the other to a cascading
// tree, a group's state reaches its children first and the children that
// follow then set their own.
std::vector<TTypeState> PresetStates(TAssociationMode mode);

// The states a cascading tree ends with: each file type as given, each group
// checked when all its children are, unchecked when none is, partially
// checked otherwise.
std::vector<TTypeState> SettleGroupStates(std::vector<TTypeState> states);

// One node as the tree shows it when the associations are applied.
struct TTypeChoice {
    std::string text;
    std::string groupText;  // the parent's text; empty for a group
    bool hasChildren = false;
    TTypeState state = tsUnchecked;
};

// The built-in tree with the given states (one per node, index order).
std::vector<TTypeChoice> FileTypeChoices(const std::vector<TTypeState>& states);

enum class TAssociationOp { aoRegister, aoUnregister };

struct TAssociationStep {
    TAssociationOp op = TAssociationOp::aoRegister;
    std::string extension;
    std::string progId;
    std::string iconValue;    // below the user-data folder; empty for none
    std::string description;  // the group's text
};

// One step per node without children, in index order: checked registers,
// unchecked unregisters, partially checked does nothing. An extension that
// stands twice (".mpg") ends as its later node says.
std::vector<TAssociationStep> PlanAssociations(const std::vector<TTypeChoice>& nodes);

}  // namespace vd
