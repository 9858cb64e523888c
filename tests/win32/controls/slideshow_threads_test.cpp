// The slideshow's animation thread against the window thread: no deadlock,
// no lost OnStop, no half-composed frame on screen, no style change inside
// a frame, nothing left behind after destruction, and no leak of GDI
// objects, threads or memory across transitions.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <random>
#include <set>

#include "core/random.h"
#include "tests/win32/controls/slideshow_test_util.h"

namespace vd {
namespace {

using test::EngineFrame;
using test::Hash;
using test::Pattern;
using test::SameColors;
using test::WaitUntil;

using SlideShowThreadTest = test::SlideshowFixture;

TEST_F(SlideShowThreadTest, ThousandRapidExecuteStopCycles) {
    auto a = Pattern(200, 100, 1), b = Pattern(200, 100, 2);
    std::atomic<int> stops{0}, completes{0}, starts{0};
    show->OnStart = [&](TObject*, TBitmap&, TBitmap&) { ++starts; };
    show->OnStop = [&](TObject*) { ++stops; };
    show->OnComplete = [&](TObject*) { ++completes; };
    show->SetStyle(118);
    const int threadsBefore = test::ThreadCount();
    std::mt19937 rng(7);
    for (int i = 0; i < 1000; ++i) {
        Load(i % 2 ? *a : *b);
        show->Execute();
        ASSERT_TRUE(show->Busy());
        // Now and then let a frame or two be composed and painted first.
        if (i % 3 == 0) test::Pump(static_cast<int>(rng() % 3));
        show->Stop();
        ASSERT_FALSE(show->Busy()) << "cycle " << i;
    }
    test::Pump();
    EXPECT_EQ(starts, 1000);
    EXPECT_EQ(stops, 1000);
    EXPECT_EQ(completes, 0);
    EXPECT_EQ(test::ThreadCount(), threadsBefore);
}

// Checks every frame the control composes against the engine's frame for
// the style and progress in force while it was composed (the frame lock
// keeps both still for the whole frame).
struct FrameChecker {
    explicit FrameChecker(TXPSlideShow& s) {
        s.OnStart = [this](TObject*, TBitmap& picture, TBitmap& screen) {
            std::lock_guard<std::mutex> l(m);
            start = screen.Surface();
            pic = picture.Surface();
        };
        s.OnBeforeNewFrame = [this](TObject*, TBitmap&, TBitmap&) { seed = RandSeed(); };
        s.OnAfterNewFrame = [this, &s](TObject*, TBitmap&, TBitmap& screen) {
            std::lock_guard<std::mutex> l(m);
            const uint32_t after = RandSeed();
            SetRandSeed(seed);
            TSurface want = EngineFrame(start, pic, s.Style(), s.Progress());
            SetRandSeed(after);
            ++frames;
            if (!SameColors(screen.Surface(), want)) ++wrong;
        };
        s.OnStop = [this](TObject*) { ++stops; };
    }
    std::mutex m;
    TSurface start, pic;
    uint32_t seed = 0;
    int frames = 0, wrong = 0;
    std::atomic<int> stops{0};
};

TEST_F(SlideShowThreadTest, StyleAndManualToggledMidTransition) {
    show->SetBounds(0, 0, 160, 90);
    auto a = Pattern(160, 90, 3), b = Pattern(160, 90, 4);
    show->SetDelay(3);
    show->SetStep(2);
    FrameChecker check(*show);
    std::mt19937 rng(11);
    const int transitions = 30;
    for (int t = 0; t < transitions; ++t) {
        Load(t % 2 ? *a : *b);
        show->Execute();
        while (show->Busy()) {
            switch (rng() % 4) {
                case 0: show->SetStyle(1 + static_cast<int>(rng() % 171)); break;
                case 1:
                    show->SetManual(true);
                    ASSERT_TRUE(show->Busy());  // stays busy, no thread
                    if (rng() % 2) show->SetProgress(static_cast<int>(rng() % 100));
                    show->SetStyle(1 + static_cast<int>(rng() % 171));
                    show->SetManual(false);
                    break;
                default: test::Pump(static_cast<int>(rng() % 4)); break;
            }
        }
        ASSERT_EQ(check.stops, t + 1) << "a transition ended without OnStop";
    }
    std::lock_guard<std::mutex> l(check.m);
    EXPECT_GT(check.frames, transitions * 10);
    EXPECT_EQ(check.wrong, 0);
}

TEST_F(SlideShowThreadTest, ScreenIsNeverShownHalfComposed) {
    show->SetBounds(0, 0, 120, 80);
    auto a = Pattern(120, 80, 5), b = Pattern(120, 80, 6);
    show->SetDelay(0);
    show->SetStep(100);
    Load(*a);
    show->Execute();
    ASSERT_TRUE(WaitUntil([&] { return !show->Busy(); }));
    // A custom style that composes slowly, row by row.
    std::mutex m;
    std::set<uint64_t> complete{Hash(a->Surface())};
    show->SetStyle(0);
    show->SetStep(5);
    show->OnCustomDraw = [&](TObject*, TBitmap& picture, TBitmap& screen) {
        TSurface& s = screen.Surface();
        const TSurface& p = picture.Surface();
        const int rows = s.Height() * show->Progress() / 100;
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < s.Width(); ++x) s.At(x, y) = p.At(x, y);
            if (y % 8 == 0) Sleep(1);
        }
    };
    show->OnAfterNewFrame = [&](TObject*, TBitmap&, TBitmap& screen) {
        std::lock_guard<std::mutex> l(m);
        complete.insert(Hash(screen.Surface()));
    };
    Load(*b);
    show->Execute();
    int captures = 0, torn = 0;
    TBitmap shot(120, 80);
    while (show->Busy()) {
        show->PaintTo(shot.Canvas(), 0, 0);
        GdiFlush();
        uint64_t h = Hash(shot.Surface());
        ++captures;
        {
            std::lock_guard<std::mutex> l(m);
            if (!complete.count(h)) ++torn;
        }
        Application().ProcessMessages();
    }
    EXPECT_GT(captures, 20);
    EXPECT_EQ(torn, 0);
}

TEST_F(SlideShowThreadTest, SecondExecuteWhileBusyAndNewPictureMidway) {
    auto a = Pattern(90, 60, 7), b = Pattern(90, 60, 8);
    std::atomic<int> starts{0};
    show->OnStart = [&](TObject*, TBitmap&, TBitmap&) { ++starts; };
    show->SetDelay(10);
    Load(*a);
    show->Execute();
    show->Execute();
    Load(*b);  // kept for the next Execute; this one goes on to a
    show->Execute();
    ASSERT_TRUE(WaitUntil([&] { return !show->Busy(); }));
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(SameColors(show->ScreenBitmap().Surface(), a->Surface()));
}

TEST_F(SlideShowThreadTest, DestroyedMidTransitionLeavesNothingBehind) {
    auto a = Pattern(300, 150, 9);
    const int threadsBefore = test::ThreadCount();
    std::atomic<int> stops{0};
    // The control deleted while its thread waits, and while it composes.
    for (int i = 0; i < 20; ++i) {
        auto* s = new TXPSlideShow(form);
        s->SetParent(form);
        s->SetDelay(i % 2 ? 40 : 0);
        s->SetStep(1);
        s->OnStop = [&](TObject*) { ++stops; };
        s->Picture().SetGraphic(a.get());
        s->Execute();
        test::Pump(i % 5);
        delete s;
    }
    EXPECT_EQ(stops, 0);  // no events while being destroyed
    // The window destroyed on its own (the control lives on): stopped.
    show->SetDelay(40);
    show->OnStop = [&](TObject*) { ++stops; };
    Load(*a);
    show->Execute();
    test::Pump(20);
    show->SetParent(nullptr);
    EXPECT_FALSE(show->Busy());
    EXPECT_EQ(stops, 1);
    show->SetParent(form);
    test::Pump();
    EXPECT_EQ(test::ThreadCount(), threadsBefore);
}

TEST_F(SlideShowThreadTest, ClosingTheFormMidTransition) {
    auto a = Pattern(300, 150, 10);
    const int threadsBefore = test::ThreadCount();
    auto* other = test::NewBorderlessForm(40, 300, 320, 170);
    bool freed = false;
    other->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
    other->OnDestroy = [&](TObject*) { freed = true; };
    auto* s = new TXPSlideShow(other);
    s->SetParent(other);
    s->SetBounds(0, 0, 300, 150);
    s->Picture().SetGraphic(a.get());
    other->Show();
    s->Execute();
    ASSERT_TRUE(WaitUntil([&] { return s->Progress() >= 8; }));
    other->Close();
    ASSERT_TRUE(WaitUntil([&] { return freed; }));
    test::Pump(20);
    EXPECT_EQ(test::ThreadCount(), threadsBefore);
}

class SlideShowLeakTest : public test::SlideshowFixture {
protected:
    DWORD WatchdogMs() const override { return 300000; }
};

TEST_F(SlideShowLeakTest, FourHundredTransitionsLeakNothing) {
    show->SetBounds(0, 0, 503, 186);
    auto a = Pattern(503, 186, 11), b = Pattern(503, 186, 12), small = Pattern(200, 100, 13);
    show->SetDelay(0);
    show->SetStep(20);
    std::mt19937 rng(5);
    std::atomic<int> stops{0};
    show->OnStop = [&](TObject*) { ++stops; };
    int gdiFirst = 0, threadsFirst = 0;
    size_t memFirst = 0;
    for (int i = 1; i <= 400; ++i) {
        // Same size (from the previous frame), another size (from the
        // background), styles at random, now and then stopped midway.
        Load(i % 9 == 0 ? *small : (i % 2 ? *a : *b));
        show->SetStyle(1 + static_cast<int>(rng() % 171));
        show->Execute();
        if (i % 7 == 0) {
            test::Pump(1);
            show->Stop();
        }
        ASSERT_TRUE(WaitUntil([&] { return !show->Busy(); })) << "transition " << i;
        if (i == 1) {
            test::Pump();
            gdiFirst = test::GdiHeadroom();
            threadsFirst = test::ThreadCount();
            memFirst = test::WorkingSet();
        }
    }
    test::Pump();
    EXPECT_EQ(stops, 400);
    const int gdiLast = test::GdiHeadroom();
    const int threadsLast = test::ThreadCount();
    const size_t memLast = test::WorkingSet();
    printf("GDI headroom %d -> %d, threads %d -> %d, working set %zu -> %zu KiB\n", gdiFirst, gdiLast,
           threadsFirst, threadsLast, memFirst / 1024, memLast / 1024);
    EXPECT_GT(gdiFirst, 1000);
    EXPECT_EQ(gdiLast, gdiFirst);
    EXPECT_EQ(threadsLast, threadsFirst);
    // One frame of work bitmaps is 3 x 366 KiB: a leak of any of them per
    // transition would add over 100 MiB; allow for heap settling only.
    EXPECT_LT(memLast, memFirst + 2 * 1024 * 1024);
}

}  // namespace
}  // namespace vd
