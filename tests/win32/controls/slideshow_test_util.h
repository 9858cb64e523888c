// Helpers for the Wine tests of the slideshow: a watchdog that fails a hung
// test instead of letting it hang, waits that pump messages, pictures, the
// frame the engine renders for a style and progress, and the process's
// resources (GDI headroom, threads, working set).
#pragma once
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "controls/xp_slideshow.h"
#include "slideshow/effect_table.h"
#include "slideshow/extents.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd::test {

// Ends the process with a message when the scope takes longer than `ms`:
// a deadlock fails the run at once instead of waiting for ctest's timeout.
class Watchdog {
public:
    explicit Watchdog(DWORD ms) : ms_(ms), done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        snprintf(name_, sizeof(name_), "%s.%s", info ? info->test_suite_name() : "?",
                 info ? info->name() : "?");
        thread_ = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    }
    ~Watchdog() {
        SetEvent(done_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(done_);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    static DWORD WINAPI Run(void* p) {
        auto* self = static_cast<Watchdog*>(p);
        if (WaitForSingleObject(self->done_, self->ms_) == WAIT_TIMEOUT) {
            fprintf(stderr, "\n[  FAILED  ] %s hung for %lu ms (watchdog)\n", self->name_,
                    static_cast<unsigned long>(self->ms_));
            fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
        return 0;
    }
    DWORD ms_;
    HANDLE done_;
    HANDLE thread_ = nullptr;
    char name_[256] = {};
};

// Pumps messages until `done` or `ms` have passed; returns done().
inline bool WaitUntil(const std::function<bool()>& done, DWORD ms = 10000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        Application().ProcessMessages();
        HANDLE sync = SyncEvent();
        MsgWaitForMultipleObjects(1, &sync, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

// A picture whose pixels differ everywhere: (x, y, salt) mixed.
inline std::unique_ptr<TBitmap> Pattern(int w, int h, uint32_t salt) {
    auto b = std::make_unique<TBitmap>(w, h);
    TSurface& s = b->Surface();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.At(x, y) = (static_cast<uint32_t>(x) * 2654435761u + static_cast<uint32_t>(y) * 40503u + salt * 977u) &
                         0xFFFFFFu;
    return b;
}

inline std::unique_ptr<TBitmap> Solid(int w, int h, uint32_t rgb) {
    auto b = std::make_unique<TBitmap>(w, h);
    TSurface& s = b->Surface();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = rgb;
    return b;
}

// Colour bytes of two surfaces equal.
inline bool SameColors(const TSurface& a, const TSurface& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if ((a.At(x, y) ^ b.At(x, y)) & 0xFFFFFFu) return false;
    return true;
}

inline uint64_t Hash(const TSurface& s) {
    uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) h = (h ^ (s.At(x, y) & 0xFFFFFFu)) * 1099511628211ull;
    return h;
}

// What the engine renders for a style and progress from a start frame and a
// picture: the frame composed directly, without the control.
inline TSurface EngineFrame(const TSurface& start, const TSurface& picture, int style, int progress) {
    TSurface s = start;
    if (progress >= 100) return picture;
    if (progress <= 0) return s;
    TExtents e = ProgressExtents(s.Width(), s.Height(), progress);
    EffectByStyle(style)->Proc(s, picture, s.Width(), s.Height(), e.X, e.Y, progress);
    return s;
}

// How many 1 x 1 bitmaps the process can still create (GDI headroom); they
// are freed again.
inline int GdiHeadroom() {
    std::vector<HBITMAP> made;
    made.reserve(70000);
    for (;;) {
        HBITMAP b = CreateBitmap(1, 1, 1, 1, nullptr);
        if (!b) break;
        made.push_back(b);
        if (made.size() > 200000) break;  // no limit at all: stop somewhere
    }
    for (HBITMAP b : made) DeleteObject(b);
    return static_cast<int>(made.size());
}

inline int ThreadCount() {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snap == INVALID_HANDLE_VALUE) return -1;
    THREADENTRY32 te{};
    te.dwSize = sizeof(te);
    int n = 0;
    DWORD pid = GetCurrentProcessId();
    for (BOOL ok = Thread32First(snap, &te); ok; ok = Thread32Next(snap, &te))
        if (te.th32OwnerProcessID == pid) ++n;
    CloseHandle(snap);
    return n;
}

inline size_t WorkingSet() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof(pmc);
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof(pmc));
    return pmc.WorkingSetSize;
}

// A borderless shown form (one per test suite: showing and destroying a
// top-level window costs Wine a while) with a fresh slideshow on it for
// every test, guarded by a watchdog.
class SlideshowFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        form = NewBorderlessForm(20, 20, 560, 260);
        form->SetColor(RGB(10, 20, 30));
        form->Show();
        Pump();
    }
    static void TearDownTestSuite() {
        delete form;
        form = nullptr;
        Pump();
    }
    void SetUp() override {
        dog = std::make_unique<Watchdog>(WatchdogMs());
        show = new TXPSlideShow(form);
        show->SetParent(form);
        Pump();
    }
    void TearDown() override {
        delete show;
        Pump();
        dog.reset();
    }
    virtual DWORD WatchdogMs() const { return 60000; }
    // Loads a copy of `b` into the slideshow's picture.
    void Load(TBitmap& b) { show->Picture().SetGraphic(&b); }
    // Runs a transition to its end (or fails).
    void RunToEnd() {
        show->Execute();
        ASSERT_TRUE(WaitUntil([&] { return !show->Busy(); }, 20000)) << "transition did not end";
    }

    static inline TForm* form = nullptr;
    std::unique_ptr<Watchdog> dog;
    TXPSlideShow* show = nullptr;
};

}  // namespace vd::test
