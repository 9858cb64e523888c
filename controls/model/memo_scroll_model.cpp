#include "controls/model/memo_scroll_model.h"

#include <cstdint>
#include <cstdlib>

namespace vd {

int MemoLineCount(int editLineCount, int lastLineLength, bool endsWithLineBreak) {
    int n = editLineCount;
    if (n > 0 && lastLineLength == 0) --n;
    if (endsWithLineBreak) ++n;
    return n;
}

TMemoScrollRange MemoScrollRange(int clientHeight, int lineHeight, int lines) {
    TMemoScrollRange r;
    if (lineHeight < 1) lineHeight = 1;
    r.Visible = (clientHeight - 3) / lineHeight;  // toward zero, as div
    if (lines > r.Visible) {
        r.Enabled = true;
        r.Max = lines - r.Visible;
    }
    return r;
}

int CaretCharOfSelection(int selStart, int selEnd, int caretLow16) {
    if (selStart == selEnd) return selStart;
    auto distance = [caretLow16](int c) {
        return std::abs(static_cast<int>(static_cast<int16_t>(static_cast<uint16_t>(c - caretLow16))));
    };
    return distance(selStart) <= distance(selEnd) ? selStart : selEnd;
}

int BarPositionForCaretLine(int line, int lines, int position, int max, int& lastShown) {
    if (line > lines - 1) line = lines - 1;
    if (line < 0) line = 0;
    if (line == lastShown) return position;
    lastShown = line;
    const int visible = lines - max;
    if (line < position) return line;
    if (line >= position + visible) return line - visible + 1;
    return position;
}

}  // namespace vd
