// What reading a package file of any content may cost. A read allocates at
// most the entry's declared size, which itself is at most 1032 times its
// stored bytes (the most deflate can expand) and never allocated beyond
// 64 MiB before the data has filled it, plus a constant (a 256 KiB chunk
// buffer and zlib's state); a walk along a chain holds nothing that grows
// with the chain and ends within a number of steps the file's size fixes.
// The limits are checked in a child process whose address space is capped a
// little above what it already uses (not under the sanitizers, which
// reserve address space of their own).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <new>
#include <zlib.h>

#include "package/payload_codec.h"
#include "package/stream_errors.h"
#include "package/xp_file_db.h"
#include "package_test_util.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VD_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VD_SANITIZED 1
#endif
#endif

namespace vd::test {
namespace {

constexpr int64_t kMiB = 1 << 20;

enum Outcome { kExpectedError = 0, kOtherError = 1, kOutOfMemory = 2, kNoError = 3 };

int64_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    int64_t pages = 0;
    statm >> pages;
    return pages * sysconf(_SC_PAGESIZE);
}

// Runs `body` in a child process allowed `headroom` bytes of address space
// beyond what it uses at the start; returns its outcome.
template <typename Error>
Outcome InChildWithHeadroom(int64_t headroom, const std::function<void()>& body) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const rlim_t cap = static_cast<rlim_t>(AddressSpaceInUse() + headroom);
        rlimit limit{cap, cap};
        setrlimit(RLIMIT_AS, &limit);
        int outcome = kNoError;
        try {
            body();
        } catch (const Error&) {
            outcome = kExpectedError;
        } catch (const std::bad_alloc&) {
            outcome = kOutOfMemory;
        } catch (...) {
            outcome = kOtherError;
        }
        _exit(outcome);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? static_cast<Outcome>(WEXITSTATUS(status)) : kOtherError;
}

class HostileInputBounds : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef VD_SANITIZED
        GTEST_SKIP() << "address-space caps do not apply under the sanitizers";
#endif
    }
    ScratchDir dir;
    std::string path = dir.File("hostile.db");
};

// A head and `count` back-to-back entries of 112 bytes with no data, chained
// in file order; the last one links back to the one at `loopTo` (0: none).
Bytes LongChain(int32_t count, int32_t loopTo) {
    Bytes f(static_cast<size_t>(kFirstEntryOffset) + static_cast<size_t>(count) * kEntryHeadSize);
    TFileHeader header;
    header.Version = 1;
    header.SetMark("xpselfdb");
    header.Pack(f.data());
    const int32_t last = kFirstEntryOffset + (count - 1) * kEntryHeadSize;
    TIndexHead head;
    head.LastID = count;
    head.EntryCount = 1;
    head.FirstEntry = kFirstEntryOffset;
    head.LastEntry = last;
    head.Pack(f.data() + kIndexHeadOffset);
    for (int32_t i = 0; i < count; ++i) {
        TEntryRecord r;
        r.ID = i + 1;
        r.Live = 1;
        r.OwnOffset = kFirstEntryOffset + i * kEntryHeadSize;
        r.Previous = i == 0 ? 0 : r.OwnOffset - kEntryHeadSize;
        r.DescriptorOffset = r.OwnOffset + kEntryRecordSize;
        r.Next = i + 1 < count ? r.OwnOffset + kEntryHeadSize
                               : (loopTo > 0 ? kFirstEntryOffset + loopTo * kEntryHeadSize : 0);
        r.Pack(f.data() + r.OwnOffset);
        TEntryDescriptor d = Descriptor("e");
        std::copy(d.Bytes.begin(), d.Bytes.end(), f.begin() + r.DescriptorOffset);
    }
    return f;
}

TEST_F(HostileInputBounds, AWalkAlongAVeryLongChainHoldsNoMemoryOfIt) {
    // 300,000 entries (33 MB) whose last links back into the middle: the
    // chain is walked to its end and around once more, then refused.
    const int32_t count = 300000;
    Bytes f = LongChain(count, count / 2);
    // The recorded last entry is never reached through the loop.
    PutI32(f.data() + kIndexHeadOffset + 16, 44 + 7);
    WriteAll(path, f);
    EXPECT_EQ(InChildWithHeadroom<ECorruptPackage>(4 * kMiB, [&] {
                  TXPFileDB db;
                  db.SetReadOnly(true);
                  db.SetDBFile(path);
                  db.ReadData("missing");
              }),
              kExpectedError);
}

// One entry holding `stored` as its stored data.
void WriteOneEntry(const std::string& path, const Bytes& stored) {
    Bytes f = LongChain(1, 0);
    TEntryRecord r = RecordAt(f, kFirstEntryOffset);
    r.StoredSize = static_cast<int32_t>(stored.size());
    r.Pack(f.data() + kFirstEntryOffset);
    f.insert(f.end(), stored.begin(), stored.end());
    WriteAll(path, f);
}

Bytes Stored(int64_t declared, const Bytes& zlibBytes, size_t padding) {
    Bytes s(8 + zlibBytes.size() + padding, 0x5A);
    PutI64(s.data(), declared);
    std::copy(zlibBytes.begin(), zlibBytes.end(), s.begin() + 8);
    return s;
}

Bytes ZlibOf(const Bytes& data) {
    uLongf n = compressBound(static_cast<uLong>(data.size()));
    Bytes z(n);
    compress2(z.data(), &n, data.data(), static_cast<uLong>(data.size()), 9);
    z.resize(n);
    return z;
}

TEST_F(HostileInputBounds, ASizeNoDataCouldFillIsRefusedBeforeAllocating) {
    // 100 bytes of data claiming 2 GiB - 1, and 1 MiB claiming 1033 times more.
    for (auto [declared, padding] : {std::pair<int64_t, size_t>{0x7FFFFFFF, 100}, {1033 * kMiB + 2064, kMiB}}) {
        WriteOneEntry(path, Stored(declared, ZlibOf(Bytes(10, 'a')), padding - 18));
        EXPECT_EQ(InChildWithHeadroom<ECorruptPackage>(4 * kMiB, [&] {
                      TXPFileDB db;
                      db.SetDBFile(path);
                      db.ReadData("e");
                  }),
                  kExpectedError)
            << declared;
    }
}

TEST_F(HostileInputBounds, ALyingSizeCostsAtMost64MiBBeyondTheData) {
    // 1 MiB of zeros deflates to about 1 KiB; 1 MiB of padding behind the
    // stream makes a declared 1 GiB plausible. The read allocates 64 MiB at
    // first, and more only as data arrives, so it ends in a zlib error.
    WriteOneEntry(path, Stored(1024 * kMiB, ZlibOf(Bytes(kMiB, 0)), kMiB));
    EXPECT_EQ(InChildWithHeadroom<EZDecompressionError>(72 * kMiB, [&] {
                  TXPFileDB db;
                  db.SetDBFile(path);
                  db.ReadData("e");
              }),
              kExpectedError);
}

}  // namespace
}  // namespace vd::test
