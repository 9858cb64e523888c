#include "controls/model/png_button_model.h"

namespace vd {

bool TPngButtonModel::MouseEnter() {
    if (!enabled_) return false;
    frame_ = sHover;
    return true;
}

bool TPngButtonModel::MouseLeave() {
    if (!enabled_) return false;
    frame_ = sNormal;
    return true;
}

bool TPngButtonModel::Press(bool leftButton) {
    if (!leftButton || !enabled_) return false;
    frame_ = sDown;
    return true;
}

bool TPngButtonModel::Release(bool leftButton, bool inside) {
    if (!leftButton || !enabled_) return false;
    frame_ = inside ? sHover : sNormal;
    return true;
}

bool TPngButtonModel::SetDown(bool v) {
    down_ = v;
    if (!v) frame_ = sNormal;
    return true;
}

bool TPngButtonModel::SetEnabled(bool v) {
    enabled_ = v;
    frame_ = v ? sNormal : sDisable;
    return true;
}

int TPngButtonModel::PaintFrame() {
    if (down_) frame_ = sDown;
    if (!enabled_) frame_ = sDisable;
    return frame_;
}

}  // namespace vd
