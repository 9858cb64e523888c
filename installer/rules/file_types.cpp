#include "installer/rules/file_types.h"

#include "core/text.h"

namespace vd {
namespace {

struct TIconRow {
    const char* group;
    const char* extension;  // nullptr: any extension
    const char* icon;
};

// First matching row wins; rows of one group run from the specific
// extensions to the catch-all.
const TIconRow kIconRows[] = {
    {"Windows 媒体文件", nullptr, "Ico\\wmv.ico"},
    {"QuickTime 影片", nullptr, "Ico\\quicktime.ico"},
    {"Real 媒体文件", nullptr, "Ico\\real.ico"},
    {"其它视频格式", ".d2v", "Ico\\dvd.ico"},
    {"其它视频格式", ".divx", "Ico\\avi.ico"},
    {"其它视频格式", ".flv", "Ico\\swf.ico"},
    {"其它视频格式", nullptr, "Ico\\mpg.ico"},
    {"常规音频格式", ".cda", "Ico\\cd.ico"},
    {"常规音频格式", nullptr, "Ico\\audio.ico"},
    {"常规视频，DVDRip，MPEG-4", ".avi", "Ico\\avi.ico"},
    {"常规视频，DVDRip，MPEG-4", ".mp4", "Ico\\mp4.ico"},
    {"常规视频，DVDRip，MPEG-4", ".mkv", "Ico\\mkv.ico"},
    {"常规视频，DVDRip，MPEG-4", nullptr, "Ico\\mpg.ico"},
    {"MPEG,HDTV/DVD/VCD 媒体", ".vob", "Ico\\dvd.ico"},
    {"MPEG,HDTV/DVD/VCD 媒体", nullptr, "Ico\\mpg.ico"},
};

// The video groups of the tree take their icons from the two video rows.
std::string_view IconGroupOf(std::string_view group) {
    if (group == "常规视频" || group == "高清视频" || group == "手机媒体") return "常规视频，DVDRip，MPEG-4";
    if (group == "MPEG/DVD/VCD") return "MPEG,HDTV/DVD/VCD 媒体";
    return group;
}

}  // namespace

std::string ExtractExtension(std::string_view itemText) {
    size_t hyphen = itemText.find('-');
    return Trim(hyphen == std::string_view::npos ? itemText : itemText.substr(0, hyphen));
}

bool IsRecommendedType(std::string_view extension) {
    return !extension.empty() && std::string_view(kRecommendedTypes).find(extension) != std::string_view::npos;
}

std::string ProgIdFor(std::string_view extension) { return kProgIdPrefix + std::string(extension); }

std::string IconValueFor(std::string_view groupText, std::string_view extension) {
    std::string_view group = IconGroupOf(groupText);
    for (const TIconRow& row : kIconRows)
        if (group == row.group && (!row.extension || extension == row.extension)) return row.icon;
    return std::string();
}

std::vector<TTypeState> PresetStates(TAssociationMode mode) {
    std::vector<TTypeState> states;
    for (const TFileTypeNode& node : kFileTypeTree) {
        bool checked = mode == amAll || (mode == amRecommended && IsRecommendedType(ExtractExtension(node.text)));
        states.push_back(checked ? tsChecked : tsUnchecked);
    }
    return states;
}

std::vector<TTypeState> SettleGroupStates(std::vector<TTypeState> states) {
    for (int g = 0; g < kFileTypeNodeCount && g < static_cast<int>(states.size()); ++g) {
        if (kFileTypeTree[g].parent >= 0) continue;
        bool any = false, all = true;
        for (int c = g + 1; c < kFileTypeNodeCount && kFileTypeTree[c].parent == g; ++c) {
            bool checked = c < static_cast<int>(states.size()) && states[c] == tsChecked;
            any = any || checked;
            all = all && checked;
        }
        states[g] = all && any ? tsChecked : any ? tsPartial : tsUnchecked;
    }
    return states;
}

std::vector<TTypeChoice> FileTypeChoices(const std::vector<TTypeState>& states) {
    std::vector<TTypeChoice> nodes;
    for (int i = 0; i < kFileTypeNodeCount; ++i) {
        const TFileTypeNode& node = kFileTypeTree[i];
        TTypeChoice c;
        c.text = node.text;
        if (node.parent >= 0) c.groupText = kFileTypeTree[node.parent].text;
        c.hasChildren = node.parent < 0;
        c.state = i < static_cast<int>(states.size()) ? states[i] : tsUnchecked;
        nodes.push_back(c);
    }
    return nodes;
}

std::vector<TAssociationStep> PlanAssociations(const std::vector<TTypeChoice>& nodes) {
    std::vector<TAssociationStep> steps;
    for (const TTypeChoice& node : nodes) {
        if (node.hasChildren || (node.state != tsChecked && node.state != tsUnchecked)) continue;
        TAssociationStep s;
        s.op = node.state == tsChecked ? TAssociationOp::aoRegister : TAssociationOp::aoUnregister;
        s.extension = ExtractExtension(node.text);
        s.progId = ProgIdFor(s.extension);
        s.iconValue = IconValueFor(node.groupText, s.extension);
        s.description = node.groupText;
        steps.push_back(s);
    }
    return steps;
}

}  // namespace vd
