// The flat check box without a window: where its 11 x 11 box, tick and
// caption go, which fill the box shows, and the hover/press/check state
// machine, including the one hover timer that every check box of the
// process shares (one hot box at a time).
#pragma once
#include <array>
#include <functional>

#include "controls/model/box.h"

namespace vd {

enum TCheckBoxLayout {
    checkboxLeft = 0,  // box left, caption right of it
    checkboxRight = 1  // box right, caption right-aligned left of it
};

// The 11 x 11 box in a W x H client area: (1, 3, 12, 14) on the left,
// (W - 12, 3, W - 1, 14) on the right.
TBox CheckBoxBoxRect(TCheckBoxLayout layout, int width, int height);
// The word-wrapped caption's rectangle: (16, 1, W - 1, H - 1) left-aligned,
// or (1, 1, W - 16, H - 1) right-aligned.
TBox CheckBoxTextRect(TCheckBoxLayout layout, int width, int height);
// The dotted focus rectangle around a caption of tw x th pixels drawn in
// that rectangle: one pixel out from the text, inside the client area.
TBox CheckBoxFocusRect(TCheckBoxLayout layout, int width, int height, int tw, int th);

// A one-pixel line from (X1, Y1) up to but not including (X2, Y2).
struct TLineSegment {
    int X1, Y1, X2, Y2;
};
// The six strokes of the tick in a box whose top-left corner is (l, t).
std::array<TLineSegment, 6> CheckTickSegments(int l, int t);

// Which colour fills the box.
enum class TCheckBoxFill { Color, Down, Focused };

// One check box's state. Every change that alters the box's look calls
// OnRedraw (the box only; the caption does not change with these states).
class TCheckBoxModel {
public:
    bool Checked() const { return checked_; }
    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    bool Focused() const { return focused_; }
    bool Enabled() const { return enabled_; }

    // Color when neither hot nor focused; else Down while pressed; else
    // Focused.
    TCheckBoxFill Fill() const;

    // True when the value changed (the caller raises the click).
    bool SetChecked(bool v);
    // The mouse came over the box: hot when enabled; redraws in any case.
    void BecomeHot();
    // Hot ends only while enabled, hot and not pressed; true when it ended.
    bool LoseHot();
    // Left press on an enabled box: pressed. False when ignored (disabled).
    bool Press();
    // Left release: not pressed any more. True when Checked must toggle (the
    // box is hot, which it stays while pressed, even outside).
    bool Release();
    // The focus arrives / leaves (leaving also ends the hot state).
    void FocusIn();
    void FocusOut();
    // The exit notification: only the focused look ends.
    void ExitNotified();
    // Disabling ends hot and pressed.
    void SetEnabled(bool v);

    std::function<void()> OnRedraw;

private:
    void Redraw() {
        if (OnRedraw) OnRedraw();
    }
    bool checked_ = false, hot_ = false, pressed_ = false, focused_ = false, enabled_ = true;
};

// The hover timer shared by every check box of the process: which box owns
// it (the hot box) and whether it runs. The Win32 layer keeps one of these
// and mirrors TimerRunning onto its real timer after each call.
class TCheckBoxHover {
public:
    const TCheckBoxModel* Owner() const { return owner_; }
    bool TimerRunning() const { return running_; }

    // A mouse move over `box`, which is the control under the cursor and not
    // the owner: the owner loses its hot state; then, when a window of the
    // application is active, `box` takes the timer (stopped and started
    // again) and becomes hot. True when `box` took the timer (the caller
    // binds the timer's tick to it).
    bool MouseOver(TCheckBoxModel& box, bool appActive);
    // A tick: the owner loses its hot state when it is no longer the control
    // under the cursor.
    void Tick(bool ownerUnderCursor);
    // `box` loses its hot state (when it can) and, if it owns the timer, the
    // timer stops and is released.
    void LoseHot(TCheckBoxModel& box);
    // `box` gives up the timer whatever its state (disabled, focus lost,
    // destroyed).
    void Release(const TCheckBoxModel& box);

private:
    TCheckBoxModel* owner_ = nullptr;
    bool running_ = false;
};

}  // namespace vd
