#include "slideshow/effect_table.h"

#include <array>

#include "core/text.h"
#include "slideshow/effects_shaped.h"
#include "slideshow/effects_stretch.h"

namespace vd {
namespace {

// Names by style number, 1..171, exactly as the user sees them.
constexpr std::array<const char*, kEffectCount> kNames = {
    "Expand from right",                                          // 1
    "Expand from left",
    "Slide in from right",
    "Slide in from left",
    "Reveal from left",
    "Reveal from right",
    "Expand in from right",
    "Expand in from left",
    "Expand in to middle",
    "Expand out from middle",                                     // 10
    "Reveal out from middle",
    "Reveal in from sides",
    "Expand in from sides",
    "Unroll from left",
    "Unroll from right",
    "Build up from right",
    "Build up from left",
    "Expand from bottom",
    "Expand from top",
    "Slide in from bottom",                                       // 20
    "Slide in from top",
    "Reveal from top",
    "Reveal from bottom",
    "Expand in from bottom",
    "Expand in from top",
    "Expand in to middle (horiz)",
    "Expand out from middle (horiz)",
    "Reveal from middle (horiz)",
    "Slide in from top / bottom",
    "Expand in from top / bottom",                                // 30
    "Unroll from top",
    "Unroll from bottom",
    "Expand from bottom",                                         // same name as 18
    "Expand in from top",                                         // same name as 25
    "Expand from bottom right",
    "Expand from top right",
    "Expand from top left",
    "Expand from bottom left",
    "Slide in from bottom right",
    "Slide in from top right",                                    // 40
    "Slide in from top left",
    "Slide in from bottom left",
    "Reveal from top left",
    "Reveal from bottom left",
    "Reveal from bottom right",
    "Reveal from top right",
    "Appear and Contract to top left",
    "Appear and Contract to bottom left",
    "Appear and Contract to bottom right",
    "Appear and Contract to top right",                           // 50
    "Appear and Contract to middle",
    "Expand out from centre",
    "Reveal out from centre",
    "Reveal in to centre",
    "Quarters Reveal in to middle",
    "Quarters Expand to middle",
    "Quarters Slide in to middle",
    "Curved Reveal from left",
    "Curved Reveal from right",
    "Bars in from right",                                         // 60
    "Bars in from left",
    "Bars left then right",
    "Bars right then left",
    "Bars from both sides",
    "Uneven shred from right",
    "Uneven shred from left",
    "Uneven shred out from middle (horiz)",
    "Uneven shred in to middle (horiz)",
    "Curved Reveal from top",
    "Curved Reveal from bottom",                                  // 70
    "Bars from bottom",
    "Bars from top",
    "Bars top then bottom",
    "Bars bottom then top",
    "Bars from top and bottom",
    "Unven shred from bottom",
    "Uneven shred from top",
    "Uneven shred from horizon",
    "Uneven shred in to horizon",
    "Curved reveal from top left",                                // 80
    "Curved reveal from top right",
    "Curved reveal from bottom left",
    "Curved reveal from bottom right",
    "Elliptic reveal out from centre",
    "Elliptic reveal in to centre",
    "Criss Cross reveal from bottom right",
    "Criss Cross reveal from top right",
    "Criss Cross reveal from bottom left",
    "Criss Cross reveal from top left",
    "Criss Cross reveal bounce from top left",                    // 90
    "Criss Cross reveal bounce from bottom left",
    "Criss Cross reveal bounce from top right",
    "Criss Cross reveal bounce from bottom right",
    "Criss Cross reveal from right top and bottom",
    "Criss Cross reveal from left top and bottom",
    "Criss Cross reveal from left right and bottom",
    "Criss Cross reveal from left right and top",
    "Criss Cross reveal from top left right and bottom",
    "Criss Cross reveal from bottom left top right",
    "Uneven shred from bottom and right",                         // 100
    "Uneven shred from top and right",
    "Uneven shred from bottom and left",
    "Uneven shred from top and left",
    "Uneven shred from horiz and right",
    "Uneven shred from horiz and left",
    "Uneven shred from bottom and vert middle",
    "Uneven shred from top and vert middle",
    "Uneven shred from centre",
    "Uneven shred to centre",
    "Reveal diagonal from top left",                              // 110
    "Reveal diagonal from top right",
    "Reveal diagonal from bottom left",
    "Reveal diagonal from bottom right",
    "Diagonal sweep from top left bottom right anticlockwise",
    "Diagonal sweep from top left bottom right clockwise",
    "Starburst clockwise from center",
    "Triangular shred",
    "Fade",
    "Pivot from top left",
    "Pivot from bottom left",                                     // 120
    "Pivot from top right",
    "Pivot from bottom right",
    "Speckle appear from right",
    "Speckle appear from left",
    "Speckle appear from bottom",
    "Speckle appear from top",
    "Random squares appear",
    "Push right",
    "Push left",
    "Push and squeeze right",                                     // 130
    "Push and squeeze left",
    "Push down",
    "Push up",
    "Push and sqeeze down",
    "Push and sqeeze up",
    "Blind vertically",
    "Blind horizontally",
    "Uneven blind from left",
    "Uneven blind from right",
    "Uneven blind from top",                                      // 140
    "Uneven blind from bottom",
    "Rectangular shred",
    "Sweep clockwise",
    "Sweep anticlockwise",
    "Rectangles apear from left and disapear to right",
    "Rectangles apear from right and disapear to left",
    "Rectangles apear from up and disapear to bottom",
    "Rectangles apear from bottom and disapear to up",
    "Rotational rectangle in center",
    "Rotational star in center",                                  // 150
    "Spiral rectangle",
    "Circular shred",
    "Reveal V from left",
    "Reveal V from right",
    "Reveal V from top",
    "Reveal V from bottom",
    "Bow Tie Horizontal",
    "Bow Tie Vertical",
    "Diagonal Cross In",
    "Diagonal Cross Out",                                         // 160
    "Starburst anticlockwise from center",
    "Zigzag Horizontal",
    "Zigzag Vertical",
    "Diamond shred",
    "Reveal diamond out from centre",
    "Reveal diamond in to centre",
    "Diagonal Box Out",
    "Pixelate",
    "Dissolve",
    "Random Bars Horizontal",                                     // 170
    "Random Bars Vertical",
};

TEffectProc ProcOf(int style) {
    if (TEffectProc f = StretchEffectProc(style)) return f;
    return ShapedEffectProc(style);
}

struct TTable {
    std::array<TEffect, kEffectCount> rows;
    TTable() {
        for (int i = 0; i < kEffectCount; ++i) rows[i] = TEffect{kNames[i], ProcOf(i + 1)};
    }
};

const TTable& Table() {
    static const TTable table;  // built once, on first use
    return table;
}

}  // namespace

const TEffect* EffectTable() { return Table().rows.data(); }

const TEffect* EffectByStyle(int style) {
    if (style < 1 || style > kEffectCount) return nullptr;
    return &Table().rows[style - 1];
}

int StyleByName(const std::string& name) {
    for (int i = 0; i < kEffectCount; ++i) {
        if (SameTextAscii(name, kNames[i])) return i + 1;
    }
    return -1;
}

}  // namespace vd
