// Windowed controls: a control with its own window (created on demand, W
// APIs), children of both kinds, alignment of the children, focus and tab
// order, keyboard events, and the paint pipeline: a paint composes the
// update rectangle off-screen (background, the control's own Paint, then its
// visible graphic children in order) and copies it to the screen in one
// step. The window procedure catches every exception and hands it to the
// application's handler.
//
// Native controls (edit, combo box, tree view) are windows of a system class
// that we subclass: CreateParams names the class, messages we do not handle
// go to the original window procedure, and the parent reflects WM_COMMAND,
// WM_NOTIFY and WM_CTLCOLOR* back to the child that sent them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/control.h"

namespace vd {

struct TCreateParams {
    std::wstring ClassName;  // our window class, or the system class to subclass
    bool SystemClass = false;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }

    // --- Window handle ---
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Finds the control that owns a window of ours.
    static TWinControl* FromHandle(HWND h);
    // The control under a screen point: a graphic control (enabled or not)
    // or the windowed control; nullptr over windows that are not ours.
    static TControl* FindControlAt(TPoint screen);

    // --- Children ---
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_[index]; }
    bool ContainsControl(const TControl* c) const;
    // The topmost visible child at a client point (nullptr: none).
    TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;
    // Lays out the aligned children in the client area (top, bottom, left,
    // right, then client), and moves anchored children on resize.
    void Realign();
    void DisableAlign() { ++alignLock_; }
    void EnableAlign();

    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientSize(int width, int height);

    // --- Focus ---
    bool Focused() const override;
    bool CanFocus() const override;
    // Focuses the window itself (no graphic child).
    void SetFocus() override;
    // The graphic child that holds the focus through this window (nullptr:
    // the window itself).
    TControl* FocusedGraphic() const { return focusedGraphic_; }
    // The focused control of this window: its focused graphic child, or it.
    TControl* FocusedControl() { return focusedGraphic_ ? focusedGraphic_ : this; }
    TNotifyEvent OnEnter, OnExit;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // --- Painting ---
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool v) { doubleBuffered_ = v; }
    void Invalidate() override;
    void Update() override;
    // Invalidates part of the client area (a graphic child's bounds).
    void InvalidateArea(const TRect& r);
    // Invalidates part of the client area and has it painted before
    // returning. Any thread may ask: from another thread the request is a
    // message sent to the window, painted by the window's thread while the
    // caller waits (its waits serve sent messages, so this never deadlocks
    // with a window thread waiting for the caller).
    void RedrawArea(const TRect& r);
    // Paints the control and all its children into a canvas with the
    // control's top-left at (x, y).
    void PaintTo(TCanvas& canvas, int x, int y);
    // Paints background, the control itself and its graphic children for the
    // clip rectangle of `canvas` (client coordinates).
    void PaintContent(TCanvas& canvas);

    // Offers the character to the children in order.
    bool DialogChar(char32_t ch) override;

    void SetVisible(bool v) override;
    void SetEnabled(bool v) override;
    void SetCaption(const std::string& s) override;
    std::string Caption() const override;
    void SetParent(TWinControl* parent) override;

    // The message handler; call DefaultHandler for default processing.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    friend class TControl;

    virtual void CreateParams(TCreateParams& params);
    // Creates the window, then the windows of the windowed children.
    virtual void CreateHandle();
    virtual void DestroyHandle();
    // After the window exists (font sent, text set).
    virtual void HandleCreated() {}

    // Fills the background of `r` with Color unless csOpaque.
    virtual void PaintBackground(TCanvas& canvas, const TRect& r);
    // Paints the visible graphic children that meet `clip`.
    void PaintControls(TCanvas& canvas, const TRect& clip);
    // The area the aligned children share (the client rectangle by default).
    virtual TRect AlignRect() const { return ClientRect(); }

    // A message that a child sent to its parent (WM_COMMAND, WM_NOTIFY,
    // WM_CTLCOLOR*), reflected back; set handled to stop default processing.
    virtual LRESULT ReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);

    void ApplyBounds(int left, int top, int width, int height) override;
    void Resize() override;
    void FontChanged() override;
    void ColorChanged() override { Invalidate(); }
    void TextChanged() override;
    virtual void DoEnter();
    virtual void DoExit();
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);

private:
    static LRESULT CALLBACK StaticWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
    void Attach(HWND h);
    void Detach();
    void PaintHandler();
    void PaintDC(HDC dc);
    LRESULT MouseMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void SyncBoundsFromWindow();
    // Gives the focus to a graphic child (nullptr: to the window itself).
    void FocusGraphic(TControl* child);
    // A focused graphic child that is hidden, disabled or removed lets go.
    void GraphicCannotFocus(TControl* child);
    // WM_CHANGEUISTATE and WM_UPDATEUISTATE.
    LRESULT ChangeUIState(WPARAM wParam);
    LRESULT UpdateUIState(UINT msg, WPARAM wParam, LPARAM lParam);
    void AdjustAnchors(int dw, int dh);

    HWND handle_ = nullptr;
    WNDPROC originalProc_ = nullptr;  // subclassed system window
    std::vector<TControl*> controls_;
    std::vector<TControl*> tabList_;  // every child, in tab order
    TControl* focusedGraphic_ = nullptr;
    WORD uiState_ = 0;  // UISF_HIDEFOCUS, UISF_HIDEACCEL
    TControl* captureControl_ = nullptr;
    TControl* hoverControl_ = nullptr;
    bool trackingLeave_ = false;
    bool doubleBuffered_ = true;
    int alignLock_ = 0;
    bool aligning_ = false;
    bool alignPending_ = false;
    int lastClientW_ = -1, lastClientH_ = -1;
};

// The shift state of a mouse message's key flags (MK_*), with the Alt key
// as it is now.
TShiftState ShiftFromKeys(WPARAM keys);

// A windowed control that paints itself on its canvas in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
};

}  // namespace vd
