#include "toolkit/picture.h"

#include "core/text.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/png_image.h"

namespace vd {

void TPicture::Adopt(std::unique_ptr<TGraphic> g) {
    graphic_ = std::move(g);
    if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* g) {
    if (g == graphic_.get()) return;
    Adopt(g ? g->Clone() : nullptr);
}

TBitmap& TPicture::Bitmap() {
    if (auto* b = dynamic_cast<TBitmap*>(graphic_.get())) return *b;
    auto b = std::make_unique<TBitmap>();
    if (graphic_) b->AssignGraphic(*graphic_);
    TBitmap& ref = *b;
    Adopt(std::move(b));
    return ref;
}

void TPicture::LoadFromFile(const std::string& path) {
    std::string ext = AsciiLower(ExtractFileName(path));
    size_t dot = ext.rfind('.');
    ext = dot == std::string::npos ? std::string() : ext.substr(dot);
    std::unique_ptr<TGraphic> g;
    if (ext == ".png")
        g = std::make_unique<TPngImage>();
    else if (ext == ".jpg" || ext == ".jpeg" || ext == ".jpe")
        g = std::make_unique<TJpegImage>();
    else if (ext == ".bmp")
        g = std::make_unique<TBitmap>();
    else
        throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
    g->LoadFromFile(path);
    Adopt(std::move(g));
}

void TPicture::LoadFromBitmapResource(HINSTANCE instance, int id) {
    auto b = std::make_unique<TBitmap>();
    b->LoadFromBitmapResource(instance, id);
    Adopt(std::move(b));
}

}  // namespace vd
