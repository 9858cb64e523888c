// TXPSlideShow: a windowed picture control that changes to a newly assigned
// picture through one of 171 animated transition styles (the effect table of
// the transition engine) or a custom one drawn by OnCustomDraw (style 0).
//
// A transition is a progress value running from 0 to 100 in steps of Step,
// one step every Delay milliseconds. Every step composes one frame afresh
// from the start bitmap (the frame the transition starts from) and the
// picture bitmap (the new picture on a Color ground) into the screen bitmap,
// under the frame lock and the canvas locks of those bitmaps, and has it
// painted before the next step. The steps run on a TAnimateThread (Threaded)
// or in the caller of Execute; in Manual mode the program sets Progress.
//
// Threads: the animation thread composes frames and fires OnProgress,
// OnBeforeNewFrame, OnAfterNewFrame and OnCustomDraw; it touches the window
// only by the synchronous repaint (RedrawArea) and by posting the
// end-of-animation message. OnStart fires in the caller of Execute;
// OnComplete and OnStop on the window thread. Stop (and destruction) on the
// window thread waits for the thread while serving sent messages, so the
// repaint the thread waits for is painted meanwhile.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/bitmap.h"
#include "toolkit/critical_section.h"
#include "toolkit/picture.h"
#include "toolkit/thread.h"
#include "toolkit/win_control.h"

namespace vd {

class TAnimateThread;

enum TBackgroundMode { bmNone, bmTiled, bmStretched, bmCentered };

// 0 (custom) .. 171.
using TShowStyle = int;

using TCustomDrawEvent = std::function<void(TObject* sender, TBitmap& picture, TBitmap& screen)>;

// The end-of-animation message the animation thread posts to the control.
constexpr UINT WM_XPSLIDESHOW_DONE = WM_USER + 1;

class TCustomXPSlideShow : public TCustomControl {
public:
    explicit TCustomXPSlideShow(TComponent* owner);
    ~TCustomXPSlideShow() override;

    // --- Run-time state ---
    // Position of the current transition, 0..100. Writing it (clamped to
    // 100) composes and paints that frame; in Manual mode it is how the
    // program moves the transition. Nothing happens unless Busy.
    int Progress() const { return progress_; }
    void SetProgress(int value);
    // From the start of Execute until the transition finished or stopped.
    bool Busy() const { return busy_; }

    // Starts a transition from what is shown now to Picture; nothing without
    // a picture or while Busy. Threaded: returns once the thread runs; else
    // when the transition ended, was stopped or was switched to Manual.
    virtual void Execute();
    // Ends the running transition where it stands (OnStop, no OnComplete).
    virtual void Stop();
    // Not Busy: forgets the shown frame; the control shows its background.
    virtual void Clear();

    // The frame being shown (empty before the first transition). Lock its
    // canvas to read it while a transition runs.
    TBitmap& ScreenBitmap() { return *screen_; }
    // Where the frame shows in the client area.
    TRect DisplayRect() const;

protected:
    // --- Properties (published by TXPSlideShow) ---
    TPicture& Picture() { return *picture_; }
    void SetPicture(const TPicture& p) { picture_->Assign(p); }
    TPicture& BgPicture() { return *bgPicture_; }
    void SetBgPicture(const TPicture& p) { bgPicture_->Assign(p); }
    TBackgroundMode BgMode() const { return bgMode_; }
    void SetBgMode(TBackgroundMode m);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor c);
    int FrameWidth() const { return frameWidth_; }
    void SetFrameWidth(int w);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool v);
    int Step() const { return step_; }
    void SetStep(int v);
    int Delay() const { return delay_; }
    void SetDelay(int v) { delay_ = v < 0 ? 0 : (v > 65535 ? 65535 : v); }
    TShowStyle Style() const { return style_; }
    void SetStyle(TShowStyle v);
    // "Custom" or the effect table's name; writing compares as the platform
    // compares user text (letter case ignored), unknown names change nothing.
    std::string StyleName() const;
    void SetStyleName(const std::string& name);
    bool Manual() const { return manual_; }
    void SetManual(bool v);
    bool Reverse() const { return reverse_; }
    void SetReverse(bool v) { reverse_ = v; }
    bool ExactTiming() const { return exactTiming_; }
    void SetExactTiming(bool v) { exactTiming_ = v; }
    bool OverDraw() const { return overDraw_; }
    void SetOverDraw(bool v) { overDraw_ = v; }
    bool Threaded() const { return threaded_; }
    void SetThreaded(bool v) { threaded_ = v; }
    TThreadPriority ThreadPriority() const { return priority_; }
    void SetThreadPriority(TThreadPriority p) { priority_ = p; }

    // --- Events (published by TXPSlideShow) ---
    TNotifyEvent OnChange, OnProgress, OnComplete, OnStop;
    TCustomDrawEvent OnStart, OnCustomDraw, OnBeforeNewFrame, OnAfterNewFrame;

    // --- Virtual operations ---
    virtual void DrawBackground(TCanvas& canvas, const TRect& rect);
    virtual void DrawControl(TCanvas& canvas);
    virtual void DoChange();
    virtual void DoProgress();
    virtual void DoCustomDraw(TBitmap& picture, TBitmap& screen);
    virtual void DoBeforeNewFrame(TBitmap& picture, TBitmap& screen);
    virtual void DoAfterNewFrame(TBitmap& picture, TBitmap& screen);
    virtual void DoComplete();
    virtual void DoStart(TBitmap& picture, TBitmap& screen);
    virtual void DoStop();

    void Paint() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Resize() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;

private:
    friend class TAnimateThread;
    struct TStepOutcome {
        bool More;
        int Elapsed;
    };

    LRESULT PaintMessage(HDC dc);
    void StretchScreenTo(HDC dc);
    void CalcDisplayRect();
    void RedrawStartFromBackground();
    void Prepare();
    void RenderFrame();
    TStepOutcome AdvanceStep(int step);
    void Animate();
    void AnimateInCaller();
    void EndOfAnimation(WPARAM serial);
    void Finish();
    bool StopThread();
    void FreeWorkBitmaps();
    void PictureChanged();
    void BackgroundChanged();

    std::unique_ptr<TPicture> picture_, bgPicture_;
    TBackgroundMode bgMode_ = bmTiled;
    TColor frameColor_;
    int frameWidth_ = 0;
    bool center_ = false, stretch_ = false, proportional_ = false;
    std::atomic<int> step_{4}, delay_{40};
    std::atomic<int> style_{51};
    std::atomic<bool> manual_{false}, reverse_{false}, exactTiming_{false};
    bool overDraw_ = true, threaded_ = true;
    TThreadPriority priority_ = TThreadPriority::tpNormal;

    std::atomic<int> progress_{0};
    std::atomic<bool> busy_{false};
    std::atomic<bool> stopping_{false};
    bool painting_ = false;
    bool startFromBackground_ = false;

    std::unique_ptr<TBitmap> screen_;       // for the control's whole life
    std::unique_ptr<TBitmap> start_;        // while Busy
    std::unique_ptr<TBitmap> pictureBmp_;   // while Busy
    TRect pictureRect_, displayRect_;       // display rectangle: under the frame lock
    TAnimateThread* thread_ = nullptr;
    unsigned threadSerial_ = 0;             // tells the end messages of threads apart
    mutable TCriticalSection frameLock_;
    // Cleared by the destructor: a stepping loop in the caller's thread
    // sees it after dispatching messages.
    std::shared_ptr<bool> alive_;
};

// The slideshow as the form designer sees it: every property and event
// published, no behaviour of its own.
class TXPSlideShow : public TCustomXPSlideShow {
public:
    explicit TXPSlideShow(TComponent* owner) : TCustomXPSlideShow(owner) {}

    using TCustomXPSlideShow::Picture;
    using TCustomXPSlideShow::SetPicture;
    using TCustomXPSlideShow::BgPicture;
    using TCustomXPSlideShow::SetBgPicture;
    using TCustomXPSlideShow::BgMode;
    using TCustomXPSlideShow::SetBgMode;
    using TCustomXPSlideShow::FrameColor;
    using TCustomXPSlideShow::SetFrameColor;
    using TCustomXPSlideShow::FrameWidth;
    using TCustomXPSlideShow::SetFrameWidth;
    using TCustomXPSlideShow::Center;
    using TCustomXPSlideShow::SetCenter;
    using TCustomXPSlideShow::Stretch;
    using TCustomXPSlideShow::SetStretch;
    using TCustomXPSlideShow::Proportional;
    using TCustomXPSlideShow::SetProportional;
    using TCustomXPSlideShow::Step;
    using TCustomXPSlideShow::SetStep;
    using TCustomXPSlideShow::Delay;
    using TCustomXPSlideShow::SetDelay;
    using TCustomXPSlideShow::Style;
    using TCustomXPSlideShow::SetStyle;
    using TCustomXPSlideShow::StyleName;
    using TCustomXPSlideShow::SetStyleName;
    using TCustomXPSlideShow::Manual;
    using TCustomXPSlideShow::SetManual;
    using TCustomXPSlideShow::Reverse;
    using TCustomXPSlideShow::SetReverse;
    using TCustomXPSlideShow::ExactTiming;
    using TCustomXPSlideShow::SetExactTiming;
    using TCustomXPSlideShow::OverDraw;
    using TCustomXPSlideShow::SetOverDraw;
    using TCustomXPSlideShow::Threaded;
    using TCustomXPSlideShow::SetThreaded;
    using TCustomXPSlideShow::ThreadPriority;
    using TCustomXPSlideShow::SetThreadPriority;

    using TCustomXPSlideShow::OnChange;
    using TCustomXPSlideShow::OnProgress;
    using TCustomXPSlideShow::OnComplete;
    using TCustomXPSlideShow::OnStop;
    using TCustomXPSlideShow::OnStart;
    using TCustomXPSlideShow::OnCustomDraw;
    using TCustomXPSlideShow::OnBeforeNewFrame;
    using TCustomXPSlideShow::OnAfterNewFrame;
};

}  // namespace vd
