// The transition engine used from several threads at once, as the slideshow's
// animation thread composes frames while the window thread draws from the
// process-wide generator (to pick the next style) and, in tests and tools,
// other threads render too. Every style keeps its state on the stack, in its
// own surfaces or in thread-local buffers, the fixed-seed styles draw from a
// private generator, and the effect table is built once whichever thread
// asks first. Run under ThreadSanitizer by scripts/test.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <iterator>
#include <thread>
#include <vector>

#include "core/random.h"
#include "fx_test_util.h"
#include "slideshow/effect_builders.h"
#include "slideshow/effect_table.h"
#include "slideshow/extents.h"

namespace vd {
namespace {

using fxtest::MakePicture;
using fxtest::MakeStart;

bool DrawsFromTheProcessSeed(int style) {
    return (style >= 65 && style <= 68) || (style >= 76 && style <= 79) || (style >= 100 && style <= 109) ||
           (style >= 123 && style <= 126);
}

TSurface Render(int style, const TSurface& start, const TSurface& picture, int progress) {
    TSurface screen = start;
    const TExtents e = ProgressExtents(start.Width(), start.Height(), progress);
    EffectByStyle(style)->Proc(screen, picture, start.Width(), start.Height(), e.X, e.Y, progress);
    return screen;
}

bool Same(const TSurface& a, const TSurface& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && std::memcmp(a.Bits(), b.Bits(), a.ByteSize()) == 0;
}

// Renders every style at three progresses; frames of the styles that do not
// draw from the process-wide seed go to `frames` in order.
void RenderAll(const TSurface& start, const TSurface& picture, std::vector<TSurface>& frames) {
    for (int style = 1; style <= kEffectCount; ++style)
        for (int progress : {13, 50, 87}) {
            TSurface f = Render(style, start, picture, progress);
            if (!DrawsFromTheProcessSeed(style)) frames.push_back(std::move(f));
        }
}

// Declared first so that the effect table is first asked for by two threads
// at once.
TEST(RenderThreads, TwoThreadsRenderEveryStyleAtOnceAsOneThreadDoes) {
    const TSurface startA = MakeStart(61, 37), pictureA = MakePicture(61, 37);
    const TSurface startB = MakeStart(40, 50), pictureB = MakePicture(40, 50);
    std::vector<TSurface> a, b;
    std::thread ta([&] { RenderAll(startA, pictureA, a); });
    std::thread tb([&] { RenderAll(startB, pictureB, b); });
    ta.join();
    tb.join();

    std::vector<TSurface> aloneA, aloneB;
    RenderAll(startA, pictureA, aloneA);
    RenderAll(startB, pictureB, aloneB);
    ASSERT_EQ(a.size(), aloneA.size());
    ASSERT_EQ(b.size(), aloneB.size());
    for (size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(Same(a[i], aloneA[i])) << "frame " << i;
    for (size_t i = 0; i < b.size(); ++i) EXPECT_TRUE(Same(b[i], aloneB[i])) << "frame " << i;
}

TEST(RenderThreads, FixedSeedStylesIgnoreAnotherThreadDrawingFromTheProcessSeed) {
    const TSurface start = MakeStart(61, 37), picture = MakePicture(61, 37);
    const int styles[] = {127, 169, 170, 171};
    std::vector<TSurface> expected;
    for (int style : styles) expected.push_back(Render(style, start, picture, 45));

    std::atomic<bool> done{false};
    std::thread picker([&] {
        while (!done) {
            SetRandSeed(RandSeed() ^ 0x9E3779B9u);
            Random(kEffectCount);
        }
    });
    int mismatches = 0;
    for (int round = 0; round < 20; ++round)
        for (size_t i = 0; i < std::size(styles); ++i)
            mismatches += Same(Render(styles[i], start, picture, 45), expected[i]) ? 0 : 1;
    done = true;
    picker.join();
    EXPECT_EQ(mismatches, 0);
}

TEST(RenderThreads, ShredsAndSpecklesDrawFromTheProcessSeedWhileOthersDo) {
    // The builders that use the process-wide generator as it stands, from two
    // threads at once: each draw is one whole step of the shared sequence.
    auto build = [] {
        for (int i = 0; i < 200; ++i) {
            ShredRegion(30 + i % 30, 20, 61, 37, 1 + i % 4, 1 + i % 4);
            SpeckleRegion(30, 10 + i % 20, 61, 37, 1 + i % 2, 1 + i % 2);
        }
    };
    SetRandSeed(1);
    std::thread t(build);
    build();
    t.join();
    // Both threads together took as many steps as the same work in one.
    const uint32_t together = RandSeed();
    SetRandSeed(1);
    build();
    build();
    EXPECT_EQ(RandSeed(), together);
}

}  // namespace
}  // namespace vd
