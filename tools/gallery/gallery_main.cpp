// Entry of ControlGallery.exe: a sizeable form holding every registered
// section in rows, each under its bold title.
#include <windows.h>

#include <algorithm>

#include "tools/gallery/gallery.h"
#include "toolkit/application.h"
#include "toolkit/label.h"

namespace vd::gallery {
namespace {

constexpr int kFormWidth = 1900;
constexpr int kFormHeight = 1040;
constexpr int kMargin = 8;
constexpr int kTitleHeight = 18;

class TGalleryForm : public TForm {
public:
    explicit TGalleryForm(TComponent* owner) : TForm(owner) {
        SetName("GalleryForm");
        SetCaption("Vadode control gallery");
        SetBorderStyle(TFormBorderStyle::bsSingle);
        Font().SetName("宋体");
        Font().SetHeight(-12);
        SetColor(RGB(250, 250, 250));
        SetBounds(0, 0, kFormWidth, kFormHeight);
        PlaceSections();
    }

private:
    // Rows from left to right; a section that does not fit starts a new row.
    void PlaceSections() {
        const int usable = ClientWidth() > 0 ? ClientWidth() : kFormWidth - 16;
        int x = kMargin, y = kMargin, rowHeight = 0;
        for (const TSection& s : Sections()) {
            const int w = s.Width, h = s.Height + kTitleHeight;
            if (x > kMargin && x + w > usable - kMargin) {
                x = kMargin;
                y += rowHeight + kMargin;
                rowHeight = 0;
            }
            auto* title = new TLabel(this);
            title->SetTransparent(true);
            title->SetAutoSize(true);
            title->SetParentFont(false);
            title->Font().Assign(Font());
            title->Font().SetStyle(fsBold);
            title->SetCaption(s.Title);
            title->SetLeft(x);
            title->SetTop(y);
            title->SetParent(this);

            auto* area = new TXPPanel(this);
            area->SetName("Area" + std::to_string(s.Order));
            area->SetBevelOuter(TBevelCut::bvNone);
            area->SetCaption("");
            area->SetColor(clWhite);
            area->SetBounds(x, y + kTitleHeight, s.Width, s.Height);
            area->SetParent(this);
            s.Build(*this, *area);

            x += w + kMargin;
            rowHeight = std::max(rowHeight, h);
        }
    }
};

}  // namespace
}  // namespace vd::gallery

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vd::TApplication& app = vd::Application();
    try {
        app.Initialize();
        app.SetTitle("Vadode control gallery");
        app.CreateForm<vd::gallery::TGalleryForm>();
        app.Run();
    } catch (...) {
        app.HandleException();
        return 1;
    }
    return 0;
}
