// Style names of the slideshow: style 0 is "Custom" (drawn by the control's
// custom-draw event), styles 1..171 are the rows of the effect table.
#pragma once
#include <functional>
#include <string>

namespace vd {

constexpr int kSlideshowCustomStyle = 0;
constexpr int kSlideshowLastStyle = 171;

// "Custom" for style 0, the table name for 1..171, "" for anything else.
std::string SlideshowStyleName(int style);

// How the platform compares text typed by a user (letter case ignored).
using TTextEquals = std::function<bool(const std::string& a, const std::string& b)>;

// The style a name selects: "Custom" first (0), then the table entries 1 to
// 171 in order, the first match winning (so the two rows that repeat an
// earlier name are never found); -1 for an unknown name. Without `equals`,
// ASCII letters are compared without regard to case.
int SlideshowStyleByName(const std::string& name, const TTextEquals& equals = nullptr);

}  // namespace vd
