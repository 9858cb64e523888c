#include "controls/model/slideshow_styles.h"

#include "core/text.h"
#include "slideshow/effect_table.h"

namespace vd {

namespace {
const char kCustomName[] = "Custom";
}

std::string SlideshowStyleName(int style) {
    if (style == kSlideshowCustomStyle) return kCustomName;
    const TEffect* e = EffectByStyle(style);
    return e ? e->Name : "";
}

int SlideshowStyleByName(const std::string& name, const TTextEquals& equals) {
    auto same = [&](const char* tableName) {
        return equals ? equals(name, tableName) : SameTextAscii(name, tableName);
    };
    if (same(kCustomName)) return kSlideshowCustomStyle;
    const TEffect* table = EffectTable();
    for (int i = 0; i < kEffectCount; ++i)
        if (same(table[i].Name)) return i + 1;
    return -1;
}

}  // namespace vd
