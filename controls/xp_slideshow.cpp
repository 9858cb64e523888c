#include "controls/xp_slideshow.h"

#include <mutex>

#include "controls/animate_thread.h"
#include "controls/box_rect.h"
#include "controls/model/slideshow_layout.h"
#include "controls/model/slideshow_steps.h"
#include "controls/model/slideshow_styles.h"
#include "core/wide.h"
#include "slideshow/effect_table.h"
#include "slideshow/extents.h"
#include "toolkit/application.h"

namespace vd {
namespace {

bool ShowsOn(TCanvas& canvas, const TRect& r) {
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    return RectVisible(canvas.Handle(), &rc) != FALSE;
}

// Text typed by a user compared as the platform compares it.
bool SameUserText(const std::string& a, const std::string& b) {
    std::wstring wa = Wide(a), wb = Wide(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(), -1, wb.c_str(), -1) ==
           CSTR_EQUAL;
}

}  // namespace

TCustomXPSlideShow::TCustomXPSlideShow(TComponent* owner)
    : TCustomControl(owner),
      picture_(new TPicture()),
      bgPicture_(new TPicture()),
      frameColor_(clActiveBorder),
      screen_(new TBitmap()),
      alive_(std::make_shared<bool>(true)) {
    SetControlStyle(ControlStyle() | csOpaque);
    EffectTable();  // the table is built here, on the window thread
    picture_->OnChange = [this](TObject*) { PictureChanged(); };
    bgPicture_->OnChange = [this](TObject*) { BackgroundChanged(); };
    SetBounds(Left(), Top(), 100, 100);
}

TCustomXPSlideShow::~TCustomXPSlideShow() {
    MarkDestroying();
    Stop();
    *alive_ = false;
    picture_->OnChange = nullptr;
    bgPicture_->OnChange = nullptr;
    FreeWorkBitmaps();
}

// --- Properties ---

void TCustomXPSlideShow::SetBgMode(TBackgroundMode m) {
    if (m == bgMode_) return;
    bgMode_ = m;
    if (bgPicture_->Graphic()) {
        if (startFromBackground_ && start_) RedrawStartFromBackground();
        Invalidate();
    }
}

void TCustomXPSlideShow::BackgroundChanged() {
    if (Destroying() || bgMode_ == bmNone) return;
    if (startFromBackground_ && start_) RedrawStartFromBackground();
    Invalidate();
}

void TCustomXPSlideShow::PictureChanged() {
    if (Destroying()) return;
    if (!picture_->Empty() && AutoSize()) AdjustSize();
    DoChange();
}

void TCustomXPSlideShow::SetFrameColor(TColor c) {
    if (c == frameColor_) return;
    frameColor_ = c;
    if (frameWidth_ != 0 && !screen_->Empty()) Invalidate();
}

void TCustomXPSlideShow::SetFrameWidth(int w) {
    if (w < 0) w = 0;
    if (w == frameWidth_) return;
    frameWidth_ = w;
    AdjustSize();
    if (!screen_->Empty()) {
        CalcDisplayRect();
        Invalidate();
    }
}

void TCustomXPSlideShow::SetCenter(bool v) {
    if (v == center_) return;
    center_ = v;
    CalcDisplayRect();
    if (!screen_->Empty()) Invalidate();
}

void TCustomXPSlideShow::SetStretch(bool v) {
    if (v == stretch_) return;
    stretch_ = v;
    CalcDisplayRect();
    if (!screen_->Empty()) Invalidate();
}

void TCustomXPSlideShow::SetProportional(bool v) {
    if (v == proportional_) return;
    proportional_ = v;
    CalcDisplayRect();
    if (!screen_->Empty()) Invalidate();
}

void TCustomXPSlideShow::SetStep(int v) { step_ = SlideshowStepValue(v); }

void TCustomXPSlideShow::SetStyle(TShowStyle v) {
    if (v < kSlideshowCustomStyle || v > kSlideshowLastStyle || v == style_) return;
    {
        std::lock_guard<TCriticalSection> lock(frameLock_);
        style_ = v;
    }
    if (busy_ && manual_ && !stopping_) {
        TRect dr;
        {
            std::lock_guard<TCriticalSection> lock(frameLock_);
            RenderFrame();
            dr = displayRect_;
        }
        InvalidateArea(dr);
    }
}

std::string TCustomXPSlideShow::StyleName() const { return SlideshowStyleName(style_); }

void TCustomXPSlideShow::SetStyleName(const std::string& name) {
    int style = SlideshowStyleByName(name, &SameUserText);
    if (style >= 0) SetStyle(style);
}

void TCustomXPSlideShow::SetManual(bool v) {
    if (v == manual_) return;
    manual_ = v;
    StopThread();
    if (!busy_)
        progress_ = SlideshowStartProgress(reverse_);
    else if (!manual_)
        Animate();
}

TRect TCustomXPSlideShow::DisplayRect() const {
    std::lock_guard<TCriticalSection> lock(frameLock_);
    return displayRect_;
}

// --- Geometry ---

void TCustomXPSlideShow::CalcDisplayRect() {
    TBox b = SlideshowDisplayRect(ClientWidth(), ClientHeight(), frameWidth_, pictureRect_.Width(),
                                  pictureRect_.Height(), center_, stretch_, proportional_);
    {
        std::lock_guard<TCriticalSection> lock(frameLock_);
        displayRect_ = ToRect(b);
    }
    if (startFromBackground_ && start_) RedrawStartFromBackground();
}

void TCustomXPSlideShow::Resize() {
    TCustomControl::Resize();
    CalcDisplayRect();
    if (!screen_->Empty()) Invalidate();
}

bool TCustomXPSlideShow::CanAutoSize(int& newWidth, int& newHeight) {
    TSlideshowSizing sizing = TSlideshowSizing::Free;
    switch (Align()) {
        case TAlign::alTop:
        case TAlign::alBottom: sizing = TSlideshowSizing::FixedWidth; break;
        case TAlign::alLeft:
        case TAlign::alRight: sizing = TSlideshowSizing::FixedHeight; break;
        case TAlign::alClient: sizing = TSlideshowSizing::Fixed; break;
        default: break;
    }
    return SlideshowAutoSize(!picture_->Empty(), picture_->Width(), picture_->Height(), frameWidth_,
                             sizing, Width(), ClientWidth(), Height(), ClientHeight(), newWidth,
                             newHeight);
}

// --- Painting ---

void TCustomXPSlideShow::Paint() { DrawControl(Canvas()); }

void TCustomXPSlideShow::StretchScreenTo(HDC dc) {
    TCanvas& sc = screen_->Canvas();
    TCanvasLock lock(sc);
    const TRect& d = displayRect_;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, d.Left, d.Top, d.Width(), d.Height(), sc.Handle(), pictureRect_.Left,
               pictureRect_.Top, pictureRect_.Width(), pictureRect_.Height(), SRCCOPY);
}

LRESULT TCustomXPSlideShow::PaintMessage(HDC dc) {
    if (painting_) return 1;  // a paint inside a paint is answered, not painted
    painting_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{painting_};
    auto insideScreen = [this](const RECT& area) {
        const TRect& d = displayRect_;
        return !screen_->Empty() && area.left < area.right && area.top < area.bottom &&
               area.left >= d.Left && area.top >= d.Top && area.right <= d.Right &&
               area.bottom <= d.Bottom;
    };
    if (dc) {
        RECT area{};
        GetClipBox(dc, &area);
        if (insideScreen(area)) {
            StretchScreenTo(dc);
        } else {
            TCanvas c;
            c.SetHandle(dc);
            PaintContent(c);
            c.SetHandle(nullptr);
        }
        return 0;
    }
    HWND h = Handle();
    RECT area{};
    if (GetUpdateRect(h, &area, FALSE) && insideScreen(area)) {
        PAINTSTRUCT ps;
        HDC pdc = BeginPaint(h, &ps);
        StretchScreenTo(pdc);
        EndPaint(h, &ps);
        return 0;
    }
    TCustomControl::WndProc(WM_PAINT, 0, 0);  // background, frame and picture off-screen
    return 0;
}

void TCustomXPSlideShow::DrawControl(TCanvas& canvas) {
    const TRect client = ClientRect();
    if (screen_->Empty()) {
        DrawBackground(canvas, client);
        return;
    }
    TRect r = displayRect_;
    if (ShowsOn(canvas, r)) {
        TCanvasLock lock(screen_->Canvas());
        canvas.SetStretchMode(COLORONCOLOR);
        canvas.CopyRect(r, screen_->Canvas(), pictureRect_);
    }
    if (frameWidth_ != 0) {
        r = TRect{r.Left - frameWidth_, r.Top - frameWidth_, r.Right + frameWidth_, r.Bottom + frameWidth_};
        if (ShowsOn(canvas, r)) {
            // The line inside r, as four bands: square corners (a wide pen's
            // round joins would leave the outer corner pixels unpainted).
            const int fw = frameWidth_;
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            canvas.Brush().SetColor(frameColor_);
            canvas.FillRect(TRect{r.Left, r.Top, r.Right, r.Top + fw});
            canvas.FillRect(TRect{r.Left, r.Bottom - fw, r.Right, r.Bottom});
            canvas.FillRect(TRect{r.Left, r.Top + fw, r.Left + fw, r.Bottom - fw});
            canvas.FillRect(TRect{r.Right - fw, r.Top + fw, r.Right, r.Bottom - fw});
        }
    }
    int saved = canvas.SaveState();
    canvas.ExcludeClip(r);
    DrawBackground(canvas, client);
    canvas.RestoreState(saved);
}

void TCustomXPSlideShow::DrawBackground(TCanvas& canvas, const TRect& rect) {
    if (!ShowsOn(canvas, rect)) return;
    TGraphic* g = bgPicture_->Graphic();
    const TBackgroundMode mode = (!g || g->Empty()) ? bmNone : bgMode_;
    auto fill = [&] {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(rect);
    };
    switch (mode) {
        case bmTiled: {
            int saved = canvas.SaveState();
            canvas.IntersectClip(rect);
            for (const TBox& t : SlideshowTiles(ToBox(rect), ToBox(canvas.ClipRect()), g->Width(), g->Height())) {
                TRect tr = ToRect(t);
                if (ShowsOn(canvas, tr)) canvas.Draw(tr.Left, tr.Top, *g);
            }
            canvas.RestoreState(saved);
            break;
        }
        case bmStretched:
            canvas.StretchDraw(rect, *g);
            break;
        case bmCentered: {
            // The ground first, so that a picture with alpha shows it.
            fill();
            TBox b = CenteredBox(ToBox(rect), g->Width(), g->Height());
            canvas.Draw(b.Left, b.Top, *g);
            break;
        }
        case bmNone:
            fill();
            break;
    }
}

void TCustomXPSlideShow::RedrawStartFromBackground() {
    if (!start_) return;
    const TRect d = displayRect_;  // written on this (the window) thread only
    if (!d.IsEmpty()) {
        TBitmap behind(d.Width(), d.Height());
        TCanvas& c = behind.Canvas();
        int saved = c.SaveState();
        c.MoveOrigin(-d.Left, -d.Top);
        DrawBackground(c, ClientRect());
        c.RestoreState(saved);
        TCanvasLock lock(start_->Canvas());
        start_->Canvas().SetStretchMode(COLORONCOLOR);
        start_->Canvas().CopyRect(pictureRect_, c, TRect{0, 0, d.Width(), d.Height()});
        GdiFlush();  // the animation thread reads the pixels directly
    }
    if (busy_ && manual_ && !stopping_) {
        std::lock_guard<TCriticalSection> lock(frameLock_);
        RenderFrame();
    }
}

// --- Transitions ---

void TCustomXPSlideShow::Execute() {
    if (picture_->Empty() || busy_) return;
    std::shared_ptr<bool> alive = alive_;
    busy_ = true;
    try {
        HandleNeeded();  // the thread posts to the window
        Prepare();
        if (!manual_ && !stopping_) Animate();
    } catch (...) {
        if (*alive) {
            FreeWorkBitmaps();
            busy_ = false;
        }
        throw;
    }
}

void TCustomXPSlideShow::Prepare() {
    TGraphic& g = *picture_->Graphic();
    const int w = g.Width(), h = g.Height();
    auto start = std::make_unique<TBitmap>();
    if (overDraw_ && !screen_->Empty() && screen_->Width() == w && screen_->Height() == h) {
        startFromBackground_ = false;
        start->Assign(*screen_);
    } else {
        startFromBackground_ = true;
        start->SetSize(w, h);  // filled from the background by CalcDisplayRect
    }
    start_ = std::move(start);

    auto picture = std::make_unique<TBitmap>(w, h);
    TCanvas& pc = picture->Canvas();
    pc.Brush().SetColor(Color());
    pc.FillRect(TRect{0, 0, w, h});
    pc.Draw(0, 0, g);
    GdiFlush();
    pictureBmp_ = std::move(picture);

    screen_->SetSize(w, h);
    pictureRect_ = TRect{0, 0, w, h};
    CalcDisplayRect();
    {
        TCanvasLock a(screen_->Canvas());
        TCanvasLock b(start_->Canvas());
        screen_->Surface() = start_->Surface();
    }
    progress_ = SlideshowStartProgress(reverse_);
    Invalidate();
    DoStart(*pictureBmp_, *start_);
}

void TCustomXPSlideShow::RenderFrame() {
    if (!start_ || !pictureBmp_) return;
    TBitmap& picture = *pictureBmp_;
    TBitmap& screen = *screen_;
    // All three are W x H from Prepare until Finish.
    if (screen.Width() != start_->Width() || screen.Height() != start_->Height()) return;
    TCanvasLock lockPicture(picture.Canvas());
    TCanvasLock lockScreen(screen.Canvas());
    TSurface& s = screen.Surface();
    {
        TCanvasLock lockStart(start_->Canvas());
        s = start_->Surface();
    }
    DoBeforeNewFrame(picture, screen);
    const int p = progress_;
    const int w = pictureRect_.Width(), h = pictureRect_.Height();
    if (p == 100) {
        s = picture.Surface();
    } else if (p != 0) {
        const int style = style_;
        if (style == kSlideshowCustomStyle) {
            DoCustomDraw(picture, screen);
        } else if (const TEffect* e = EffectByStyle(style)) {
            TExtents x = ProgressExtents(w, h, p);
            e->Proc(screen.Surface(), picture.Surface(), w, h, x.X, x.Y, p);
        }
    }
    DoAfterNewFrame(picture, screen);
    GdiFlush();  // a custom draw may have used GDI on this thread
}

void TCustomXPSlideShow::SetProgress(int value) {
    if (value < 0) value = 0;
    if (value > 100) value = 100;
    if (!busy_ || value == progress_) return;
    TRect dr;
    {
        std::lock_guard<TCriticalSection> lock(frameLock_);
        progress_ = value;
        RenderFrame();
        dr = displayRect_;
    }
    RedrawArea(dr);
    DoProgress();
}

TCustomXPSlideShow::TStepOutcome TCustomXPSlideShow::AdvanceStep(int step) {
    const DWORD start = GetTickCount();
    const bool reverse = reverse_;
    SetProgress(SlideshowNextProgress(progress_, step, reverse));
    return {!SlideshowAtEnd(progress_, reverse), static_cast<int>(GetTickCount() - start)};
}

void TCustomXPSlideShow::Animate() {
    if (!threaded_) {
        AnimateInCaller();
        return;
    }
    auto* t = new TAnimateThread(*this, Handle(), ++threadSerial_);  // suspended
    t->SetPriority(priority_);
    thread_ = t;
    t->Start();
}

void TCustomXPSlideShow::AnimateInCaller() {
    std::shared_ptr<bool> alive = alive_;
    // Stop, Manual or the end of the transition from a message dispatched
    // while waiting; a Stop has already finished the transition (not Busy).
    auto leave = [this] { return manual_ || stopping_ || !busy_; };
    int step = step_;
    for (;;) {
        TStepOutcome r = AdvanceStep(step);
        if (!*alive) return;
        if (!r.More || leave()) break;
        TSlideshowPace pace = SlideshowPace(step, step_, delay_, r.Elapsed, exactTiming_);
        if (pace.Wait < 0) {
            step = pace.NextStep;
            continue;
        }
        const DWORD start = GetTickCount();
        for (;;) {
            Application().ProcessMessages();
            if (!*alive) return;
            if (leave()) break;
            const DWORD spent = GetTickCount() - start;
            if (spent >= static_cast<DWORD>(pace.Wait)) break;
            HANDLE sync = SyncEvent();
            MsgWaitForMultipleObjects(1, &sync, FALSE, static_cast<DWORD>(pace.Wait) - spent, QS_ALLINPUT);
        }
        if (leave()) break;
        step = step_;
    }
    if (busy_ && (stopping_ || !manual_)) Finish();
}

void TCustomXPSlideShow::EndOfAnimation(WPARAM serial) {
    // Only the message of the thread running now counts.
    if (!thread_ || serial != threadSerial_) return;
    TAnimateThread* t = thread_;
    thread_ = nullptr;
    delete t;
    if (stopping_ || !manual_) Finish();
}

void TCustomXPSlideShow::FreeWorkBitmaps() {
    start_.reset();
    pictureBmp_.reset();
}

void TCustomXPSlideShow::Finish() {
    busy_ = false;
    FreeWorkBitmaps();
    if (Destroying()) return;
    const bool stopped = stopping_;
    // The stop is over: an Execute from OnStop steps its transition instead
    // of preparing it and staying Busy for ever.
    stopping_ = false;
    if (!stopped) DoComplete();
    DoStop();
}

bool TCustomXPSlideShow::StopThread() {
    TAnimateThread* t = thread_;
    if (!t) return false;
    const unsigned serial = threadSerial_;
    auto stillRunning = [&] { return thread_ != nullptr && threadSerial_ == serial; };
    t->Cancel();
    if (!t->Suspended()) t->WaitFor();  // serves the repaints it asks for meanwhile
    if (HandleAllocated()) {
        MSG msg;
        while (stillRunning() &&
               PeekMessageW(&msg, Handle(), WM_XPSLIDESHOW_DONE, WM_XPSLIDESHOW_DONE, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    // Never started, or its message went with a destroyed window.
    if (stillRunning()) EndOfAnimation(serial);
    return true;
}

void TCustomXPSlideShow::Stop() {
    if (!busy_ || stopping_) return;
    stopping_ = true;
    struct Reset {
        std::atomic<bool>& flag;
        ~Reset() { flag = false; }
    } reset{stopping_};
    if (manual_ || !StopThread()) Finish();
}

void TCustomXPSlideShow::Clear() {
    if (busy_ || screen_->Empty()) return;
    screen_->SetSize(0, 0);
    pictureRect_ = TRect{};
    {
        std::lock_guard<TCriticalSection> lock(frameLock_);
        displayRect_ = TRect{};
    }
    Invalidate();
}

// --- Events ---

void TCustomXPSlideShow::DoChange() {
    if (OnChange) OnChange(this);
}
void TCustomXPSlideShow::DoProgress() {
    if (OnProgress) OnProgress(this);
}
void TCustomXPSlideShow::DoCustomDraw(TBitmap& picture, TBitmap& screen) {
    if (OnCustomDraw) OnCustomDraw(this, picture, screen);
}
void TCustomXPSlideShow::DoBeforeNewFrame(TBitmap& picture, TBitmap& screen) {
    if (OnBeforeNewFrame) OnBeforeNewFrame(this, picture, screen);
}
void TCustomXPSlideShow::DoAfterNewFrame(TBitmap& picture, TBitmap& screen) {
    if (OnAfterNewFrame) OnAfterNewFrame(this, picture, screen);
}
void TCustomXPSlideShow::DoComplete() {
    if (OnComplete) OnComplete(this);
}
void TCustomXPSlideShow::DoStart(TBitmap& picture, TBitmap& screen) {
    if (OnStart) OnStart(this, picture, screen);
}
void TCustomXPSlideShow::DoStop() {
    if (OnStop) OnStop(this);
}

// --- Messages ---

LRESULT TCustomXPSlideShow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return PaintMessage(reinterpret_cast<HDC>(wParam));
        case WM_DESTROY:
            Stop();
            break;
        case WM_XPSLIDESHOW_DONE:
            EndOfAnimation(wParam);
            return 0;
        default:
            break;
    }
    return TCustomControl::WndProc(msg, wParam, lParam);
}

}  // namespace vd
