#include "installer/rules/file_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vd {
namespace {

std::vector<std::string> Extensions(const std::vector<TTypeState>& states, TTypeState wanted) {
    std::vector<std::string> out;
    for (int i = 0; i < kFileTypeNodeCount; ++i)
        if (kFileTypeTree[i].parent >= 0 && states[i] == wanted) out.push_back(ExtractExtension(kFileTypeTree[i].text));
    return out;
}

TEST(FileTypeTree, NineGroupsEachFollowedByItsTypes) {
    int groups = 0, types = 0, lastGroup = -1;
    for (int i = 0; i < kFileTypeNodeCount; ++i) {
        if (kFileTypeTree[i].parent < 0) {
            ++groups;
            lastGroup = i;
        } else {
            ++types;
            EXPECT_EQ(kFileTypeTree[i].parent, lastGroup) << i;
        }
    }
    EXPECT_EQ(groups, 9);
    EXPECT_EQ(types, 35);
    EXPECT_STREQ(kFileTypeTree[6].text, ".tp -  HDTV 影片");
    EXPECT_STREQ(kFileTypeTree[43].text, ".vp7 - VP7 影片");
}

TEST(ExtractExtension, TextBeforeTheFirstHyphenTrimmed) {
    EXPECT_EQ(ExtractExtension(".tp -  HDTV 影片"), ".tp");
    EXPECT_EQ(ExtractExtension(".vob - MPEG-2 影片"), ".vob");
    EXPECT_EQ(ExtractExtension(".3gp2"), ".3gp2");
    EXPECT_EQ(ExtractExtension("  MPEG/DVD/VCD "), "MPEG/DVD/VCD");
    EXPECT_EQ(ExtractExtension("-x"), "");
}

TEST(RecommendedSet, SubstringRuleChecksTwentySixTypes) {
    EXPECT_FALSE(IsRecommendedType(".3gpp"));
    EXPECT_FALSE(IsRecommendedType(".3g2"));
    EXPECT_TRUE(IsRecommendedType(".3gp"));
    EXPECT_FALSE(IsRecommendedType(".AVI"));  // case-sensitive
    EXPECT_FALSE(IsRecommendedType(""));

    std::vector<TTypeState> preset = PresetStates(amRecommended);
    ASSERT_EQ(preset.size(), 44u);
    EXPECT_EQ(Extensions(preset, tsChecked).size(), 26u);
    EXPECT_EQ(Extensions(preset, tsUnchecked),
              (std::vector<std::string>{".ogm", ".3gpp", ".3g2", ".ape", ".ogg", ".amr", ".vob", ".d2v", ".pmp"}));
    for (int i = 0; i < kFileTypeNodeCount; ++i) {
        if (kFileTypeTree[i].parent < 0) {
            EXPECT_EQ(preset[i], tsUnchecked) << i;  // groups are set first
        }
    }

    std::vector<TTypeState> settled = SettleGroupStates(preset);
    std::set<std::string> full, partial;
    for (int i = 0; i < kFileTypeNodeCount; ++i) {
        if (kFileTypeTree[i].parent >= 0) continue;
        if (settled[i] == tsChecked) full.insert(kFileTypeTree[i].text);
        if (settled[i] == tsPartial) partial.insert(kFileTypeTree[i].text);
    }
    EXPECT_EQ(full, (std::set<std::string>{"高清视频", "Windows 媒体文件", "Real 媒体文件"}));
    EXPECT_EQ(partial.size(), 6u);
}

TEST(RecommendedSet, AllAndNonePresets) {
    for (TTypeState s : PresetStates(amAll)) EXPECT_EQ(s, tsChecked);
    for (TTypeState s : PresetStates(amNone)) EXPECT_EQ(s, tsUnchecked);
    EXPECT_EQ(SettleGroupStates(PresetStates(amAll)), PresetStates(amAll));
}

TEST(IconRule, EveryFileTypeGetsAnInstalledIcon) {
    const std::set<std::string> installed = {"audio", "avi", "cd", "dvd", "mkv", "mp4", "mpg",
                                             "quicktime", "real", "swf", "wmv"};
    for (const TTypeChoice& c : FileTypeChoices(PresetStates(amNone))) {
        if (c.hasChildren) continue;
        std::string icon = IconValueFor(c.groupText, ExtractExtension(c.text));
        ASSERT_EQ(icon.rfind("Ico\\", 0), 0u) << c.text;
        ASSERT_EQ(icon.substr(icon.size() - 4), ".ico");
        EXPECT_TRUE(installed.count(icon.substr(4, icon.size() - 8))) << icon;
    }
    // Specific rows come before a group's catch-all.
    EXPECT_EQ(IconValueFor("常规音频格式", ".cda"), "Ico\\cd.ico");
    EXPECT_EQ(IconValueFor("其它视频格式", ".flv"), "Ico\\swf.ico");
    // The video groups of the tree take the two video rows.
    EXPECT_EQ(IconValueFor("常规视频", ".avi"), "Ico\\avi.ico");
    EXPECT_EQ(IconValueFor("高清视频", ".mkv"), "Ico\\mkv.ico");
    EXPECT_EQ(IconValueFor("高清视频", ".ts"), "Ico\\mpg.ico");
    EXPECT_EQ(IconValueFor("手机媒体", ".mp4"), "Ico\\mp4.ico");
    EXPECT_EQ(IconValueFor("MPEG/DVD/VCD", ".vob"), "Ico\\dvd.ico");
    EXPECT_EQ(IconValueFor("MPEG/DVD/VCD", ".mpg"), "Ico\\mpg.ico");
    EXPECT_EQ(IconValueFor("未知", ".avi"), "");
}

TEST(PlanAssociations, IndexOrderLaterMpgWinsPartialAndGroupsSkipped) {
    std::vector<TTypeState> states = PresetStates(amNone);
    states[2] = tsChecked;    // .mpg under 常规视频
    states[34] = tsUnchecked; // .mpg under MPEG/DVD/VCD
    states[5] = tsPartial;    // not a state a file type should have: nothing happens
    states[0] = tsChecked;    // a group: never a step itself
    std::vector<TAssociationStep> steps = PlanAssociations(FileTypeChoices(states));
    ASSERT_EQ(steps.size(), 34u);
    std::vector<TAssociationStep> mpg;
    for (const TAssociationStep& s : steps)
        if (s.extension == ".mpg") mpg.push_back(s);
    ASSERT_EQ(mpg.size(), 2u);
    EXPECT_EQ(mpg[0].op, TAssociationOp::aoRegister);
    EXPECT_EQ(mpg[1].op, TAssociationOp::aoUnregister);  // the later call decides
    EXPECT_EQ(mpg[0].progId, "ZarIrovid.mpg");
    EXPECT_EQ(mpg[0].description, "常规视频");
    EXPECT_EQ(mpg[0].iconValue, "Ico\\mpg.ico");
    EXPECT_TRUE(std::none_of(steps.begin(), steps.end(), [](const TAssociationStep& s) { return s.extension == ".mkv"; }));
}

}  // namespace
}  // namespace vd
