#include "toolkit/graphics.h"

#include "core/text.h"

namespace vd {

COLORREF ColorToRGB(TColor c) {
    if (IsSystemColor(c)) return GetSysColor(SystemColorIndex(c));
    return static_cast<COLORREF>(c) & 0xFFFFFFu;
}

uint32_t LookupSysColor(int index) { return GetSysColor(index); }

void TGraphicsObject::Changed() {
    FreeHandle();
    if (OnChange) OnChange(this);
}

void TGraphicsObject::FreeHandle() {
    if (handle_) {
        if (OnReleasing) OnReleasing(this);
        DeleteObject(handle_);
        handle_ = nullptr;
    }
}

// --- TFont ---

void TFont::Assign(const TFont& f) {
    if (&f == this) return;
    if (name_ == f.name_ && height_ == f.height_ && style_ == f.style_ && color_ == f.color_ &&
        charset_ == f.charset_)
        return;
    name_ = f.name_;
    height_ = f.height_;
    style_ = f.style_;
    color_ = f.color_;
    charset_ = f.charset_;
    Changed();
}

void TFont::SetName(const std::string& n) {
    if (n == name_) return;
    name_ = n;
    Changed();
}

void TFont::SetHeight(int h) {
    if (h == height_) return;
    height_ = h;
    Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, 96); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }

void TFont::SetStyle(TFontStyles s) {
    if (s == style_) return;
    style_ = s;
    Changed();
}

void TFont::SetColor(TColor c) {
    if (c == color_) return;
    color_ = c;
    // The colour is not part of the GDI font: keep the handle.
    if (OnChange) OnChange(this);
}

void TFont::SetCharset(uint8_t c) {
    if (c == charset_) return;
    charset_ = c;
    Changed();
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = charset_;
        lf.lfQuality = DEFAULT_QUALITY;
        std::u16string face = Utf8ToUtf16(name_);
        if (face.size() > LF_FACESIZE - 1) face.resize(LF_FACESIZE - 1);
        for (size_t i = 0; i < face.size(); ++i) lf.lfFaceName[i] = face[i];
        handle_ = CreateFontIndirectW(&lf);
    }
    return static_cast<HFONT>(handle_);
}

// --- TPen ---

void TPen::Assign(const TPen& p) {
    if (&p == this) return;
    color_ = p.color_;
    width_ = p.width_;
    style_ = p.style_;
    Changed();
}

void TPen::SetColor(TColor c) {
    if (c == color_) return;
    color_ = c;
    Changed();
}

void TPen::SetWidth(int w) {
    if (w == width_) return;
    width_ = w;
    Changed();
}

void TPen::SetStyle(TPenStyle s) {
    if (s == style_) return;
    style_ = s;
    Changed();
}

HPEN TPen::Handle() {
    if (!handle_) {
        static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT,
                                      PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        handle_ = CreatePen(kStyles[static_cast<int>(style_)], width_, ColorToRGB(color_));
    }
    return static_cast<HPEN>(handle_);
}

// --- TBrush ---

void TBrush::Assign(const TBrush& b) {
    if (&b == this) return;
    color_ = b.color_;
    style_ = b.style_;
    Changed();
}

void TBrush::SetColor(TColor c) {
    if (c == color_ && style_ == TBrushStyle::bsSolid) return;
    color_ = c;
    style_ = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle s) {
    if (s == style_) return;
    style_ = s;
    Changed();
}

HBRUSH TBrush::Handle() {
    if (style_ == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_) handle_ = CreateSolidBrush(ColorToRGB(color_));
    return static_cast<HBRUSH>(handle_);
}

}  // namespace vd
