// A picture container: holds one graphic of any kind (bitmap, PNG, JPEG),
// owns it, and reports every change of it, including changes made inside
// the graphic itself.
#pragma once
#include <memory>
#include <string>

#include "toolkit/bitmap.h"
#include "toolkit/graphic.h"

namespace vd {

class TPicture : public TObject {
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return graphic_.get(); }
    // Stores a copy of g (nullptr empties the picture).
    void SetGraphic(const TGraphic* g);
    // Takes ownership of g.
    void Adopt(std::unique_ptr<TGraphic> g);
    // The graphic as a bitmap; an empty picture or one of another kind is
    // replaced by a bitmap (empty, or the other graphic drawn on black).
    TBitmap& Bitmap();
    void Assign(const TPicture& other) { SetGraphic(other.Graphic()); }
    void Clear() { Adopt(nullptr); }

    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    // No graphic, or one with no pixels.
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    // By file extension: .bmp, .png, .jpg / .jpeg.
    void LoadFromFile(const std::string& path);
    // A bitmap resource (RT_BITMAP) by integer id; throws EResNotFound.
    void LoadFromBitmapResource(HINSTANCE instance, int id);

    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    std::unique_ptr<TGraphic> graphic_;
};

}  // namespace vd
