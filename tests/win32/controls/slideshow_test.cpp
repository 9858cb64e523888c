// The slideshow control under Wine: defaults, the events of a transition,
// steps, where a transition starts from, Stop, Manual, Reverse, style names,
// the display rectangle, frame and background, and frames equal to what the
// engine renders.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include "core/random.h"
#include "tests/win32/controls/slideshow_test_util.h"
#include "toolkit/timer.h"

namespace vd {
namespace {

using test::EngineFrame;
using test::Pattern;
using test::Rgb;
using test::RgbOf;
using test::RgbOfColor;
using test::SameColors;
using test::Solid;
using test::WaitUntil;

using SlideShowTest = test::SlideshowFixture;

// Records what a transition reports and on which thread.
struct Recorder {
    explicit Recorder(TXPSlideShow& s) {
        const DWORD windowThread = GetCurrentThreadId();
        s.OnStart = [this, windowThread, &s](TObject*, TBitmap& picture, TBitmap& screen) {
            std::lock_guard<std::mutex> l(m);
            log.push_back('S');
            startOnWindowThread = GetCurrentThreadId() == windowThread;
            start = screen.Surface();
            pictureSeen = picture.Surface();
            startProgress = s.Progress();
        };
        s.OnProgress = [this, windowThread, &s](TObject*) {
            std::lock_guard<std::mutex> l(m);
            log.push_back('P');
            progress.push_back(s.Progress());
            if (GetCurrentThreadId() == windowThread) ++progressOnWindowThread;
        };
        s.OnComplete = [this, windowThread](TObject*) {
            std::lock_guard<std::mutex> l(m);
            log.push_back('C');
            endsOnWindowThread &= GetCurrentThreadId() == windowThread;
        };
        s.OnStop = [this, windowThread](TObject*) {
            std::lock_guard<std::mutex> l(m);
            log.push_back('E');
            endsOnWindowThread &= GetCurrentThreadId() == windowThread;
        };
    }
    int Count(char c) {
        std::lock_guard<std::mutex> l(m);
        return static_cast<int>(std::count(log.begin(), log.end(), c));
    }
    std::mutex m;
    std::string log;
    std::vector<int> progress;
    int progressOnWindowThread = 0;
    int startProgress = -1;
    bool startOnWindowThread = false;
    bool endsOnWindowThread = true;
    TSurface start, pictureSeen;
};

TEST_F(SlideShowTest, NewControlShowsItsBackgroundWithTheDefaults) {
    TXPSlideShow fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 100);
    EXPECT_EQ(fresh.Height(), 100);
    EXPECT_EQ(fresh.Style(), 51);
    EXPECT_EQ(fresh.StyleName(), "Appear and Contract to middle");
    EXPECT_EQ(fresh.Step(), 4);
    EXPECT_EQ(fresh.Delay(), 40);
    EXPECT_TRUE(fresh.ScreenBitmap().Empty());
    fresh.SetParent(form);
    fresh.SetColor(RGB(200, 100, 50));
    auto bmp = test::Render(fresh);
    for (int p : {0, 50, 99}) EXPECT_EQ(Rgb(*bmp, p, p), RgbOf(200, 100, 50));
}

TEST_F(SlideShowTest, ExecuteWithoutAPictureDoesNothing) {
    Recorder rec(*show);
    int changes = 0;
    show->OnChange = [&](TObject*) { ++changes; };
    show->Execute();
    EXPECT_FALSE(show->Busy());
    test::Pump(50);
    EXPECT_EQ(rec.log, "");
    EXPECT_EQ(changes, 0);
}

TEST_F(SlideShowTest, DefaultTransitionEventsAndThreads) {
    show->SetBounds(0, 0, 503, 186);
    int changes = 0;
    show->OnChange = [&](TObject*) { ++changes; };
    auto pic = Pattern(503, 186, 1);
    Load(*pic);
    EXPECT_EQ(changes, 1);  // a new picture does not start a transition
    EXPECT_FALSE(show->Busy());
    Recorder rec(*show);
    DWORD t0 = GetTickCount();
    show->Execute();
    EXPECT_TRUE(show->Busy());
    ASSERT_TRUE(WaitUntil([&] { return !show->Busy(); }));
    DWORD took = GetTickCount() - t0;
    EXPECT_EQ(rec.log, "S" + std::string(25, 'P') + "CE");
    EXPECT_TRUE(rec.startOnWindowThread);
    EXPECT_EQ(rec.progressOnWindowThread, 0);  // stepped on the animation thread
    EXPECT_TRUE(rec.endsOnWindowThread);
    ASSERT_EQ(rec.progress.size(), 25u);
    EXPECT_EQ(rec.progress.front(), 4);
    EXPECT_EQ(rec.progress.back(), 100);
    EXPECT_GE(took, 900u);  // 24 waits of 40 ms
    EXPECT_TRUE(SameColors(show->ScreenBitmap().Surface(), pic->Surface()));
    show->Execute();  // a second transition to the same picture
    EXPECT_TRUE(WaitUntil([&] { return !show->Busy(); }));
    EXPECT_EQ(rec.Count('S'), 2);
}

TEST_F(SlideShowTest, StepSizes) {
    show->SetDelay(0);
    auto pic = Pattern(64, 48, 2);
    Load(*pic);
    Recorder rec(*show);
    show->SetStep(7);
    RunToEnd();
    ASSERT_EQ(rec.progress.size(), 15u);
    EXPECT_EQ(rec.progress[13], 98);
    EXPECT_EQ(rec.progress[14], 100);
    show->SetStep(0);
    EXPECT_EQ(show->Step(), 1);
    show->SetStep(250);
    EXPECT_EQ(show->Step(), 100);
    rec.progress.clear();
    RunToEnd();
    EXPECT_EQ(rec.progress, std::vector<int>{100});
}

TEST_F(SlideShowTest, WhereATransitionStartsFrom) {
    show->SetDelay(0);
    show->SetStep(50);
    show->SetColor(RGB(0, 0, 200));
    auto bg = Pattern(7, 5, 9);
    show->BgPicture().SetGraphic(bg.get());
    show->SetBounds(10, 10, 100, 80);
    show->SetCenter(true);
    Recorder rec(*show);
    auto first = Pattern(40, 30, 3);
    Load(*first);
    RunToEnd();
    // The first transition starts from the tiled background behind the
    // display rectangle (30, 25) - (70, 55).
    ASSERT_EQ(rec.start.Width(), 40);
    for (int y : {0, 13, 29})
        for (int x : {0, 21, 39})
            ASSERT_EQ(rec.start.At(x, y) & 0xFFFFFF, bg->Surface().At((x + 30) % 7, (y + 25) % 5) & 0xFFFFFF);
    // Same size: from the previous picture.
    auto second = Pattern(40, 30, 4);
    Load(*second);
    RunToEnd();
    EXPECT_TRUE(SameColors(rec.start, first->Surface()));
    // OverDraw off: from the background again.
    show->SetOverDraw(false);
    Load(*first);
    RunToEnd();
    EXPECT_FALSE(SameColors(rec.start, second->Surface()));
    EXPECT_EQ(rec.start.At(0, 0) & 0xFFFFFF, bg->Surface().At(30 % 7, 25 % 5) & 0xFFFFFF);
    // Another size: from the background.
    show->SetOverDraw(true);
    auto other = Pattern(20, 10, 5);
    Load(*other);
    RunToEnd();
    EXPECT_EQ(rec.start.At(0, 0) & 0xFFFFFF, bg->Surface().At(40 % 7, 35 % 5) & 0xFFFFFF);
    // Without a background picture the ground is the control's colour.
    show->BgPicture().Clear();
    show->SetOverDraw(false);
    Load(*first);
    RunToEnd();
    EXPECT_EQ(rec.start.At(5, 5) & 0xFFFFFF, RgbOf(0, 0, 200));
    // The picture bitmap is the new picture on the control's colour.
    EXPECT_TRUE(SameColors(rec.pictureSeen, first->Surface()));
}

TEST_F(SlideShowTest, StopLeavesThePartFrameAndTheNextTransitionStartsThere) {
    auto a = Pattern(120, 90, 6), b = Pattern(120, 90, 7), c = Pattern(120, 90, 8);
    show->SetDelay(0);
    show->SetStep(100);
    Load(*a);
    RunToEnd();
    Recorder rec(*show);
    show->SetDelay(40);
    show->SetStep(4);
    Load(*b);
    show->Execute();
    ASSERT_TRUE(WaitUntil([&] { return show->Progress() >= 40; }));
    show->Stop();
    EXPECT_FALSE(show->Busy());
    EXPECT_EQ(rec.log.back(), 'E');
    EXPECT_EQ(rec.Count('C'), 0);
    EXPECT_EQ(rec.Count('E'), 1);
    const int stoppedAt = show->Progress();
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, 100);
    TSurface left = show->ScreenBitmap().Surface();
    EXPECT_TRUE(SameColors(left, EngineFrame(a->Surface(), b->Surface(), 51, stoppedAt)));
    show->Stop();  // not busy: nothing
    EXPECT_EQ(rec.Count('E'), 1);
    Load(*c);
    show->Execute();
    EXPECT_TRUE(SameColors(rec.start, left));
    show->Stop();
}

TEST_F(SlideShowTest, ExecuteFromOnStopAfterAStopRunsItsTransition) {
    auto a = Pattern(60, 40, 22), b = Pattern(60, 40, 23);
    show->SetDelay(20);
    Load(*a);
    show->Execute();
    int stops = 0, completes = 0;
    show->OnComplete = [&](TObject*) { ++completes; };
    show->OnStop = [&](TObject*) {
        if (++stops == 1) {
            Load(*b);
            show->Execute();  // the next slide, from where the stop left off
        }
    };
    test::Pump(30);
    show->Stop();
    EXPECT_TRUE(show->Busy());
    ASSERT_TRUE(WaitUntil([&] { return !show->Busy(); }));
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(completes, 1);
    EXPECT_TRUE(SameColors(show->ScreenBitmap().Surface(), b->Surface()));
}

TEST_F(SlideShowTest, StyleNamesAndLimits) {
    show->SetStyleName("custom");
    EXPECT_EQ(show->Style(), 0);
    EXPECT_EQ(show->StyleName(), "Custom");
    show->SetStyleName("EXPAND FROM RIGHT");
    EXPECT_EQ(show->Style(), 1);
    show->SetStyleName("no such style");
    EXPECT_EQ(show->Style(), 1);
    show->SetStyle(33);
    EXPECT_EQ(show->StyleName(), "Expand from bottom");
    show->SetStyleName(show->StyleName());
    EXPECT_EQ(show->Style(), 18);
    show->SetStyle(172);
    EXPECT_EQ(show->Style(), 18);
}

TEST_F(SlideShowTest, ManualFramesEqualTheEnginesAndSteppingGoesOn) {
    show->SetBounds(0, 0, 160, 90);
    auto a = Pattern(160, 90, 10), b = Pattern(160, 90, 11);
    show->SetDelay(0);
    show->SetStep(100);
    Load(*a);
    RunToEnd();
    Recorder rec(*show);
    show->SetManual(true);
    Load(*b);
    show->Execute();
    EXPECT_TRUE(show->Busy());
    EXPECT_EQ(show->Progress(), 0);
    EXPECT_TRUE(SameColors(show->ScreenBitmap().Surface(), a->Surface()));
    // Every style's frame is the engine's frame for the same inputs, and the
    // window shows it.
    for (int style : {1, 17, 33, 51, 58, 65, 84, 118, 119, 123, 127, 131, 143, 152, 168, 169, 171}) {
        show->SetStyle(style);
        for (int p : {23, 50, 77}) {
            SetRandSeed(1000u + p);
            show->SetProgress(p);
            SetRandSeed(1000u + p);
            TSurface want = EngineFrame(a->Surface(), b->Surface(), style, p);
            ASSERT_TRUE(SameColors(show->ScreenBitmap().Surface(), want)) << style << " at " << p;
        }
    }
    auto shown = test::Render(*show);
    TSurface& sh = shown->Surface();
    TSurface& sc = show->ScreenBitmap().Surface();
    for (int y = 0; y < 90; y += 7)
        for (int x = 0; x < 160; x += 11) ASSERT_EQ(sh.At(x, y) & 0xFFFFFF, sc.At(x, y) & 0xFFFFFF);
    // In manual mode a style change re-renders at once.
    show->SetStyle(5);
    EXPECT_TRUE(SameColors(sc, EngineFrame(a->Surface(), b->Surface(), 5, 77)));
    show->SetProgress(50);
    show->SetDelay(5);
    show->SetStep(10);
    rec.progress.clear();
    show->SetManual(false);
    ASSERT_TRUE(WaitUntil([&] { return !show->Busy(); }));
    ASSERT_FALSE(rec.progress.empty());
    EXPECT_EQ(rec.progress.front(), 60);
    EXPECT_EQ(rec.progress.back(), 100);
    EXPECT_EQ(rec.log.substr(rec.log.size() - 2), "CE");
}

TEST_F(SlideShowTest, ReverseRunsFromTheNewPictureBackToTheStart) {
    auto a = Pattern(80, 60, 12), b = Pattern(80, 60, 13);
    show->SetDelay(0);
    show->SetStep(100);
    Load(*a);
    RunToEnd();
    Recorder rec(*show);
    show->SetStep(4);
    show->SetReverse(true);
    Load(*b);
    RunToEnd();
    EXPECT_EQ(rec.startProgress, 100);
    ASSERT_EQ(rec.progress.size(), 25u);
    EXPECT_EQ(rec.progress.front(), 96);
    EXPECT_EQ(rec.progress.back(), 0);
    EXPECT_TRUE(SameColors(show->ScreenBitmap().Surface(), a->Surface()));
    EXPECT_EQ(rec.log.substr(rec.log.size() - 2), "CE");
}

TEST_F(SlideShowTest, ProportionalCentredPictureAmidTheBackground) {
    show->SetBounds(0, 0, 200, 200);
    show->SetColor(RGB(0, 255, 0));
    show->SetProportional(true);
    show->SetCenter(true);
    show->SetDelay(0);
    show->SetStep(100);
    auto pic = Solid(400, 300, RgbOf(255, 0, 0));
    Load(*pic);
    RunToEnd();
    EXPECT_EQ(show->DisplayRect(), (TRect{0, 25, 200, 175}));
    auto bmp = test::Render(*show);
    EXPECT_EQ(Rgb(*bmp, 100, 10), RgbOf(0, 255, 0));
    EXPECT_EQ(Rgb(*bmp, 100, 24), RgbOf(0, 255, 0));
    EXPECT_EQ(Rgb(*bmp, 100, 25), RgbOf(255, 0, 0));
    EXPECT_EQ(Rgb(*bmp, 199, 174), RgbOf(255, 0, 0));
    EXPECT_EQ(Rgb(*bmp, 100, 175), RgbOf(0, 255, 0));
    // A frame line around it, kept inside its rectangle; the display
    // rectangle shrinks to make room.
    show->SetFrameWidth(3);
    show->SetFrameColor(RGB(0, 0, 255));
    // 194 x 194 available: 194 x 146 (MulDiv rounds 145.5 up) at (3, 27).
    EXPECT_EQ(show->DisplayRect(), (TRect{3, 27, 197, 173}));
    bmp = test::Render(*show);
    EXPECT_EQ(Rgb(*bmp, 0, 24), RgbOf(0, 0, 255));
    EXPECT_EQ(Rgb(*bmp, 2, 100), RgbOf(0, 0, 255));
    EXPECT_EQ(Rgb(*bmp, 3, 100), RgbOf(255, 0, 0));
    EXPECT_EQ(Rgb(*bmp, 100, 23), RgbOf(0, 255, 0));
    EXPECT_EQ(Rgb(*bmp, 199, 175), RgbOf(0, 0, 255));
    EXPECT_EQ(Rgb(*bmp, 100, 176), RgbOf(0, 255, 0));
    // Clear: the background only.
    show->Clear();
    EXPECT_TRUE(show->ScreenBitmap().Empty());
    EXPECT_TRUE(show->DisplayRect().IsEmpty());
    bmp = test::Render(*show);
    EXPECT_EQ(Rgb(*bmp, 100, 100), RgbOf(0, 255, 0));
}

TEST_F(SlideShowTest, BackgroundModes) {
    show->SetBounds(0, 0, 100, 80);
    show->SetColor(RGB(1, 2, 3));
    auto tile = Pattern(7, 5, 14);
    show->BgPicture().SetGraphic(tile.get());
    auto bmp = test::Render(*show);
    for (int y : {0, 4, 5, 79})
        for (int x : {0, 6, 7, 99}) ASSERT_EQ(Rgb(*bmp, x, y), tile->Surface().At(x % 7, y % 5) & 0xFFFFFF);
    show->SetBgMode(bmCentered);
    bmp = test::Render(*show);
    EXPECT_EQ(Rgb(*bmp, 46, 37), tile->Surface().At(0, 0) & 0xFFFFFF);  // at ((100-7)/2, (80-5)/2)
    EXPECT_EQ(Rgb(*bmp, 45, 37), RgbOf(1, 2, 3));
    show->SetBgMode(bmStretched);
    bmp = test::Render(*show);
    EXPECT_EQ(Rgb(*bmp, 99, 79), tile->Surface().At(6, 4) & 0xFFFFFF);
    show->SetBgMode(bmNone);
    bmp = test::Render(*show);
    EXPECT_EQ(Rgb(*bmp, 50, 40), RgbOf(1, 2, 3));
}

TEST_F(SlideShowTest, FastPaintCopiesOnlyTheScreen) {
    show->SetBounds(0, 0, 120, 100);
    show->SetColor(RGB(0, 255, 0));
    show->SetCenter(true);
    show->SetDelay(0);
    show->SetStep(100);
    auto pic = Pattern(80, 60, 15);
    Load(*pic);
    RunToEnd();
    // A paint whose area lies inside the display rectangle (20, 20, 100, 80).
    TBitmap target(120, 100);
    TCanvas& tc = target.Canvas();
    tc.Brush().SetColor(RGB(9, 9, 9));
    tc.FillRect(TRect{0, 0, 120, 100});
    int saved = tc.SaveState();
    tc.IntersectClip(TRect{30, 30, 60, 50});
    SendMessageW(show->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(tc.Handle()), 0);
    tc.RestoreState(saved);
    GdiFlush();
    EXPECT_EQ(Rgb(target, 30, 30), pic->Surface().At(10, 10) & 0xFFFFFF);
    EXPECT_EQ(Rgb(target, 59, 49), pic->Surface().At(39, 29) & 0xFFFFFF);
    EXPECT_EQ(Rgb(target, 29, 30), RgbOf(9, 9, 9));
    // A paint of the whole client area draws the background too.
    SendMessageW(show->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(tc.Handle()), 0);
    GdiFlush();
    EXPECT_EQ(Rgb(target, 5, 5), RgbOf(0, 255, 0));
    EXPECT_EQ(Rgb(target, 20, 20), pic->Surface().At(0, 0) & 0xFFFFFF);
}

TEST_F(SlideShowTest, AutoSizeFitsPictureAndFrame) {
    show->SetFrameWidth(2);
    show->SetAutoSize(true);
    auto pic = Pattern(120, 80, 16);
    Load(*pic);
    EXPECT_EQ(show->Width(), 124);
    EXPECT_EQ(show->Height(), 84);
    show->SetFrameWidth(5);
    EXPECT_EQ(show->Width(), 130);
    show->SetAlign(TAlign::alClient);
    EXPECT_EQ(show->Width(), form->ClientWidth());
}

TEST_F(SlideShowTest, UnthreadedTransitionRunsInTheCallerAndStopsFromAMessage) {
    show->SetThreaded(false);
    Recorder rec(*show);
    auto pic = Pattern(60, 40, 17);
    Load(*pic);
    show->SetDelay(1);
    show->Execute();  // returns at the end
    EXPECT_FALSE(show->Busy());
    EXPECT_EQ(rec.progressOnWindowThread, 25);
    EXPECT_EQ(rec.log.substr(rec.log.size() - 2), "CE");
    // A Stop dispatched while the loop waits ends the loop (it used to spin
    // for ever once the stop had cleared its flag).
    rec.log.clear();
    show->SetDelay(40);
    TTimer timer(nullptr);
    timer.SetInterval(150);
    timer.SetOnTimer([&](TObject*) {
        timer.SetEnabled(false);
        show->Stop();
    });
    auto other = Pattern(60, 40, 18);
    Load(*other);
    show->Execute();
    EXPECT_FALSE(show->Busy());
    EXPECT_EQ(rec.Count('E'), 1);
    EXPECT_EQ(rec.Count('C'), 0);
    EXPECT_LT(show->Progress(), 100);
}

TEST_F(SlideShowTest, ExactTimingEnlargesLateStepsAndSurvivesDelayZero) {
    auto pic = Pattern(60, 40, 19);
    Load(*pic);
    Recorder rec(*show);
    show->SetExactTiming(true);
    show->SetDelay(0);
    show->OnProgress = [&](TObject*) { Sleep(2); };  // every step is "late"
    RunToEnd();
    EXPECT_EQ(show->Progress(), 100);
    show->SetDelay(10);
    std::vector<int> seen;
    show->OnProgress = [&](TObject*) {
        seen.push_back(show->Progress());
        Sleep(25);  // 2.5 delays per step
    };
    auto other = Pattern(60, 40, 20);
    Load(*other);
    RunToEnd();
    ASSERT_GE(seen.size(), 2u);
    EXPECT_LT(seen.size(), 20u);
    EXPECT_GE(seen[1] - seen[0], 8);
}

TEST_F(SlideShowTest, ThreadPriorityAndCustomStyle) {
    show->SetThreadPriority(TThreadPriority::tpLowest);
    show->SetStyle(0);
    show->SetDelay(0);
    show->SetStep(25);
    std::atomic<int> priority{-100};
    std::vector<int> drawn;
    show->OnCustomDraw = [&](TObject*, TBitmap& picture, TBitmap& screen) {
        priority = GetThreadPriority(GetCurrentThread());
        drawn.push_back(show->Progress());
        screen.Surface() = picture.Surface();
    };
    auto pic = Pattern(30, 20, 21);
    Load(*pic);
    RunToEnd();
    EXPECT_EQ(priority, THREAD_PRIORITY_LOWEST);
    EXPECT_EQ(drawn, (std::vector<int>{25, 50, 75}));  // not at 0 or 100
}

}  // namespace
}  // namespace vd
