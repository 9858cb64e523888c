#include "tools/gallery/gallery.h"

#include <algorithm>

#include "res/resource_ids.h"
#include "toolkit/label.h"
#include "toolkit/resources.h"

namespace vd::gallery {

namespace {

std::vector<TSection>& Registry() {
    static std::vector<TSection> sections;
    return sections;
}

}  // namespace

bool RegisterSection(TSection section) {
    Registry().push_back(std::move(section));
    return true;
}

std::vector<TSection> Sections() {
    std::vector<TSection> s = Registry();
    std::stable_sort(s.begin(), s.end(), [](const TSection& a, const TSection& b) {
        return a.Order != b.Order ? a.Order < b.Order : a.Title < b.Title;
    });
    return s;
}

void UseWizardPage(TXPPanel& area) {
    area.BackgroundOptions().Picture().LoadFromBitmapResource(MainInstance(), VD_BMP_PAGE);
}

void AddNote(TForm& form, TWinControl& parent, int left, int top, const std::string& text) {
    auto* note = new TLabel(&form);
    note->SetTransparent(true);
    note->SetAutoSize(true);
    note->SetCaption(text);
    note->SetLeft(left);
    note->SetTop(top);
    note->SetParent(&parent);
}

}  // namespace vd::gallery
