#include "toolkit/graphic.h"

#include "imaging/image.h"
#include "toolkit/resources.h"

namespace vd {

void TGraphic::DrawTransparent(TCanvas& canvas, const TRect& r, TColor) { DrawTo(canvas, r); }

void TGraphic::LoadFromFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) throw EInvalidGraphic("Cannot open file \"" + path + "\"");
    LoadFromBytes(bytes.data(), bytes.size());
}

void TGraphic::LoadFromResourceID(HINSTANCE instance, int id, const wchar_t* type) {
    std::vector<uint8_t> bytes = LoadResourceBytes(instance, type, MAKEINTRESOURCEW(id));
    LoadFromBytes(bytes.data(), bytes.size());
}

void TGraphic::LoadFromResourceName(HINSTANCE instance, const std::string& name,
                                    const std::string& type) {
    TResName n(name), t(type);
    std::vector<uint8_t> bytes = LoadResourceBytes(instance, t.Get(), n.Get());
    LoadFromBytes(bytes.data(), bytes.size());
}

}  // namespace vd
