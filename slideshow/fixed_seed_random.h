// The run-time generator's sequence (seed := seed * 134775813 + 1 mod 2^32,
// Random(N) = upper 32 bits of seed * N) from a seed of its own, for the
// styles that reveal the same pattern in every frame (random squares,
// dissolve, random bars). Drawing from a private seed gives the same cells
// as saving the process-wide seed, setting it, drawing and restoring it,
// without touching the process-wide seed at all: the window thread may draw
// from it (to pick the next style) while the animation thread composes a
// frame.
#pragma once
#include <cstdint>

namespace vd {

class TFixedSeedRandom {
public:
    explicit TFixedSeedRandom(uint32_t seed) : seed_(seed) {}

    int32_t Random(int32_t n) {
        Next();
        return static_cast<int32_t>((static_cast<uint64_t>(seed_) * static_cast<uint32_t>(n)) >> 32);
    }

    // Random(100) < percent, decided on the new seed alone:
    // floor(seed * 100 / 2^32) < percent  <=>  seed < ceil(percent * 2^32 / 100).
    class TPercentTest {
    public:
        explicit TPercentTest(int percent)
            : limit_(percent <= 0 ? 0
                     : percent >= 100 ? (uint64_t{1} << 32)
                                      : ((static_cast<uint64_t>(percent) << 32) + 99) / 100) {}
        bool Passes(uint32_t seed) const { return seed < limit_; }

    private:
        uint64_t limit_;
    };

    bool Below(const TPercentTest& t) { return t.Passes(Next()); }

    // Steps the seed and returns the new one.
    uint32_t Next() { return seed_ = seed_ * 134775813u + 1u; }
    uint32_t Seed() const { return seed_; }

    // n steps at once: seed := seed * A + C.
    struct TJump {
        uint32_t A, C;
        uint32_t Apply(uint32_t seed) const { return seed * A + C; }
    };
    static TJump Jump(uint32_t n) {
        TJump j{1u, 0u};
        TJump step{134775813u, 1u};
        for (; n != 0; n >>= 1) {  // compose by squaring
            if (n & 1u) j = {j.A * step.A, j.C * step.A + step.C};
            step = {step.A * step.A, step.C * step.A + step.C};
        }
        return j;
    }
    void Skip(const TJump& j) { seed_ = j.Apply(seed_); }

private:
    uint32_t seed_;
};

}  // namespace vd
