// A canvas draws on a device context with the current font, pen and brush.
// It either wraps a DC it is given (painting, another control's DC) or
// creates its own on demand (a bitmap's memory DC). Each canvas has a lock so
// that one thread at a time draws on it (the slideshow draws into bitmaps on
// its animation thread while the window thread copies them to the screen).
#pragma once
#include <windows.h>

#include <string>

#include "toolkit/critical_section.h"
#include "toolkit/graphics.h"
#include "toolkit/types.h"

namespace vd {

class TGraphic;

class TCanvas : public TObject {
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The device context; canvases that own one create it here on demand.
    HDC Handle();
    bool HandleAllocated() const { return dc_ != nullptr; }
    // Attaches a DC owned by someone else (nullptr detaches). The canvas puts
    // the DC's original pen, brush and font back when it lets go of it.
    void SetHandle(HDC dc);

    TFont& Font() { return font_; }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }

    // Lines exclude their last point (the platform's rule).
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos();
    void Polyline(const TPoint* points, int count);
    void Polygon(const TPoint* points, int count);
    void Rectangle(const TRect& r);
    void Ellipse(const TRect& r);
    void RoundRect(const TRect& r, int ellipseWidth, int ellipseHeight);
    // Fills with the brush, no outline.
    void FillRect(const TRect& r);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& r);
    // A 3-D frame, then the rectangle shrinks by `width`.
    void Frame3D(TRect& r, TColor topLeft, TColor bottomRight, int width);

    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor c);

    // Text in the font's colour; the background is the brush colour unless the
    // brush style is bsClear.
    TPoint TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).X; }
    int TextHeight(const std::string& text) { return TextExtent(text).Y; }
    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y) clipped to r.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    // The platform's formatted text (DT_* flags: DT_WORDBREAK wraps at words,
    // DT_CALCRECT only measures into r). Returns the text height.
    int DrawText(const std::string& text, TRect& r, unsigned flags);
    // The platform's dotted focus rectangle, drawn by inverting the pixels.
    void DrawFocusRect(const TRect& r);
    // A one-pixel frame of every other pixel in one colour (drawing it
    // twice changes nothing, unlike the focus rectangle).
    void DottedFrame(const TRect& r, TColor color);

    // Clipping, in logical coordinates.
    TRect ClipRect();
    void IntersectClip(const TRect& r);
    void ExcludeClip(const TRect& r);
    // Clips to a region (device coordinates; nullptr removes the clipping).
    // The canvas keeps no reference to the region.
    void SelectClipRegion(HRGN region);
    // Saves pen, brush, font, clipping and origin; RestoreState(token) goes back.
    int SaveState();
    void RestoreState(int token);
    // Moves the drawing origin: logical (0, 0) is then at the old (dx, dy).
    void MoveOrigin(int dx, int dy);
    TPoint Origin();

    // Graphics at natural size or stretched into a rectangle; PNGs blend by
    // their alpha.
    void Draw(int x, int y, TGraphic& g);
    void StretchDraw(const TRect& r, TGraphic& g);
    // Copies (stretching) part of another canvas with SRCCOPY.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
    // STRETCH_* mode for copies that scale (COLORONCOLOR by default).
    void SetStretchMode(int mode);

    void Lock();
    void Unlock();
    bool TryLock();
    int LockCount() const { return lockCount_; }

    TNotifyEvent OnChange;

protected:
    // Canvases that own a DC create it here (default: none).
    virtual void CreateHandle() {}
    // Selects pen, brush and font and sets the text colours.
    void Prepare();
    void Changed() {
        if (OnChange) OnChange(this);
    }
    // Restores the DC's original objects and forgets the DC.
    void ReleaseDC();

private:
    HDC dc_ = nullptr;
    HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
    TFont font_;
    TPen pen_;
    TBrush brush_;
    TCriticalSection lock_;
    int lockCount_ = 0;
    int stretchMode_ = COLORONCOLOR;
};

// Holds a canvas lock for a scope.
class TCanvasLock {
public:
    explicit TCanvasLock(TCanvas& c) : c_(c) { c_.Lock(); }
    ~TCanvasLock() { c_.Unlock(); }
    TCanvasLock(const TCanvasLock&) = delete;
    TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
    TCanvas& c_;
};

}  // namespace vd
