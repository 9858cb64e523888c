// Reading and writing RGBA PNG files as 32-bit surfaces (libpng).
#pragma once
#include <string>

#include "slideshow/surface.h"

namespace vd {

// Reads any PNG as RGBA into `out` (blue, green, red, alpha per pixel).
// False with a message in `error` when the file cannot be read or decoded.
bool ReadPngSurface(const std::string& path, TSurface& out, std::string& error);

// Writes the surface as an RGBA PNG with alpha 255 everywhere (the fourth
// byte of the surface is not written).
bool WritePngSurface(const std::string& path, const TSurface& surface, std::string& error);

}  // namespace vd
