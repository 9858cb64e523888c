// TXPComboBox: the native combo box drawn flat. A one-pixel border in
// ColorBorder with two rings of Color inside hides the native 3-D edge; a
// narrow arrow button (ColorArrowBackground framed in ColorBorder, the
// triangle in ColorArrow, pointing up while the list is dropped down, grey
// with a white shadow when disabled) replaces the native one. The closed,
// focused field shows a highlight frame and the strip between the native
// text area and the narrower button in the highlight colour.
#pragma once
#include "controls/model/color_shift.h"
#include "toolkit/combo_box.h"

namespace vd {

class TXPComboBox : public TComboBox {
public:
    explicit TXPComboBox(TComponent* owner);

    TColor ColorArrow() const { return colorArrow_; }
    void SetColorArrow(TColor c);
    TColor ColorArrowBackground() const { return colorArrowBackground_; }
    void SetColorArrowBackground(TColor c);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);
    // While set, ColorBorder and ColorArrowBackground are derived from the
    // parent's colour, darker by AdvColorBorder and AdvColorArrowBackground.
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool v);
    TAdvColors AdvColorBorder() const { return advColorBorder_; }
    void SetAdvColorBorder(TAdvColors n);
    TAdvColors AdvColorArrowBackground() const { return advColorArrowBackground_; }
    void SetAdvColorArrowBackground(TAdvColors n);

    // Dropped down, or the focus is on the combo or its edit part.
    bool Active() const { return active_; }
    // Whether the arrow points up (the list is dropped down).
    bool ArrowUp() const { return dropped_; }

    void SetParent(TWinControl* parent) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT EditWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CommandNotify(unsigned code) override;
    void HandleCreated() override;
    void FontChanged() override;
    void ParentColorChanged() override;

private:
    void Paint(HDC dc, const TRect& update);
    void DrawFrame(TCanvas& canvas);
    void DrawButton(TCanvas& canvas);
    void DrawGapStrip(TCanvas& canvas);
    // Frame and button straight onto the window.
    void RedrawFrame();
    void UpdateActive();
    void SizeInnerEdit();
    void CalcAdvColors();
    TRect ButtonRect();

    TColor colorArrow_ = 6247705;
    TColor colorArrowBackground_ = 15518083;
    TColor colorBorder_ = 15902253;
    bool useAdvColors_ = false;
    TAdvColors advColorBorder_ = 50;
    TAdvColors advColorArrowBackground_ = 10;
    int scrollBarWidth_;
    bool active_ = false;
    bool dropped_ = false;
    bool editFocused_ = false;
};

}  // namespace vd
