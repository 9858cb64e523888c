// A timer component: raises OnTimer every Interval milliseconds on the
// window thread while Enabled and OnTimer is set (the check boxes' shared
// hover timer, the scroll bar's repeat timer).
#pragma once
#include <windows.h>

#include "toolkit/component.h"

namespace vd {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent e);
    // Whether the platform timer runs now.
    bool Running() const { return running_; }

protected:
    virtual void Timer();

private:
    static LRESULT CALLBACK WndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateTimer();

    HWND window_ = nullptr;
    unsigned interval_ = 1000;
    bool enabled_ = true;
    bool running_ = false;
    TNotifyEvent onTimer_;
};

}  // namespace vd
