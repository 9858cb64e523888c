#include "core/random.h"

#include <atomic>
#include <chrono>

namespace vd {
namespace {

std::atomic<uint32_t> g_seed{0};

uint32_t NextSeed() {
    uint32_t old = g_seed.load(std::memory_order_relaxed);
    uint32_t next;
    do {
        next = old * 134775813u + 1u;
    } while (!g_seed.compare_exchange_weak(old, next, std::memory_order_relaxed));
    return next;
}

}  // namespace

uint32_t RandSeed() { return g_seed.load(std::memory_order_relaxed); }

void SetRandSeed(uint32_t seed) { g_seed.store(seed, std::memory_order_relaxed); }

void Randomize() {
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                 std::chrono::system_clock::now().time_since_epoch().count();
    SetRandSeed(static_cast<uint32_t>(ticks) ^ static_cast<uint32_t>(static_cast<uint64_t>(ticks) >> 32));
}

int32_t Random(int32_t n) {
    uint32_t s = NextSeed();
    return static_cast<int32_t>((static_cast<uint64_t>(s) * static_cast<uint32_t>(n)) >> 32);
}

double RandomFloat() {
    return static_cast<double>(NextSeed()) * (1.0 / 4294967296.0);
}

int32_t RandomRange(int32_t from, int32_t to) {
    if (from > to) return Random(from - to) + to;
    return Random(to - from) + from;
}

}  // namespace vd
