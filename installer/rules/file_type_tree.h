// The media file types of the association page: nine groups and thirty-five
// file types in the tree's absolute-index order (a group is followed by its
// children). Plain constant data, so that small programs can share it.
#pragma once

namespace vd {

struct TFileTypeNode {
    const char* text;  // a group name, or an extension optionally followed by " - " and a description
    int parent;        // index of the group node; -1 for a group
};

inline constexpr TFileTypeNode kFileTypeTree[] = {
    {"常规视频", -1},
    {".avi - AVI 影视剪辑", 0},
    {".mpg - MPEG 媒体", 0},
    {".ogm - Ogg 媒体文件", 0},
    {"高清视频", -1},
    {".mkv - Matroska 高清视频", 4},
    {".tp -  HDTV 影片", 4},
    {".ts -  HDTV 影片", 4},
    {"手机媒体", -1},
    {".mp4 - MPEG4 媒体文件", 8},
    {".3gp", 8},
    {".3gpp", 8},
    {".3g2", 8},
    {".3gp2", 8},
    {"常规音频格式", -1},
    {".cda - 音频CD", 14},
    {".wav - Windows常规音频", 14},
    {".mp3 - MP3 音频", 14},
    {".ape - 无损音频", 14},
    {".ogg - Ogg Vorbis 音频", 14},
    {"Windows 媒体文件", -1},
    {".asf - Windows 媒体文件", 20},
    {".wmv - Windows 媒体文件", 20},
    {".wma - Windows 音频文件", 20},
    {"Real 媒体文件", -1},
    {".ra - Real 音频文件", 24},
    {".rm - Real 媒体文件", 24},
    {".rmvb - Real 媒体文件", 24},
    {"QuickTime 影片", -1},
    {".mov", 28},
    {".amr", 28},
    {".qt", 28},
    {"MPEG/DVD/VCD", -1},
    {".dat - VCD 媒体", 32},
    {".mpg - MPEG 媒体", 32},
    {".mpeg - MPEG 媒体", 32},
    {".vob - MPEG-2 影片", 32},
    {"其它视频格式", -1},
    {".d2v - DVD2AVI 工程文件", 37},
    {".divx - Divx Player 媒体", 37},
    {".flv - FlashVideo 媒体", 37},
    {".pmp - PMP 移动媒体", 37},
    {".vp6 - VP6 影片", 37},
    {".vp7 - VP7 影片", 37},
};
inline constexpr int kFileTypeNodeCount = static_cast<int>(sizeof(kFileTypeTree) / sizeof(kFileTypeTree[0]));
static_assert(kFileTypeNodeCount == 9 + 35, "nine groups and thirty-five file types");

// The programmatic identifiers of the player's associations: this prefix and
// the extension ("ZarIrovid.avi").
inline constexpr const char* kProgIdPrefix = "ZarIrovid";

}  // namespace vd
