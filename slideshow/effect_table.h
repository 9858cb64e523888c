// The effect table: one row per transition style 1..171 (name and routine).
// Style 0, "Custom", has no row; the slideshow draws it through its own
// custom-draw event.
#pragma once
#include <string>

#include "slideshow/effect.h"

namespace vd {

// The whole table: kEffectCount rows, row i describing style i + 1.
const TEffect* EffectTable();

// Row of style 1..171, or nullptr for any other value.
const TEffect* EffectByStyle(int style);

// The first style 1..171 whose name equals `name` without regard to ASCII
// letter case, or -1 when none does. Rows 33 and 34 share their names with
// rows 18 and 25, so the earlier rows are found.
int StyleByName(const std::string& name);

}  // namespace vd
