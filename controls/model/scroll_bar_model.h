// The flat scroll bar without a window: its value rules (Min, Max, Position,
// SmallChange, LargeChange, ButtonWidth, ScrollerWidth), the geometry of its
// five parts and two arrows, and the arithmetic of the repeat steps and of
// dragging the thumb.
//
// Along the bar's length L (width of a horizontal bar, height of a vertical
// one) lie: the first button (B pixels), the track (T = L - 2B) and the
// second button (B pixels). The thumb, ScrollerWidth long, sits in the track
// at round((T - ScrollerWidth) * Position / Max) when it fits.
#pragma once
#include <cstdint>

#include "controls/model/box.h"

namespace vd {

// The five parts of the bar, in the order they are hit-tested and painted.
enum TXPScrollbarArea {
    saBtnArrowDown = 0,  // the button at the top or left end
    saBtnArrowUp = 1,    // the button at the bottom or right end
    saTrackDown = 2,     // track between the first button and the thumb
    saTrackUp = 3,       // track between the thumb and the second button
    saScroller = 4,      // the thumb
    saNone = 5
};
constexpr int kScrollbarAreaCount = 5;

enum TScrollBarKind { sbHorizontal, sbVertical };

// What an OnScroll handler is told.
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

// num / den rounded to the nearest integer, ties to even (den > 0).
int64_t RoundHalfEven(int64_t num, int64_t den);

// The values of a bar and the rules of their setters. Each setter returns
// true when it changed something (the control then recomputes and repaints).
class TScrollBarValues {
public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }
    int ButtonWidth() const { return buttonWidth_; }
    int ScrollerWidth() const { return scrollerWidth_; }

    // Ignored while disabled; clamped to Min..Max.
    bool SetPosition(int v, bool enabled);
    // Ignored when unchanged, negative or below Min; pulls Position down.
    bool SetMax(int v);
    // Ignored when unchanged, negative or above Max.
    bool SetMin(int v);
    // Accepted only when v > 0 and v >= SmallChange.
    bool SetLargeChange(int v);
    // Accepted only when 0 < v < LargeChange.
    bool SetSmallChange(int v);
    // Stored as given; the effective length follows the bar's length.
    bool SetButtonWidth(int v);
    // At least 3.
    bool SetScrollerWidth(int v);

    // The position one repeat step of a held area leads to (Position itself
    // for the thumb and saNone); the arrows stop at Min and Max.
    int RepeatStep(TXPScrollbarArea area) const;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 5;
    int buttonWidth_ = 18;
    int scrollerWidth_ = 15;
};

// The button length actually used: min(buttonWidth, L div 2), 0 when negative.
int EffectiveButtonLength(int buttonWidth, int barLength);

// The filled triangle of one button: `Base` pixels across the bar, `Depth`
// rows along it, the tip toward the bar's end. Row k (0 = the tip) is
// 2k + 1 pixels wide.
struct TScrollArrow {
    TBox Bounds;        // Base x Depth (or Depth x Base) box centred in the button
    bool Vertical = false;
    bool TowardStart = false;  // up or left
    int Base = 0, Depth = 0;
    // The pixels of row k (0 <= k < Depth) as a box one pixel thick.
    TBox Row(int k) const;
};
// Half the side minus one, rounded down, made odd (by going one lower);
// never below 1 for a side of at least 4, 0 below.
int ArrowBase(int side);
int ArrowDepth(int base);

struct TScrollBarLayout {
    TScrollBarKind Kind = sbHorizontal;
    int Length = 0;        // L
    int ButtonLength = 0;  // B
    int TrackLength = 0;   // T
    bool ScrollerFits = false;
    TBox Areas[kScrollbarAreaCount];
    TScrollArrow Arrows[2];  // of saBtnArrowDown, saBtnArrowUp

    const TBox& Area(TXPScrollbarArea a) const { return Areas[a]; }
    // The first area, in area order, that contains the point (saNone).
    TXPScrollbarArea HitTest(int x, int y) const;
    // Where saTrackUp is filled: on a disabled bar it also covers the place
    // of the thumb, which is not drawn.
    TBox TrackUpPaintBox(bool enabled) const;
    // The whole track between the buttons (both track parts and the thumb).
    TBox Track() const;
    // The coordinate along the bar of a point.
    int Along(int x, int y) const { return Kind == sbVertical ? y : x; }
};

TScrollBarLayout LayoutScrollBar(TScrollBarKind kind, int width, int height, const TScrollBarValues& v);

// Start of the thumb inside the track: round((T - S) * position / max), 0
// when max < 1.
int ThumbOffset(int trackLength, int scrollerWidth, int position, int max);

// The position a thumb drag leads to (before clamping): the pointer at
// `along` held `grabOffset` pixels into the thumb gives
// round(max * (along - B - grabOffset) / (L - 2B - S)). `fallback` when the
// thumb has no room to move.
int DragPosition(const TScrollBarLayout& layout, int scrollerWidth, int max, int along, int grabOffset,
                 int fallback);

// The four grip lines of a thumb as segments (end excluded); none when the
// thumb is too short (7 pixels or less along the bar).
struct TGripLines {
    int Count = 0;
    TBox Lines[4];  // each one pixel thick
};
TGripLines ThumbGrips(const TScrollBarLayout& layout);

}  // namespace vd
