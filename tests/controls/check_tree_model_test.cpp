// The check-state cascade and its events over the window-less model tree.
#include "controls/model/check_tree_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vd {
namespace {

using Node = TCheckModelNode;

// Two groups of three items; every event is written down as "text:state"
// (refused changes as "text:state?").
class CheckTreeModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* g : {"video", "audio"}) {
            Node* group = tree.AddChild(nullptr, g);
            for (int i = 0; i < 3; ++i) tree.AddChild(group, std::string(g) + std::to_string(i));
        }
        for (int i = 0; i < tree.NodeCount(); ++i) tree.NodeAt(i)->SetStateIndex(csUnchecked);
        tree.OnStateChanging = [this](Node* n, TCheckCheckState s, bool& allow) {
            allow = n->Text() != refuse;
            if (!allow) events.push_back(n->Text() + ":" + std::to_string(s) + "?");
        };
        tree.OnStateChange = [this](Node* n, TCheckCheckState s) {
            events.push_back(n->Text() + ":" + std::to_string(s));
        };
        tree.OnUpdateChildren = [this] { events.push_back("children"); };
    }
    std::string States() {
        std::string s;
        for (int i = 0; i < tree.NodeCount(); ++i) s += std::to_string(tree.GetItemState(i));
        return s;
    }

    TCheckModelTree tree;
    std::vector<std::string> events;
    std::string refuse;
};

TEST_F(CheckTreeModelTest, CheckingAGroupChecksItsItemsThenReevaluatesUpward) {
    tree.SetItemState(0, csChecked);
    EXPECT_EQ(States(), "22221111");
    // The group, its items in order, the children event, then the parent
    // walk (none above a root).
    EXPECT_EQ(events, (std::vector<std::string>{"video:2", "video0:2", "video1:2", "video2:2", "children"}));

    events.clear();
    tree.SetItemState(2, csUnchecked);  // one item of a full group: partial
    EXPECT_EQ(States(), "32121111");
    // The item's own (empty) subtree still raises the children event; the
    // parent's change fires although computed, not compared.
    EXPECT_EQ(events, (std::vector<std::string>{"video1:1", "children", "video:3"}));
    tree.SetItemState(1, csUnchecked);
    tree.SetItemState(3, csUnchecked);
    EXPECT_EQ(States(), "11111111");  // the last checked one gone: unchecked
}

TEST_F(CheckTreeModelTest, SameStateDoesNothingByIndexButCascadesByNode) {
    tree.SetItemState(1, csUnchecked);
    EXPECT_TRUE(events.empty());
    // SetNodeState with the same state: no change of its own, but the
    // cascade runs and raises events on the others.
    tree.SetNodeState(tree.NodeAt(0), csUnchecked);
    EXPECT_EQ(events, (std::vector<std::string>{"video0:1", "video1:1", "video2:1", "children"}));
}

TEST_F(CheckTreeModelTest, PartialGroupUnchecksItsItemsAndTogglesToChecked) {
    tree.SetItemState(0, csChecked);
    tree.SetItemState(0, csPartiallyChecked);
    EXPECT_EQ(States(), "31111111");
    tree.ToggleNode(tree.NodeAt(0));
    EXPECT_EQ(States(), "22221111");
    tree.ToggleNode(tree.NodeAt(0));
    EXPECT_EQ(States(), "11111111");
    // One partial child makes the parent partial whatever the others are.
    tree.NodeAt(0)->SetStateIndex(csChecked);
    tree.NodeAt(1)->SetStateIndex(csChecked);
    tree.NodeAt(3)->SetStateIndex(csChecked);
    tree.NodeAt(2)->SetStateIndex(csPartiallyChecked);
    tree.UpdateParentStates(tree.NodeAt(2));
    EXPECT_EQ(tree.GetItemState(0), csPartiallyChecked);
    // csUnknown children count as neither; all unknown gives unchecked. An
    // unknown node does not toggle.
    for (int i = 1; i <= 3; ++i) tree.NodeAt(i)->SetStateIndex(csUnknown);
    tree.UpdateParentStates(tree.NodeAt(1));
    EXPECT_EQ(tree.GetItemState(0), csUnchecked);
    events.clear();
    tree.ToggleNode(tree.NodeAt(1));
    EXPECT_TRUE(events.empty());
}

TEST_F(CheckTreeModelTest, RefusedChangeKeepsTheStateAndStillCascadesFromIt) {
    refuse = "video";
    tree.SetItemState(0, csChecked);
    // The group stays unchecked, so its items are unchecked again.
    EXPECT_EQ(States(), "11111111");
    EXPECT_EQ(events, (std::vector<std::string>{"video:2?", "video0:1", "video1:1", "video2:1", "children"}));
    // Refusing a parent does not stop the walk upward: the root beyond it
    // is still re-evaluated.
    events.clear();
    Node* deep = tree.AddChild(tree.NodeAt(1), "deep");
    deep->SetStateIndex(csUnchecked);
    tree.SetNodeState(deep, csChecked);
    EXPECT_EQ(events, (std::vector<std::string>{"deep:2", "children", "video0:2", "video:3?"}));
    refuse.clear();
    tree.SetCascadeChecks(false);
    events.clear();
    tree.SetItemState(0, csChecked);
    EXPECT_EQ(events, (std::vector<std::string>{"video:2"}));
}

TEST(CheckTreeModel, NodeWithoutStateReadsBackAs255) {
    TCheckModelTree tree;
    tree.AddChild(tree.AddChild(nullptr, "g"), "i");
    EXPECT_EQ(tree.GetItemState(1), 255);
    EXPECT_EQ(tree.GetItemState(2), 0);  // outside the tree
    tree.SetItemState(7, csChecked);      // ignored
    tree.SetItemState(1, csChecked);
    EXPECT_EQ(tree.GetItemState(0), csChecked);
}

}  // namespace
}  // namespace vd
