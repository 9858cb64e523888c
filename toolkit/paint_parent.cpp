#include "toolkit/paint_parent.h"

#include "toolkit/win_control.h"

namespace vd {

void PaintParentBehind(TControl& control, TCanvas& canvas) {
    TWinControl* parent = control.Parent();
    if (!parent || !canvas.Handle()) return;
    // A graphic control is one of the parent's painted children: guard
    // against painting it again from inside its own Paint.
    static thread_local const TControl* painting = nullptr;
    if (painting == &control) return;
    const TControl* outer = painting;
    painting = &control;
    int saved = canvas.SaveState();
    try {
        canvas.MoveOrigin(-control.Left(), -control.Top());
        canvas.IntersectClip(parent->ClientRect());
        parent->PaintContent(canvas);
    } catch (...) {
        canvas.RestoreState(saved);
        painting = outer;
        throw;
    }
    canvas.RestoreState(saved);
    painting = outer;
}

}  // namespace vd
