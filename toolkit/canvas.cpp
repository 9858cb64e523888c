#include "toolkit/canvas.h"

#include <vector>

#include "core/wide.h"
#include "toolkit/graphic.h"

namespace vd {
namespace {

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

TCanvas::TCanvas() {
    pen_.OnReleasing = [this](TObject*) {
        if (dc_) SelectObject(dc_, oldPen_);
    };
    brush_.OnReleasing = [this](TObject*) {
        if (dc_) SelectObject(dc_, oldBrush_);
    };
    font_.OnReleasing = [this](TObject*) {
        if (dc_) SelectObject(dc_, oldFont_);
    };
}

TCanvas::~TCanvas() {
    ReleaseDC();
    pen_.OnReleasing = nullptr;
    brush_.OnReleasing = nullptr;
    font_.OnReleasing = nullptr;
}

HDC TCanvas::Handle() {
    if (!dc_) CreateHandle();
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    ReleaseDC();
    dc_ = dc;
    if (dc_) {
        oldPen_ = GetCurrentObject(dc_, OBJ_PEN);
        oldBrush_ = GetCurrentObject(dc_, OBJ_BRUSH);
        oldFont_ = GetCurrentObject(dc_, OBJ_FONT);
        SetStretchBltMode(dc_, stretchMode_);
    }
}

void TCanvas::ReleaseDC() {
    if (!dc_) return;
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    SelectObject(dc_, oldFont_);
    dc_ = nullptr;
}

void TCanvas::Prepare() {
    HDC dc = Handle();
    if (!dc) return;
    SelectObject(dc, pen_.Handle());
    SelectObject(dc, brush_.Handle());
    SelectObject(dc, font_.Handle());
    SetTextColor(dc, ColorToRGB(font_.Color()));
    if (brush_.Style() == TBrushStyle::bsClear) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(brush_.Color()));
    }
}

void TCanvas::MoveTo(int x, int y) {
    Prepare();
    MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    Prepare();
    ::LineTo(dc_, x, y);
    Changed();
}

TPoint TCanvas::PenPos() {
    POINT p{};
    if (Handle()) GetCurrentPositionEx(dc_, &p);
    return {p.x, p.y};
}

void TCanvas::Polyline(const TPoint* points, int count) {
    Prepare();
    std::vector<POINT> pts(count);
    for (int i = 0; i < count; ++i) pts[i] = POINT{points[i].X, points[i].Y};
    ::Polyline(dc_, pts.data(), count);
    Changed();
}

void TCanvas::Polygon(const TPoint* points, int count) {
    Prepare();
    std::vector<POINT> pts(count);
    for (int i = 0; i < count; ++i) pts[i] = POINT{points[i].X, points[i].Y};
    ::Polygon(dc_, pts.data(), count);
    Changed();
}

void TCanvas::Rectangle(const TRect& r) {
    Prepare();
    ::Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
    Changed();
}

void TCanvas::Ellipse(const TRect& r) {
    Prepare();
    ::Ellipse(dc_, r.Left, r.Top, r.Right, r.Bottom);
    Changed();
}

void TCanvas::RoundRect(const TRect& r, int ew, int eh) {
    Prepare();
    ::RoundRect(dc_, r.Left, r.Top, r.Right, r.Bottom, ew, eh);
    Changed();
}

void TCanvas::FillRect(const TRect& r) {
    Prepare();
    RECT rc = ToRECT(r);
    ::FillRect(dc_, &rc, brush_.Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& r) {
    Prepare();
    RECT rc = ToRECT(r);
    HBRUSH b = CreateSolidBrush(ColorToRGB(brush_.Color()));
    ::FrameRect(dc_, &rc, b);
    DeleteObject(b);
    Changed();
}

void TCanvas::Frame3D(TRect& r, TColor topLeft, TColor bottomRight, int width) {
    Prepare();
    HBRUSH tl = CreateSolidBrush(ColorToRGB(topLeft));
    HBRUSH br = CreateSolidBrush(ColorToRGB(bottomRight));
    for (int i = 0; i < width; ++i) {
        if (r.IsEmpty()) break;
        RECT top{r.Left, r.Top, r.Right - 1, r.Top + 1};
        RECT left{r.Left, r.Top, r.Left + 1, r.Bottom - 1};
        RECT bottom{r.Left, r.Bottom - 1, r.Right, r.Bottom};
        RECT right{r.Right - 1, r.Top, r.Right, r.Bottom};
        ::FillRect(dc_, &top, tl);
        ::FillRect(dc_, &left, tl);
        ::FillRect(dc_, &bottom, br);
        ::FillRect(dc_, &right, br);
        r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    DeleteObject(tl);
    DeleteObject(br);
    Changed();
}

TColor TCanvas::Pixel(int x, int y) {
    if (!Handle()) return clNone;
    COLORREF c = GetPixel(dc_, x, y);
    return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixel(int x, int y, TColor c) {
    if (!Handle()) return;
    ::SetPixelV(dc_, x, y, ColorToRGB(c));
    Changed();
}

TPoint TCanvas::TextExtent(const std::string& text) {
    Prepare();
    std::wstring w = Wide(text);
    SIZE sz{};
    if (dc_) GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &sz);
    return {sz.cx, sz.cy};
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Prepare();
    std::wstring w = Wide(text);
    ::TextOutW(dc_, x, y, w.c_str(), static_cast<int>(w.size()));
    Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    Prepare();
    std::wstring w = Wide(text);
    RECT rc = ToRECT(r);
    UINT opts = ETO_CLIPPED;
    if (brush_.Style() != TBrushStyle::bsClear) opts |= ETO_OPAQUE;
    ExtTextOutW(dc_, x, y, opts, &rc, w.c_str(), static_cast<UINT>(w.size()), nullptr);
    Changed();
}

int TCanvas::DrawText(const std::string& text, TRect& r, unsigned flags) {
    Prepare();
    std::wstring w = Wide(text);
    RECT rc = ToRECT(r);
    int h = ::DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &rc, flags);
    r = TRect{rc.left, rc.top, rc.right, rc.bottom};
    if (!(flags & DT_CALCRECT)) Changed();
    return h;
}

void TCanvas::DrawFocusRect(const TRect& r) {
    Prepare();
    RECT rc = ToRECT(r);
    // The dotted pattern takes the text and background colours: black and
    // white invert the pixels under it.
    const COLORREF text = SetTextColor(dc_, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &rc);
    SetTextColor(dc_, text);
    SetBkColor(dc_, back);
    Changed();
}

void TCanvas::DottedFrame(const TRect& r, TColor color) {
    if (r.Width() < 1 || r.Height() < 1) return;
    Prepare();
    LOGBRUSH lb{BS_SOLID, ColorToRGB(color), 0};
    HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
    HGDIOBJ old = SelectObject(dc_, pen);
    const POINT p[5] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1},
                        {r.Left, r.Top}};
    ::Polyline(dc_, p, 5);
    SelectObject(dc_, old);
    DeleteObject(pen);
    Changed();
}

TRect TCanvas::ClipRect() {
    RECT rc{};
    if (Handle()) GetClipBox(dc_, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

void TCanvas::IntersectClip(const TRect& r) {
    if (Handle()) IntersectClipRect(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::ExcludeClip(const TRect& r) {
    if (Handle()) ExcludeClipRect(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::SelectClipRegion(HRGN region) {
    if (Handle()) SelectClipRgn(dc_, region);
}

int TCanvas::SaveState() { return Handle() ? SaveDC(dc_) : 0; }

void TCanvas::RestoreState(int token) {
    if (dc_ && token) RestoreDC(dc_, token);
}

void TCanvas::MoveOrigin(int dx, int dy) {
    if (Handle()) OffsetViewportOrgEx(dc_, dx, dy, nullptr);
}

TPoint TCanvas::Origin() {
    POINT p{};
    if (Handle()) GetViewportOrgEx(dc_, &p);
    return {p.x, p.y};
}

void TCanvas::Draw(int x, int y, TGraphic& g) {
    if (g.Empty()) return;
    g.DrawTo(*this, Bounds(x, y, g.Width(), g.Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& r, TGraphic& g) {
    if (g.Empty() || r.IsEmpty()) return;
    g.DrawTo(*this, r);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& s) {
    HDC dc = Handle();
    HDC src = source.Handle();
    if (!dc || !src) return;
    SetStretchBltMode(dc, stretchMode_);
    if (dest.Width() == s.Width() && dest.Height() == s.Height())
        BitBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, s.Left, s.Top, SRCCOPY);
    else
        StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, s.Left, s.Top,
                   s.Width(), s.Height(), SRCCOPY);
    Changed();
}

void TCanvas::SetStretchMode(int mode) {
    stretchMode_ = mode;
    if (dc_) SetStretchBltMode(dc_, mode);
}

void TCanvas::Lock() {
    lock_.lock();
    ++lockCount_;
}

void TCanvas::Unlock() {
    --lockCount_;
    lock_.unlock();
}

bool TCanvas::TryLock() {
    if (!lock_.try_lock()) return false;
    ++lockCount_;
    return true;
}

}  // namespace vd
