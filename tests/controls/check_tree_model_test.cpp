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

// The wizard's association tree, set in index order by the recommended
// rule: each file type by the rule, each group from its children.
TEST(CheckTreeModel, WizardTreeGetsTheRecommendedStatesInIndexOrder) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> groups = {
        {"常规视频", {".avi - AVI 影视剪辑", ".mpg - MPEG 媒体", ".ogm - Ogg 媒体文件"}},
        {"高清视频", {".mkv - Matroska 高清视频", ".tp -  HDTV 影片", ".ts -  HDTV 影片"}},
        {"手机媒体", {".mp4 - MPEG4 媒体文件", ".3gp", ".3gpp", ".3g2", ".3gp2"}},
        {"常规音频格式", {".cda - 音频CD", ".wav - Windows常规音频", ".mp3 - MP3 音频", ".ape - 无损音频",
                          ".ogg - Ogg Vorbis 音频"}},
        {"Windows 媒体文件", {".asf - Windows 媒体文件", ".wmv - Windows 媒体文件", ".wma - Windows 音频文件"}},
        {"Real 媒体文件", {".ra - Real 音频文件", ".rm - Real 媒体文件", ".rmvb - Real 媒体文件"}},
        {"QuickTime 影片", {".mov", ".amr", ".qt"}},
        {"MPEG/DVD/VCD", {".dat - VCD 媒体", ".mpg - MPEG 媒体", ".mpeg - MPEG 媒体", ".vob - MPEG-2 影片"}},
        {"其它视频格式", {".d2v - DVD2AVI 工程文件", ".divx - Divx Player 媒体", ".flv - FlashVideo 媒体",
                          ".pmp - PMP 移动媒体", ".vp6 - VP6 影片", ".vp7 - VP7 影片"}},
    };
    TCheckModelTree tree;
    for (auto& g : groups) {
        Node* group = tree.AddChild(nullptr, g.first);
        for (auto& item : g.second) tree.AddChild(group, item);
    }
    ASSERT_EQ(tree.NodeCount(), 44);
    const std::string recommended = ".asf.wmv.wma.mov.qt.3gp.3gp2.rm.ra.rmvb.avi.mkv.mp4.dat.mpg.mpeg.ts.tp.divx.flv.vp6.vp7.cda.wav.mp3";
    auto extension = [](const std::string& text) {
        std::string s = text.substr(0, text.find('-'));
        size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
        return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
    };
    for (int i = 0; i < tree.NodeCount(); ++i)
        tree.SetItemState(i, recommended.find(extension(tree.NodeAt(i)->Text())) != std::string::npos ? csChecked
                                                                                                      : csUnchecked);
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
            unchecked += extension(n->Text());
        }
    }
    EXPECT_EQ(checkedTypes, 26);
    EXPECT_EQ(unchecked, ".ogm.3gpp.3g2.ape.ogg.amr.vob.d2v.pmp");
    EXPECT_EQ(groupStates, "323322333");
}

}  // namespace
}  // namespace vd
