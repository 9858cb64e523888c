// The wizard's association tree through the check tree's cascade: the
// recommended preset set node by node in index order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/model/check_tree_model.h"
#include "installer/rules/file_types.h"

namespace vd {
namespace {

using Node = TCheckModelNode;

// The wizard's association tree, set in index order to the recommended
// preset: each file type by the rule, each group from its children.
TEST(FileTypeTreePreset, RecommendedStatesSetInIndexOrder) {
    TCheckModelTree tree;
    std::vector<Node*> nodes;
    for (const TFileTypeNode& n : kFileTypeTree)
        nodes.push_back(tree.AddChild(n.parent < 0 ? nullptr : nodes[n.parent], n.text));
    ASSERT_EQ(tree.NodeCount(), 44);
    const std::vector<TTypeState> preset = PresetStates(amRecommended);
    for (int i = 0; i < tree.NodeCount(); ++i) tree.SetItemState(i, static_cast<TCheckCheckState>(preset[i]));
    int checkedTypes = 0;
    std::string unchecked, groupStates;
    for (int i = 0; i < tree.NodeCount(); ++i) {
        Node* n = tree.NodeAt(i);
        if (!n->Parent()) {
            groupStates += std::to_string(n->StateIndex());
        } else if (n->StateIndex() == csChecked) {
            ++checkedTypes;
        } else {
            EXPECT_EQ(n->StateIndex(), csUnchecked);
            unchecked += ExtractExtension(n->Text());
        }
    }
    EXPECT_EQ(checkedTypes, 26);
    EXPECT_EQ(unchecked, ".ogm.3gpp.3g2.ape.ogg.amr.vob.d2v.pmp");
    EXPECT_EQ(groupStates, "323322333");
}

}  // namespace
}  // namespace vd
