#include "toolkit/image_list.h"

namespace vd {

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height) {
    handle_ = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!handle_) throw EInvalidOperation("Image list creation failed");
}

TImageList::~TImageList() {
    MarkDestroying();
    if (handle_) ImageList_Destroy(handle_);
}

int TImageList::Count() const { return ImageList_GetImageCount(handle_); }

int TImageList::AddMasked(TBitmap& cell, TColor transparent) {
    if (cell.Width() != width_ || cell.Height() != height_)
        throw EInvalidOperation("Image list cell size mismatch");
    // The list changes the bitmap it is given: hand it a copy that no DC holds.
    TCanvasLock lock(cell.Canvas());
    GdiFlush();
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(cell.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!copy) throw EInvalidOperation("Out of system resources");
    int index = transparent == clNone ? ImageList_Add(handle_, copy, nullptr)
                                      : ImageList_AddMasked(handle_, copy, ColorToRGB(transparent));
    DeleteObject(copy);
    if (OnChange) OnChange(this);
    return index;
}

void TImageList::Clear() {
    ImageList_RemoveAll(handle_);
    if (OnChange) OnChange(this);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) {
    ImageList_Draw(handle_, index, canvas.Handle(), x, y, ILD_TRANSPARENT);
}

}  // namespace vd
