// The base of every picture kind (bitmap, PNG, JPEG): size, drawing into a
// rectangle of a canvas, loading, copying and a change notification.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/color.h"
#include "toolkit/types.h"

namespace vd {

class TCanvas;

class TGraphic : public TObject {
public:
    TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }

    // Draws the whole graphic scaled into r.
    virtual void DrawTo(TCanvas& canvas, const TRect& r) = 0;
    // Draws with one colour left out (clNone: as DrawTo).
    virtual void DrawTransparent(TCanvas& canvas, const TRect& r, TColor transparent);

    // Reads the graphic from the bytes of its file format; throws
    // EInvalidGraphic when they are not one.
    virtual void LoadFromBytes(const uint8_t* data, size_t size) = 0;
    void LoadFromFile(const std::string& path);
    // Raw data (RT_RCDATA) or any other resource type by integer id or name.
    void LoadFromResourceID(HINSTANCE instance, int id, const wchar_t* type = RT_RCDATA);
    void LoadFromResourceName(HINSTANCE instance, const std::string& name,
                              const std::string& type);

    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    // Raised after the content changed.
    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }
};

}  // namespace vd
