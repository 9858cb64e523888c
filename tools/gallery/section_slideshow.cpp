// Gallery section: the slideshow as the wizard's progress page shows it.
// The four slides come in one after the other, each through a transition of
// a random style picked the way the wizard picks it (generator reseeded from
// the clock, RandomRange(1, 171)); the style's number and name show beside.
//
// The slideshow wears a frame line of kMarkColor: the end-to-end run finds
// the slideshow on the screen by it.
#include <memory>
#include <string>

#include "controls/xp_slideshow.h"
#include "core/random.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/label.h"
#include "toolkit/resources.h"
#include "toolkit/timer.h"
#include "tools/gallery/gallery.h"
#include "tools/gallery/gallery_ids.h"

namespace vd::gallery {
namespace {

constexpr TColor kWizardSlideColor = 16776423;  // Color and FrameColor on the wizard's page
constexpr TColor kMarkColor = RGB(0x3A, 0x6E, 0xA5);
constexpr int kFrame = 2;
constexpr int kSlideW = 503, kSlideH = 186;
constexpr unsigned kEverySlideMs = 2500;  // a 1 s transition, then the slide for 1.5 s

// Brings in the next slide every kEverySlideMs; owned by the form.
class TSlideCycler : public TComponent {
public:
    TSlideCycler(TForm& form, TXPSlideShow& show, TLabel& style, TLabel& name, TLabel& slide)
        : TComponent(&form), show_(show), style_(style), name_(name), slide_(slide), timer_(this) {
        const int ids[] = {VD_GALLERY_SLIDE1, VD_GALLERY_SLIDE2, VD_GALLERY_SLIDE3, VD_GALLERY_SLIDE4};
        for (int i = 0; i < 4; ++i) {
            slides_[i] = std::make_unique<TJpegImage>();
            slides_[i]->LoadFromResourceID(MainInstance(), ids[i]);
        }
        timer_.SetInterval(kEverySlideMs);
        timer_.SetOnTimer([this](TObject*) { Next(); });
    }

private:
    void Next() {
        if (show_.Busy()) return;
        Randomize();
        show_.SetStyle(RandomRange(1, 171));
        show_.Picture().SetGraphic(slides_[index_].get());
        style_.SetCaption("Style " + std::to_string(show_.Style()));
        name_.SetCaption(show_.StyleName());
        slide_.SetCaption("Slide " + std::to_string(index_ + 1) + " of 4");
        index_ = (index_ + 1) % 4;
        show_.Execute();
    }

    TXPSlideShow& show_;
    TLabel &style_, &name_, &slide_;
    TTimer timer_;
    std::unique_ptr<TJpegImage> slides_[4];
    int index_ = 0;
};

TLabel* Text(TForm& form, TWinControl& parent, int left, int top, bool bold) {
    auto* l = new TLabel(&form);
    l->SetTransparent(true);
    l->SetAutoSize(true);
    if (bold) {
        l->SetParentFont(false);
        l->Font().Assign(form.Font());
        l->Font().SetStyle(fsBold);
    }
    l->SetLeft(left);
    l->SetTop(top);
    l->SetParent(&parent);
    return l;
}

void Build(TForm& form, TXPPanel& area) {
    auto* show = new TXPSlideShow(&form);
    show->SetName("SlideShow");
    show->SetParentColor(false);
    show->SetColor(kWizardSlideColor);
    show->SetFrameColor(kMarkColor);
    show->SetFrameWidth(kFrame);
    show->SetBounds(8, 8, kSlideW + 2 * kFrame, kSlideH + 2 * kFrame);
    show->SetParent(&area);

    const int x = 8 + kSlideW + 2 * kFrame + 14;
    TLabel* style = Text(form, area, x, 16, true);
    TLabel* name = Text(form, area, x, 38, false);
    TLabel* slide = Text(form, area, x, 60, false);
    style->SetCaption("Style —");
    name->SetCaption("(the first slide comes in a moment)");
    slide->SetCaption("");
    AddNote(form, area, x, 160, "Delay 40 ms, Step 4: 25 frames a second");
    new TSlideCycler(form, *show, *style, *name, *slide);
}

// First in the gallery: the end-to-end run looks for the slideshow near the
// window's top-left corner.
const bool registered = RegisterSection({"Slideshow (TXPSlideShow)", 5, 800, 206, Build});

}  // namespace
}  // namespace vd::gallery
