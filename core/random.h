// The process-wide run-time random generator (Delphi-compatible linear
// congruential generator): seed := seed * 134775813 + 1 (mod 2^32), and
// Random(N) is the upper 32 bits of new seed * N. One seed per process,
// updated atomically so that several threads may draw at once.
#pragma once
#include <cstdint>

namespace vd {

uint32_t RandSeed();                 // current seed
void SetRandSeed(uint32_t seed);     // set the seed
void Randomize();                    // seed from the clock
int32_t Random(int32_t n);           // 0 <= r < n for n > 0 (n is taken as unsigned 32-bit)
double RandomFloat();                // 0 <= r < 1
int32_t RandomRange(int32_t from, int32_t to);  // from <= r < to (either order)

// Keeps the process-wide seed across a scope: saves it, sets `seed`, and
// restores the saved value on destruction.
class ScopedRandSeed {
public:
    explicit ScopedRandSeed(uint32_t seed) : saved_(RandSeed()) { SetRandSeed(seed); }
    ~ScopedRandSeed() { SetRandSeed(saved_); }
    ScopedRandSeed(const ScopedRandSeed&) = delete;
    ScopedRandSeed& operator=(const ScopedRandSeed&) = delete;
private:
    uint32_t saved_;
};

}  // namespace vd
