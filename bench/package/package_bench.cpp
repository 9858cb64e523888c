// Reading every entry of a full-size package through TXPFileDB against
// zlib's uncompress on the same stored streams, and packing it against
// compress2 at level 9 on the same files.
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>
#include <zlib.h>

#include "package/ole_date.h"
#include "package/self_file.h"
#include "package/xp_file_db.h"
#ifdef VD_HAVE_DEMO_PAYLOAD
#include "tools/mkpayload/payload.h"
#endif

namespace {

struct File {
    std::string Name;
    std::vector<uint8_t> Data;
};

#ifndef VD_HAVE_DEMO_PAYLOAD
// Stand-in when the demo payload generator is not part of the build: 59
// files of the shipped sizes' total, about 2.2:1 compressible.
std::vector<File> MakeFiles() {
    std::vector<File> files;
    const uint32_t largest = 17773936;
    uint64_t rest = 41389150ull - largest;
    uint64_t s = 0x1234567;
    for (int i = 0; i < 59; ++i) {
        uint32_t size = i == 6 ? largest : static_cast<uint32_t>(rest / (58 - (i > 6 ? i - 1 : i)));
        if (i != 6) rest -= size;
        File f{"file" + std::to_string(i) + ".dll", std::vector<uint8_t>(size)};
        for (uint32_t k = 0; k < size; ++k) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            // Half the bytes from a small alphabet, runs of repeats elsewhere.
            f.Data[k] = (k / 64) % 2 ? static_cast<uint8_t>(s >> 56) : static_cast<uint8_t>((s >> 60) + 'a');
        }
        files.push_back(std::move(f));
    }
    return files;
}
#else
std::vector<File> MakeFiles() {
    std::vector<File> files;
    for (const auto& f : vd::DemoPayloadFiles(vd::TPayloadProfile::Full))
        files.push_back({f.Name, vd::DemoPayloadContent(f.Name, f.Size)});
    return files;
}
#endif

double Stamp() { return vd::EncodeOleDate(2011, 7, 21, 10, 59, 20, 671); }

void Pack(const std::string& path, const std::vector<File>& files) {
    std::remove(path.c_str());
    vd::TContainerOptions options;
    options.Clock = Stamp;
    vd::TSelfFileClass c(path, "m_install", options);
    for (const File& f : files) {
        vd::TMemoryStream m;
        m.Write(f.Data.data(), static_cast<int64_t>(f.Data.size()));
        vd::TEntryDescriptor d;
        d.SetKind(2);
        d.SetName(f.Name);
        c.AddEntry(d, m, 0);
    }
}

// Generated and packed once for every benchmark.
struct Fixture {
    std::vector<File> files;
    std::string path;
    std::vector<std::vector<uint8_t>> stored;  // 8-byte size + zlib stream, per entry
    int64_t payloadBytes = 0;

    Fixture() {
        files = MakeFiles();
        for (const File& f : files) payloadBytes += static_cast<int64_t>(f.Data.size());
        // A fresh name in the temporary folder (also under Wine).
        const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
        path = (std::filesystem::temp_directory_path() / ("vd_bench_package_" + std::to_string(tick) + ".bin"))
                   .string();
        Pack(path, files);
        vd::TSelfFileClass c(path, "m_install");
        for (const File& f : files) {
            c.ReadEntryRecord(c.FindEntry(f.Name));
            const int32_t n = c.CurrentRecord().StoredSize;
            std::vector<uint8_t> bytes(static_cast<size_t>(n));
            c.Stream().ReadExactAt(c.CurrentRecord().OwnOffset + vd::kEntryHeadSize, bytes.data(), n);
            stored.push_back(std::move(bytes));
        }
    }
    ~Fixture() { std::remove(path.c_str()); }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

bool ReadAllThroughTheDatabase(const Fixture& fx) {
    vd::TXPFileDB db;
    db.SetDBMark("m_install");
    db.SetDBFile(fx.path);
    bool ok = true;
    for (const File& f : fx.files) {
        std::unique_ptr<vd::TMemoryStream> s = db.ReadData(f.Name);
        ok = ok && s && s->Size() == static_cast<int64_t>(f.Data.size());
        if (s) benchmark::DoNotOptimize(s->Memory());
    }
    return ok;
}

bool UncompressAll(const Fixture& fx) {
    bool ok = true;
    for (const auto& s : fx.stored) {
        const int64_t size = vd::GetI64(s.data());
        std::unique_ptr<uint8_t, decltype(&std::free)> out(static_cast<uint8_t*>(std::malloc(size)), &std::free);
        uLongf len = static_cast<uLongf>(size);
        ok = ok && uncompress(out.get(), &len, s.data() + 8, static_cast<uLong>(s.size() - 8)) == Z_OK;
        benchmark::DoNotOptimize(out.get());
    }
    return ok;
}

bool Compress2All(const Fixture& fx) {
    bool ok = true;
    for (const File& f : fx.files) {
        uLongf len = compressBound(static_cast<uLong>(f.Data.size()));
        std::unique_ptr<uint8_t, decltype(&std::free)> out(static_cast<uint8_t*>(std::malloc(len)), &std::free);
        ok = ok && compress2(out.get(), &len, f.Data.data(), static_cast<uLong>(f.Data.size()), 9) == Z_OK;
        benchmark::DoNotOptimize(out.get());
    }
    return ok;
}

void BM_ReadAll_TXPFileDB(benchmark::State& state) {
    Fixture& fx = Data();
    for (auto _ : state)
        if (!ReadAllThroughTheDatabase(fx)) state.SkipWithError("wrong entry");
    state.SetBytesProcessed(state.iterations() * fx.payloadBytes);
}

void BM_ReadAll_PlainUncompress(benchmark::State& state) {
    Fixture& fx = Data();
    for (auto _ : state)
        if (!UncompressAll(fx)) state.SkipWithError("uncompress failed");
    state.SetBytesProcessed(state.iterations() * fx.payloadBytes);
}

void BM_Pack_TXPFileDB(benchmark::State& state) {
    Fixture& fx = Data();
    const std::string path = fx.path + ".pack";
    for (auto _ : state) Pack(path, fx.files);
    std::remove(path.c_str());
    state.SetBytesProcessed(state.iterations() * fx.payloadBytes);
}

void BM_Pack_PlainCompress2(benchmark::State& state) {
    Fixture& fx = Data();
    for (auto _ : state)
        if (!Compress2All(fx)) state.SkipWithError("compress2 failed");
    state.SetBytesProcessed(state.iterations() * fx.payloadBytes);
}

// Ours and the baseline one after the other in every iteration, so that a
// machine shared with other work slows both alike; the counters are the
// ratios of the summed times (wall clock and this thread's CPU time).
double ThreadCpuSeconds() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

template <typename Ours, typename Base>
void Interleaved(benchmark::State& state, Ours ours, Base base) {
    double oursWall = 0, baseWall = 0, oursCpu = 0, baseCpu = 0;
    for (auto _ : state) {
        double w = WallSeconds(), c = ThreadCpuSeconds();
        if (!ours()) state.SkipWithError("ours failed");
        double w2 = WallSeconds(), c2 = ThreadCpuSeconds();
        if (!base()) state.SkipWithError("baseline failed");
        oursWall += w2 - w;
        oursCpu += c2 - c;
        baseWall += WallSeconds() - w2;
        baseCpu += ThreadCpuSeconds() - c2;
    }
    state.counters["ratio_wall"] = baseWall > 0 ? oursWall / baseWall : 0;
    state.counters["ratio_cpu"] = baseCpu > 0 ? oursCpu / baseCpu : 0;
}

void BM_ReadAll_Ratio(benchmark::State& state) {
    Fixture& fx = Data();
    Interleaved(state, [&] { return ReadAllThroughTheDatabase(fx); }, [&] { return UncompressAll(fx); });
}

void BM_Pack_Ratio(benchmark::State& state) {
    Fixture& fx = Data();
    const std::string path = fx.path + ".pack";
    Interleaved(state, [&] { Pack(path, fx.files); return true; }, [&] { return Compress2All(fx); });
    std::remove(path.c_str());
}

BENCHMARK(BM_ReadAll_TXPFileDB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAll_PlainUncompress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pack_TXPFileDB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pack_PlainCompress2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAll_Ratio)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pack_Ratio)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
