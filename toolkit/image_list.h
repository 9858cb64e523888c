// An image list: equal-size images for the native controls (the tree's
// state images).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "toolkit/bitmap.h"
#include "toolkit/component.h"

namespace vd {

class TImageList : public TComponent {
public:
    TImageList(TComponent* owner, int width = 16, int height = 16);
    ~TImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    // Adds a width x height cell; pixels of `transparent` are left out
    // (clNone: none). Returns the index.
    int AddMasked(TBitmap& cell, TColor transparent);
    void Clear();
    // Draws image `index` at (x, y).
    void Draw(TCanvas& canvas, int x, int y, int index);
    HIMAGELIST Handle() const { return handle_; }

    TNotifyEvent OnChange;

private:
    HIMAGELIST handle_ = nullptr;
    int width_, height_;
};

}  // namespace vd
