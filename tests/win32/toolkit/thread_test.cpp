// Threads, synchronous calls to the window thread, and canvas locks.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/thread.h"

namespace vd {
namespace {

class FnThread : public TThread {
public:
    explicit FnThread(std::function<void(FnThread&)> fn) : fn_(std::move(fn)) {}
    using TThread::SetReturnValue;
    using TThread::Terminated;

protected:
    void Execute() override { fn_(*this); }

private:
    std::function<void(FnThread&)> fn_;
};

TEST(ThreadTest, SynchronizeRunsOnTheWindowThreadWhileItWaits) {
    std::vector<DWORD> ranOn;
    auto* t = NewThread<FnThread>(false, [&](FnThread& self) {
        for (int i = 0; i < 5; ++i) TThread::Synchronize([&] { ranOn.push_back(GetCurrentThreadId()); });
        self.SetReturnValue(7);
    });
    EXPECT_EQ(t->WaitFor(), 7);
    ASSERT_EQ(ranOn.size(), 5u);
    for (DWORD id : ranOn) EXPECT_EQ(id, GetCurrentThreadId());
    delete t;
}

TEST(ThreadTest, SynchronizeIsServedByTheMessageLoop) {
    std::atomic<bool> done{false};
    int value = 0;
    DWORD windowThread = GetCurrentThreadId();
    auto* t = NewThread<FnThread>(false, [&](FnThread&) {
        TThread::Synchronize([&] { value = 42; });
        done = true;
        PostThreadMessageW(windowThread, WM_NULL, 0, 0);  // wakes the loop's wait
    });
    DWORD start = GetTickCount();
    while (!done && GetTickCount() - start < 5000) Application().HandleMessage();
    EXPECT_TRUE(done);
    EXPECT_EQ(value, 42);
    t->WaitFor();
    delete t;
}

TEST(ThreadTest, SentMessagesAreServedWhileWaiting) {
    // A worker sends a message to a window of the window thread (as a
    // synchronous repaint request does) while that thread waits for it.
    TForm form(nullptr);
    form.SetBounds(0, 0, 50, 50);
    HWND h = form.Handle();
    auto* t = NewThread<FnThread>(false, [&](FnThread& self) {
        LRESULT r = SendMessageW(h, WM_GETTEXTLENGTH, 0, 0);
        self.SetReturnValue(static_cast<int>(r) + 1);
    });
    EXPECT_EQ(t->WaitFor(), 1);
    delete t;
}

TEST(ThreadTest, ExceptionsComeBackToTheCaller) {
    std::string caught;
    auto* t = NewThread<FnThread>(false, [&](FnThread&) {
        try {
            TThread::Synchronize([] { throw Exception("boom"); });
        } catch (const Exception& e) {
            caught = e.what();
        }
        throw Exception("worker failed");
    });
    t->WaitFor();
    EXPECT_EQ(caught, "boom");
    ASSERT_TRUE(t->FatalException());
    delete t;
}

TEST(ThreadTest, SuspendedThreadRunsOnlyWhenStarted) {
    std::atomic<int> runs{0};
    auto* t = NewThread<FnThread>(true, [&](FnThread&) { ++runs; });
    EXPECT_TRUE(t->Suspended());
    Sleep(50);
    EXPECT_EQ(runs, 0);
    t->SetPriority(TThreadPriority::tpLower);
    EXPECT_EQ(GetThreadPriority(t->Handle()), THREAD_PRIORITY_BELOW_NORMAL);
    t->Start();
    t->WaitFor();
    EXPECT_EQ(runs, 1);
    delete t;
    // Deleting a thread that never started does not run it.
    auto* never = NewThread<FnThread>(true, [&](FnThread&) { ++runs; });
    delete never;
    EXPECT_EQ(runs, 1);
}

TEST(ThreadTest, TerminateAndFreeOnTerminate) {
    auto* looping = NewThread<FnThread>(false, [](FnThread& self) {
        while (!self.Terminated()) Sleep(1);
    });
    looping->Terminate();
    looping->WaitFor();
    EXPECT_TRUE(looping->Finished());
    delete looping;

    std::atomic<bool> terminatedOnWindowThread{false};
    DWORD windowThread = GetCurrentThreadId();
    auto* self = NewThread<FnThread>(true, [](FnThread&) {});
    self->SetFreeOnTerminate(true);
    self->OnTerminate = [&](TObject*) { terminatedOnWindowThread = GetCurrentThreadId() == windowThread; };
    EXPECT_THROW(self->WaitFor(), EInvalidOperation);
    self->Start();
    DWORD start = GetTickCount();
    while (!terminatedOnWindowThread && GetTickCount() - start < 5000) test::Pump(1);
    EXPECT_TRUE(terminatedOnWindowThread);
}

// Counts its paints and the threads they ran on.
class PaintCounter : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::atomic<int> paints{0};
    std::atomic<DWORD> paintThread{0};
    TRect lastClip;

protected:
    void Paint() override {
        ++paints;
        paintThread = GetCurrentThreadId();
        lastClip = Canvas().ClipRect();
    }
};

TEST(ThreadTest, RedrawAreaFromAnotherThreadPaintsBeforeItReturns) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 120, 120);
    auto* c = new PaintCounter(&form);
    c->SetParent(&form);
    c->SetBounds(10, 10, 100, 100);
    form.Show();
    test::Pump(50);
    std::vector<int> seen;
    auto* t = NewThread<FnThread>(false, [&](FnThread&) {
        for (int i = 0; i < 20; ++i) {
            int before = c->paints;
            c->RedrawArea(TRect{10, 20, 30, 40});
            seen.push_back(c->paints - before);
        }
    });
    t->WaitFor();  // the window thread paints while it waits
    delete t;
    ASSERT_EQ(seen.size(), 20u);
    for (int n : seen) EXPECT_EQ(n, 1);
    EXPECT_EQ(c->paintThread, GetCurrentThreadId());
    EXPECT_EQ(c->lastClip, (TRect{10, 20, 30, 40}));
    // On the window thread it paints at once.
    int before = c->paints;
    c->RedrawArea(TRect{0, 0, 5, 5});
    EXPECT_EQ(c->paints, before + 1);
}

TEST(ThreadTest, CanvasLockOrdersDrawingAcrossThreads) {
    TBitmap bmp(8, 8);
    HANDLE locked = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    auto* t = NewThread<FnThread>(false, [&](FnThread&) {
        TCanvasLock lock(bmp.Canvas());
        SetEvent(locked);
        WaitForSingleObject(release, INFINITE);
        bmp.Canvas().Brush().SetColor(RGB(0, 255, 0));
        bmp.Canvas().FillRect(TRect{0, 0, 8, 8});
    });
    WaitForSingleObject(locked, INFINITE);
    EXPECT_FALSE(bmp.Canvas().TryLock());
    SetEvent(release);
    bmp.Canvas().Lock();  // waits for the worker's drawing
    EXPECT_EQ(test::Rgb(bmp, 4, 4), 0x00FF00u);
    bmp.Canvas().Unlock();
    t->WaitFor();
    delete t;
    CloseHandle(locked);
    CloseHandle(release);
}

}  // namespace
}  // namespace vd
