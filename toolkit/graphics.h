// Drawing tools (font, pen, brush) with lazily created GDI handles, and the
// colour resolution of system colours.
#pragma once
#include <windows.h>

#include <string>

#include "core/color.h"
#include "toolkit/types.h"

namespace vd {

// 0x00BBGGRR (a COLORREF); system colours through GetSysColor.
COLORREF ColorToRGB(TColor c);
// GetSysColor as the portable colour routines' SysColorLookup.
uint32_t LookupSysColor(int index);

// Base of the drawing tools: a change frees the cached handle and raises
// OnChange.
class TGraphicsObject : public TObject {
public:
    TGraphicsObject() = default;
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;
    ~TGraphicsObject() override { FreeHandle(); }

    TNotifyEvent OnChange;
    // Raised just before the cached handle is freed (a canvas deselects it
    // from its DC first: a selected GDI object must not be deleted).
    TNotifyEvent OnReleasing;

protected:
    void Changed();
    void FreeHandle();
    HGDIOBJ handle_ = nullptr;
};

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

class TFont : public TGraphicsObject {
public:
    TFont() = default;
    // Copies name, height, style, colour and charset.
    void Assign(const TFont& f);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& n);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int h);
    // Points at 96 dots per inch (the height -11 is size 8).
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles s);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    uint8_t Charset() const { return charset_; }
    void SetCharset(uint8_t c);

    HFONT Handle();

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clBlack;
    uint8_t charset_ = DEFAULT_CHARSET;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
public:
    void Assign(const TPen& p);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    int Width() const { return width_; }
    void SetWidth(int w);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle s);
    HPEN Handle();

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    void Assign(const TBrush& b);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle s);
    // The null brush for bsClear.
    HBRUSH Handle();

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
};

}  // namespace vd
