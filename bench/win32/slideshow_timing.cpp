// Timing of the slideshow control in a real window (run under Wine with a
// display): the wizard's slideshow, 503 x 186 with the four slides, stepped
// by its animation thread.
//
//   1. Delay 40, Step 4: 50 transitions with random styles picked as the
//      wizard picks them; frames per second, transition length, and the
//      slowest style's frame time (compose + paint).
//   2. Delay 0, Step 4: the same styles as fast as they go, each frame split
//      into composition, the paint of the window (the stretch of the screen
//      bitmap) and the rest of the synchronous repaint request.
// Each run is measured beside its baseline in the same process: style 0
// with nothing drawn, i.e. a frame that is only the copy of the start frame
// and the paint.
//
//   slideshow_timing.exe [transitions]
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "bench/win32/clock.h"
#include "controls/xp_slideshow.h"
#include "core/random.h"
#include "slideshow/effect_table.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/resources.h"

namespace vd {
namespace {

constexpr int kFirstSlide = 101;  // the four slides, RT_RCDATA 101..104

using bench::NowMs;

// The slideshow with its paints timed.
class TTimedSlideShow : public TXPSlideShow {
public:
    using TXPSlideShow::TXPSlideShow;
    std::atomic<double> paintMs{0};

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_PAINT) return TXPSlideShow::WndProc(msg, wParam, lParam);
        double t = NowMs();
        LRESULT r = TXPSlideShow::WndProc(msg, wParam, lParam);
        paintMs = paintMs + (NowMs() - t);
        return r;
    }
};

struct FrameTimes {
    double compose = 0, paint = 0, step = 0;  // ms, summed
    int frames = 0;
    std::vector<double> steps, composes;      // every frame's, for medians
};

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct RunResult {
    double totalMs = 0;
    int frames = 0;
    std::vector<double> transitionMs;
    std::map<int, FrameTimes> byStyle;
    FrameTimes all;
};

class Bench {
public:
    Bench() {
        form_ = new TForm(nullptr);
        form_->SetBorderStyle(TFormBorderStyle::bsNone);
        form_->SetBounds(40, 40, 560, 240);
        show_ = new TTimedSlideShow(form_);
        show_->SetParentColor(false);
        show_->SetColor(16776423);
        show_->SetFrameColor(16776423);
        show_->SetBounds(27, 27, 503, 186);
        show_->SetParent(form_);
        for (int i = 0; i < 4; ++i) {
            slides_[i] = std::make_unique<TJpegImage>();
            slides_[i]->LoadFromResourceID(MainInstance(), kFirstSlide + i);
        }
        show_->OnBeforeNewFrame = [this](TObject*, TBitmap&, TBitmap&) {
            frameStart_ = NowMs();
            paintBefore_ = show_->paintMs;
        };
        show_->OnAfterNewFrame = [this](TObject*, TBitmap&, TBitmap&) { composed_ = NowMs(); };
        show_->OnProgress = [this](TObject*) {
            double end = NowMs();
            double paint = show_->paintMs - paintBefore_;
            FrameTimes& f = current_->byStyle[show_->Style()];
            for (FrameTimes* t : {&f, &current_->all}) {
                t->compose += composed_ - frameStart_;
                t->paint += paint;
                t->step += end - frameStart_;
                ++t->frames;
                t->steps.push_back(end - frameStart_);
                t->composes.push_back(composed_ - frameStart_);
            }
        };
        form_->Show();
        Application().ProcessMessages();
    }
    ~Bench() { delete form_; }

    RunResult Run(const std::vector<int>& styles, int delay) {
        RunResult r;
        current_ = &r;
        show_->SetDelay(delay);
        show_->SetStep(4);
        double t0 = NowMs();
        for (size_t i = 0; i < styles.size(); ++i) {
            show_->SetStyle(styles[i]);
            show_->Picture().SetGraphic(slides_[i % 4].get());
            double start = NowMs();
            show_->Execute();
            while (show_->Busy()) {
                Application().ProcessMessages();
                HANDLE sync = SyncEvent();
                MsgWaitForMultipleObjects(1, &sync, FALSE, 1, QS_ALLINPUT);
            }
            r.transitionMs.push_back(NowMs() - start);
        }
        r.totalMs = NowMs() - t0;
        r.frames = r.all.frames;
        current_ = nullptr;
        return r;
    }

private:
    TForm* form_;
    TTimedSlideShow* show_;
    std::unique_ptr<TJpegImage> slides_[4];
    RunResult* current_ = nullptr;
    double frameStart_ = 0, composed_ = 0, paintBefore_ = 0;
};

void Report(const char* title, const RunResult& r, const RunResult& base) {
    const double fps = r.frames * 1000.0 / r.totalMs;
    std::vector<double> t = r.transitionMs;
    std::sort(t.begin(), t.end());
    double mean = 0;
    for (double v : t) mean += v;
    mean /= static_cast<double>(t.size());
    printf("%s\n", title);
    printf("  transitions %zu, frames %d, %.0f ms: %.1f frames/s\n", t.size(), r.frames, r.totalMs, fps);
    printf("  transition length: mean %.0f ms, min %.0f, median %.0f, max %.0f\n", mean, t.front(),
           t[t.size() / 2], t.back());
    printf("  per frame (mean): compose %.2f ms, paint %.2f ms, compose+paint+request %.2f ms\n",
           r.all.compose / r.all.frames, r.all.paint / r.all.frames, r.all.step / r.all.frames);
    printf("  baseline (style 0, copy + paint only): %.1f frames/s; compose %.2f ms, paint %.2f ms, step %.2f ms\n",
           base.frames * 1000.0 / base.totalMs, base.all.compose / base.all.frames,
           base.all.paint / base.all.frames, base.all.step / base.all.frames);
    printf("  per frame (median): compose %.2f ms, compose+paint+request %.2f ms; baseline %.2f ms\n",
           Median(r.all.composes), Median(r.all.steps), Median(base.all.steps));
    // The machine is shared: rank styles by their median frame, and by the
    // composition alone (the part that depends on the style).
    std::vector<std::pair<double, int>> slow, slowCompose;
    for (const auto& [style, f] : r.byStyle) {
        slow.push_back({Median(f.steps), style});
        slowCompose.push_back({Median(f.composes), style});
    }
    std::sort(slow.rbegin(), slow.rend());
    std::sort(slowCompose.rbegin(), slowCompose.rend());
    printf("  slowest styles by median compose+paint+request:");
    for (size_t i = 0; i < slow.size() && i < 3; ++i)
        printf(" %d \"%s\" %.2f ms;", slow[i].second, EffectByStyle(slow[i].second)->Name, slow[i].first);
    printf("\n  slowest styles by median composition:");
    for (size_t i = 0; i < slowCompose.size() && i < 3; ++i)
        printf(" %d \"%s\" %.2f ms;", slowCompose[i].second, EffectByStyle(slowCompose[i].second)->Name,
               slowCompose[i].first);
    printf("\n");
}

}  // namespace
}  // namespace vd

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace vd;
    int count = 50;
    if (__argc > 1 && __wargv) count = std::max(1, _wtoi(__wargv[1]));
    // Styles as the wizard picks them: reseeded from the clock each time.
    std::vector<int> styles;
    for (int i = 0; i < count; ++i) {
        Randomize();
        Sleep(1);
        styles.push_back(RandomRange(1, 171));
    }
    std::vector<int> baseline(4, 0);
    Bench bench;
    RunResult base40 = bench.Run(baseline, 40);
    RunResult run40 = bench.Run(styles, 40);
    Report("Delay 40, Step 4 (the wizard's pace)", run40, base40);
    RunResult base0 = bench.Run(baseline, 0);
    RunResult run0 = bench.Run(styles, 0);
    Report("Delay 0, Step 4 (as fast as it goes)", run0, base0);
    // Every style once at Delay 0: the slowest frame of the whole table.
    std::vector<int> every;
    for (int s = 1; s <= kEffectCount; ++s) every.push_back(s);
    RunResult all = bench.Run(every, 0);
    Report("Every style once, Delay 0", all, base0);
    fflush(stdout);
    return 0;
}
