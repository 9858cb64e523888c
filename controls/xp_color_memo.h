// TXPColorMemo: the toolkit's memo without native scroll bars, framed by a
// one-pixel border in BorderColor, with one vertical TXPScrollBar as a child
// along its right edge that follows the memo's scroll position and caret
// line (the rules are in controls/model/memo_scroll_model.h).
//
// Set the stored properties, then call Loaded(), as loading a form does.
#pragma once
#include <functional>
#include <string>

#include "controls/xp_scroll_bar.h"
#include "toolkit/edit.h"
#include "toolkit/timer.h"

namespace vd {

// Raised before the frame is drawn; setting cont to false leaves it out.
using TXPPaintEvent = std::function<void(TObject* sender, bool& cont)>;

// The colours of the memo's scroll bar, read and written straight through.
class TXPColorMemoScrollBarProperty {
public:
    explicit TXPColorMemoScrollBarProperty(TXPCustomScrollBar* bar) : bar_(bar) {}
    TColor BarColor() const { return bar_->BarColor(); }
    void SetBarColor(TColor c) { bar_->SetBarColor(c); }
    TColor ArrowColor() const { return bar_->ArrowColor(); }
    void SetArrowColor(TColor c) { bar_->SetArrowColor(c); }
    TColor Color() const { return bar_->Color(); }
    void SetColor(TColor c) { bar_->SetColor(c); }
    TColor BorderColor() const { return bar_->BorderColor(); }
    void SetBorderColor(TColor c) { bar_->SetBorderColor(c); }

private:
    TXPCustomScrollBar* bar_;
};

class TXPCustomMemo : public TMemo {
public:
    // The private message that makes the memo bring its caret line into view.
    static constexpr UINT kCaretLineMessage = 2024;
    static constexpr int kBarWidth = 16;

    explicit TXPCustomMemo(TComponent* owner);
    ~TXPCustomMemo() override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor c);
    TXPColorMemoScrollBarProperty& VertScrollBar() { return vertScrollBar_; }
    // The bar itself (owned by the memo, a child of it).
    TXPScrollBar& ScrollBar() { return *bar_; }
    // Free text, only stored.
    const std::string& CustomProperty() const { return customProperty_; }
    void SetCustomProperty(const std::string& s) { customProperty_ = s; }

    // After the stored properties are set: the bar's buttons 18 long, the
    // range from the text, the first line in view and the caret at the start.
    virtual void Loaded();

    // Lines of the text as the range counts them, and the whole lines shown.
    int TextLineCount();
    int VisibleLines() const { return visible_; }
    // The memo or its bar has the focus.
    bool Focused() const override;

    TXPPaintEvent OnPaint;
    TXPScrollBarPaintEvent OnPaintScrollBar;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CreateParams(TCreateParams& params) override;
    DWORD EditStyle() const override;
    void HandleCreated() override;
    void Change() override;
    void FontChanged() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void SetTextRect();
    void UpdateScrollRange();
    int LineHeight();
    // The line of the caret character (selection rules in the model).
    int CaretLine();
    void BringLineIntoView(int line);
    void PostCaretLine();
    // Raises OnPaint: whether the frame is to be drawn.
    bool FrameWanted();
    // Unless OnPaint refuses, draws the frame and repaints the bar.
    void PaintFrame();
    void DrawFrame(HDC dc);
    void BarPaint(TObject* sender, bool& cont, TXPScrollbarArea area);

    TXPScrollBar* bar_;
    TXPColorMemoScrollBarProperty vertScrollBar_;
    TCanvas frameCanvas_;  // draws the frame, measures the line height
    TColor borderColor_ = 15902253;
    std::string customProperty_;
    int lastShownLine_ = -1;
    int visible_ = 0;
    TTimer* selectionTimer_;
    bool leftDown_ = false;
    bool mouseInside_ = false;
};

class TXPColorMemo : public TXPCustomMemo {
public:
    explicit TXPColorMemo(TComponent* owner) : TXPCustomMemo(owner) {}
};

}  // namespace vd
