#include "system/waits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "system/message_pump.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point t0) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
}

// Posts one message to the counter from another thread after a delay.
std::thread PostLater(const test::TMessageCounter& counter, int delayMs) {
    HWND wnd = counter.Handle();
    return std::thread([wnd, delayMs] {
        Sleep(static_cast<DWORD>(delayMs));
        PostMessageW(wnd, WM_APP, 0, 0);
    });
}

TEST(DispatchPendingMessages, DispatchesEverythingWaiting) {
    test::TMessageCounter counter;
    for (int i = 0; i < 3; ++i) counter.Post();
    DispatchPendingMessages();
    EXPECT_EQ(counter.Count(), 3);
    DispatchPendingMessages();
    EXPECT_EQ(counter.Count(), 3);
}

TEST(DispatchPendingMessages, LeavesAQuitMessageForTheMessageLoop) {
    PostQuitMessage(5);
    DispatchPendingMessages();
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST(BusyWait, ZeroStillDispatchesOnce) {
    test::TMessageCounter counter;
    counter.Post();
    counter.Post();
    BusyWait(0);
    EXPECT_EQ(counter.Count(), 2);
}

TEST(BusyWait, DispatchesWhatArrivesDuringTheWait) {
    test::TMessageCounter counter;
    std::thread poster = PostLater(counter, 50);
    auto t0 = Clock::now();
    BusyWait(250);
    long long ms = MsSince(t0);
    poster.join();
    EXPECT_EQ(counter.Count(), 1);
    EXPECT_GE(ms, 240);
    EXPECT_LT(ms, 3000);
}

TEST(SleepWait, ZeroSleepsOnceThenDispatches) {
    test::TMessageCounter counter;
    counter.Post();
    auto t0 = Clock::now();
    SleepWait(0, 60);
    long long ms = MsSince(t0);
    EXPECT_EQ(counter.Count(), 1);
    EXPECT_GE(ms, 50);
    EXPECT_LT(ms, 2000);
}

TEST(SleepWait, StepsUntilTheTimeIsUp) {
    test::TMessageCounter counter;
    std::thread poster = PostLater(counter, 40);
    auto t0 = Clock::now();
    SleepWait(300, 50);
    long long ms = MsSince(t0);
    poster.join();
    EXPECT_EQ(counter.Count(), 1);
    EXPECT_GE(ms, 290);
    EXPECT_LT(ms, 3000);
    // A negative step does not turn into an endless sleep.
    t0 = Clock::now();
    SleepWait(20, -1);
    EXPECT_LT(MsSince(t0), 2000);
}

TEST(SleepWait, ServesSentMessagesDuringTheSleep) {
    // Another thread's synchronous request (a slideshow's repaint) is
    // answered at once, not at the end of the step.
    test::TMessageCounter counter;
    HWND wnd = counter.Handle();
    long long sendMs = -1;
    std::thread sender([wnd, &sendMs] {
        Sleep(30);
        auto t0 = Clock::now();
        SendMessageW(wnd, WM_APP, 0, 0);
        sendMs = MsSince(t0);
    });
    SleepWait(400, 300);
    sender.join();
    EXPECT_EQ(counter.Count(), 1);
    EXPECT_GE(sendMs, 0);
    EXPECT_LT(sendMs, 150);
}

TEST(TimerWait, Milliseconds) {
    auto t0 = Clock::now();
    TimerWait(100, wuMilliseconds);
    long long ms = MsSince(t0);
    EXPECT_GE(ms, 90);
    EXPECT_LT(ms, 1500);
}

TEST(TimerWait, Seconds) {
    auto t0 = Clock::now();
    TimerWait(2, wuSeconds);
    long long ms = MsSince(t0);
    EXPECT_GE(ms, 1950);
    EXPECT_LT(ms, 5000);
}

TEST(TimerWait, DispatchesMessagesWhileWaiting) {
    test::TMessageCounter counter;
    std::thread poster = PostLater(counter, 50);
    auto t0 = Clock::now();
    TimerWait(300, wuMilliseconds);
    long long ms = MsSince(t0);
    poster.join();
    EXPECT_EQ(counter.Count(), 1);
    EXPECT_GE(ms, 290);  // the message did not end the wait
    EXPECT_LT(ms, 3000);
}

TEST(TimerWait, OtherUnitsAndPastTimesReturnAtOnce) {
    auto t0 = Clock::now();
    TimerWait(5, 3);
    TimerWait(5, 0);
    TimerWait(0, wuMilliseconds);
    TimerWait(-50, wuSeconds);  // a due time already past
    EXPECT_LT(MsSince(t0), 1000);
}

TEST(TimerWait, NameIsTheTimeOfDayWithoutLeadingZeros) {
    EXPECT_EQ(TimerNameFor(9, 5, 7, 30), "95730");
    EXPECT_EQ(TimerNameFor(23, 59, 59, 999), "235959999");
    EXPECT_EQ(TimerNameFor(0, 0, 0, 0), "0000");
}

TEST(TimerWait, ATimerOfTheSameNameIsNotShared) {
    // Someone else holds, armed for 400 ms, a timer under every name this
    // wait can pick during the current second. The wait must neither re-arm
    // nor consume theirs: each of them still fires on its own.
    SYSTEMTIME t;
    do {
        GetLocalTime(&t);
        if (t.wMilliseconds >= 400) Sleep(1000 - t.wMilliseconds + 5);
    } while (t.wMilliseconds >= 400);
    std::vector<HANDLE> others;
    LARGE_INTEGER due;
    due.QuadPart = -400 * 10000LL;
    for (int ms = 0; ms < 1000; ++ms) {
        std::string name = TimerNameFor(t.wHour, t.wMinute, t.wSecond, ms);
        std::wstring wname(name.begin(), name.end());
        HANDLE h = CreateWaitableTimerW(nullptr, FALSE, wname.c_str());
        ASSERT_NE(h, nullptr);
        ASSERT_TRUE(SetWaitableTimer(h, &due, 0, nullptr, nullptr, FALSE));
        others.push_back(h);
    }
    auto t0 = Clock::now();
    TimerWait(150, wuMilliseconds);
    long long ms = MsSince(t0);
    EXPECT_GE(ms, 140);
    EXPECT_LT(ms, 2000);
    Sleep(700);
    int unsignalled = 0;
    for (HANDLE h : others) {
        if (WaitForSingleObject(h, 0) != WAIT_OBJECT_0) ++unsignalled;
        CloseHandle(h);
    }
    EXPECT_EQ(unsignalled, 0);
}

}  // namespace
}  // namespace vd
