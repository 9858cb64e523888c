// TXPPanel: a panel whose background is painted by TFCBackgroundOptions.
#pragma once
#include <functional>

#include "controls/xp_background_options.h"
#include "toolkit/panel.h"

namespace vd {

using TNotifyCustomDrawEvent =
    std::function<void(TObject* sender, TCanvas& canvas, const TRect& rect)>;

class TXPPanel : public TPanel {
public:
    explicit TXPPanel(TComponent* owner);
    ~TXPPanel() override;

    TFCBackgroundOptions& BackgroundOptions() { return *options_; }
    void SetBackgroundOptions(const TFCBackgroundOptions& o) { options_->Assign(o); }

    void SetParent(TWinControl* parent) override;

    TNotifyCustomDrawEvent OnCustomDraw;

protected:
    void Paint() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TFCBackgroundOptions* options_;
};

}  // namespace vd
