// The association page: the tree of media file types, its presets and the
// associations its states lead to.
#include <vector>

#include "controls/xp_check_tree.h"
#include "controls/xp_combo_box.h"
#include "installer/file_associations.h"
#include "installer/rules/file_types.h"
#include "installer/rules/player_files.h"
#include "installer/uMain.h"

namespace vd {

namespace {

// Every node in index order, groups included: a group's state reaches its
// children first, and the children that follow set their own.
void ApplyPreset(TXPCheckTree& tree, TAssociationMode mode) {
  const std::vector<TTypeState> states = PresetStates(mode);
  for (int i = 0; i < tree.NodeCount() && i < static_cast<int>(states.size()); ++i)
    tree.SetItemState(i, static_cast<TCheckCheckState>(states[i]));
}

}  // namespace

void TFrm_MainysInstall::SelectRecommendedTypes() { ApplyPreset(*FileTypeTree, amRecommended); }

void TFrm_MainysInstall::Mode_FileRelationCloseUp(TObject*) {
  switch (Mode_FileRelation->ItemIndex()) {
    case amRecommended: ApplyPreset(*FileTypeTree, amRecommended); break;
    case amAll: ApplyPreset(*FileTypeTree, amAll); break;
    case amNone: ApplyPreset(*FileTypeTree, amNone); break;
    default: break;
  }
}

void TFrm_MainysInstall::ApplyFileAssociations() {
  std::vector<TTypeChoice> nodes;
  for (int i = 0; i < FileTypeTree->NodeCount(); ++i) {
    const TTreeNode* node = FileTypeTree->NodeAt(i);
    TTypeChoice c;
    c.text = node->Text();
    c.groupText = node->Parent() ? node->Parent()->Text() : std::string();
    c.hasChildren = node->HasChildren();
    c.state = static_cast<TTypeState>(FileTypeTree->GetItemState(i));
    nodes.push_back(c);
  }
  vd::ApplyFileAssociations(nodes, FInstallDir + kPlayerExeName, FUserDataDir);
}

}  // namespace vd
