// Geometry and colour rules of a panel's background picture: where copies of
// the picture go for each placement mode, and the glass wash.
#pragma once
#include <cstdint>
#include <vector>

#include "controls/model/box.h"

namespace vd {

enum TFCPictureMode {
    fcpmCenter = 0,
    fcpmCenterStretch = 1,
    fcpmStretch = 2,
    fcpmTile = 3,
    fcpmZoom = 4,
    fcpmTopLeft = 5
};

struct TPicturePlacement {
    // Where each copy of the picture is drawn (scaled to the box).
    std::vector<TBox> Copies;
    // Drawing is clipped to this box (part of the repainted rectangle).
    TBox Clip;
};

// Copies of a w x h picture placed in `area` (the client rectangle of the
// panel that owns the picture, in the painting panel's coordinates) for the
// repainted rectangle `paint`. Only copies that meet the clip box are
// listed; an empty picture or a placement that misses `paint` lists none.
TPicturePlacement PlacePicture(TFCPictureMode mode, const TBox& area, int w, int h,
                               const TBox& paint);

// One colour channel washed with the glass colour: translucency 255 keeps
// the pixel, 0 gives the glass colour.
inline uint8_t GlassChannel(uint8_t pixel, uint8_t glass, uint8_t translucency) {
    return static_cast<uint8_t>((pixel * translucency + glass * (255 - translucency) + 127) / 255);
}

}  // namespace vd
