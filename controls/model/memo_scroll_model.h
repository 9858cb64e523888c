// The rules that keep the colour memo and its scroll bar in step, without a
// window: how many lines the text has, the bar's range from the line height,
// which end of a selection is the caret, and where the bar goes so that the
// caret's line shows.
#pragma once

namespace vd {

// The memo's line count: the edit's count of (wrapped) lines, one fewer when
// its last line is empty, and one more when the text ends with a line break
// (so an empty text has no line and "a\r\n" has two).
int MemoLineCount(int editLineCount, int lastLineLength, bool endsWithLineBreak);

struct TMemoScrollRange {
    int Visible = 0;       // whole lines the memo shows
    bool Enabled = false;  // the bar is enabled (the text overflows)
    int Max = 0;           // lines - Visible, when Enabled
};
// Visible = (clientHeight - 3) div lineHeight; the bar is enabled with
// Max = lines - Visible when the lines do not all show.
TMemoScrollRange MemoScrollRange(int clientHeight, int lineHeight, int lines);

// The caret's character: the selection start when nothing is selected,
// otherwise whichever end lies nearer to the caret's character. That one is
// known by its low 16 bits only (what the edit's character-from-point answer
// carries), so distances are taken modulo 65536.
int CaretCharOfSelection(int selStart, int selEnd, int caretLow16);

// Brings a caret line into view. `lastShown` is the line handled last time;
// nothing happens while the line stays the same. Returns the bar's new
// position (its current one when it need not move) and updates lastShown.
// The line is clamped to 0..lines - 1; above the bar's position it becomes
// the position; at or below position + (lines - max) the bar moves so that
// it is the last line shown.
int BarPositionForCaretLine(int line, int lines, int position, int max, int& lastShown);

}  // namespace vd
