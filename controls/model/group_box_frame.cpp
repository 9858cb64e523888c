#include "controls/model/group_box_frame.h"

namespace vd {

std::vector<TFramePolyline> GroupBoxFrameLines(TGroupBoxBorder border, bool topLineFull, bool hasCaption,
                                               const TBox& client, int tw, int th) {
    const int l = client.Left, r = client.Right, b = client.Bottom;
    const int y = client.Top + th / 2;
    const int gapEnd = l + tw + 12;
    if (border == brFull) {
        if (hasCaption) return {{{l + 5, y}, {l, y}, {l, b - 1}, {r - 1, b - 1}, {r - 1, y}, {gapEnd, y}}};
        return {{{l, y}, {l, b - 1}, {r - 1, b - 1}, {r - 1, y}, {l, y}}};
    }
    if (!hasCaption) return {{{l, y}, {r - 1, y}}};
    std::vector<TFramePolyline> lines{{{r - 1, y}, {gapEnd, y}}};
    if (topLineFull) lines.push_back({{l + 5, y}, {l, y}});
    return lines;
}

TBox GroupBoxCaptionRect(const TBox& client, int th) {
    return TBox{client.Left + 10, client.Top, client.Right - 10, client.Top + th};
}

}  // namespace vd
