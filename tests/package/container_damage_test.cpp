// Damaged containers: every walk ends, every impossible size is refused,
// and every failure is an exception the caller can catch.
#include <chrono>
#include <gtest/gtest.h>
#include <unistd.h>

#include "package/payload_codec.h"
#include "package/self_file.h"
#include "package/stream_errors.h"
#include "package/xp_file_db.h"
#include "package_test_util.h"

namespace vd::test {
namespace {

class ContainerDamage : public ::testing::Test {
protected:
    // A new file of three entries a, b, c; keeps their offsets.
    void Build() {
        std::remove(path.c_str());
        TSelfFileClass c(path, "xpselfdb", FixedOptions());
        const char* names[] = {"a", "b", "c"};
        for (int i = 0; i < 3; ++i) {
            TMemoryStream m = StreamOf(Sample(2000, i));
            c.AddEntry(Descriptor(names[i]), m, 0);
            offsets[i] = c.GetLastEntry();
        }
    }
    void Patch32(int64_t at, int32_t v) {
        Bytes f = ReadAll(path);
        PutI32(f.data() + at, v);
        WriteAll(path, f);
    }
    void Patch64(int64_t at, int64_t v) {
        Bytes f = ReadAll(path);
        PutI64(f.data() + at, v);
        WriteAll(path, f);
    }
    void PatchByte(int64_t at, uint8_t v) {
        Bytes f = ReadAll(path);
        f[static_cast<size_t>(at)] = v;
        WriteAll(path, f);
    }
    std::unique_ptr<TMemoryStream> ReadKey(const std::string& key) {
        TXPFileDB db;
        db.SetDBFile(path);
        return db.ReadData(key);
    }

    ScratchDir dir;
    std::string path = dir.File("damaged.db");
    int32_t offsets[3] = {};
};

TEST_F(ContainerDamage, CyclicChainEndsTheWalk) {
    Build();
    Patch32(offsets[1] + 21, offsets[0]);  // b.next -> a
    TSelfFileClass c(path, "xpselfdb");
    EXPECT_THROW(c.FindEntry("missing"), ECorruptPackage);
    TStringList list;
    EXPECT_THROW(c.ListEntries(list), ECorruptPackage);
    EXPECT_EQ(c.FindEntry("b"), offsets[1]);  // entries before the loop are still found

    Patch32(offsets[0] + 21, offsets[0]);  // a.next -> a
    TSelfFileClass self(path, "xpselfdb");
    EXPECT_THROW(self.FindEntry("zzz"), ECorruptPackage);
}

TEST_F(ContainerDamage, OutOfRangeLinksAreCorrupt) {
    Build();
    const int32_t bad[] = {1, 43, -5, 0x7FFFFFF0, static_cast<int32_t>(ReadAll(path).size()) - 10};
    for (int32_t link : bad) {
        Build();
        Patch32(offsets[0] + 21, link);
        TSelfFileClass c(path, "xpselfdb");
        EXPECT_THROW(c.FindEntry("c"), ECorruptPackage) << link;
        TStringList list;
        EXPECT_THROW(c.ListEntries(list), ECorruptPackage) << link;
    }
    Build();
    Patch32(26, 9999999);  // FirstEntry past the end
    TSelfFileClass c(path, "xpselfdb");
    EXPECT_THROW(c.FindEntry("a"), ECorruptPackage);
}

TEST_F(ContainerDamage, RecordThatMisnamesItselfIsCorrupt) {
    Build();
    Patch32(offsets[1] + 9, 44);  // b claims to be at 44
    TSelfFileClass c(path, "xpselfdb");
    EXPECT_THROW(c.FindEntry("c"), ECorruptPackage);
    // A delete through it must not write anywhere else.
    const Bytes before = ReadAll(path);
    EXPECT_THROW(c.DeleteEntry(offsets[1]), ECorruptPackage);
    EXPECT_EQ(ReadAll(path), before);
}

TEST_F(ContainerDamage, TruncatedFiles) {
    Build();
    const Bytes whole = ReadAll(path);
    // Cut inside the last entry's data, inside its record, and inside the head.
    for (size_t keep : {whole.size() - 1, static_cast<size_t>(offsets[2]) + 10, size_t{30}, size_t{0}}) {
        WriteAll(path, Bytes(whole.begin(), whole.begin() + static_cast<long>(keep)));
        try {
            auto s = ReadKey("c");
            ADD_FAILURE() << "read a truncated entry, kept " << keep;
        } catch (const TXPException&) {
            EXPECT_LE(keep, 30u);  // the head is gone: wrong mark
        } catch (const EStreamError&) {
        }
        // Entries that are whole still read.
        if (keep > static_cast<size_t>(offsets[2])) {
            EXPECT_EQ(BytesOf(*ReadKey("a")), Sample(2000, 0));
        }
    }
}

TEST_F(ContainerDamage, StoredSizePastTheEndIsRefusedBeforeAllocating) {
    Build();
    Patch32(offsets[2] + 17, 0x7FFFFF00);
    EXPECT_THROW(ReadKey("c"), ECorruptPackage);
    Patch32(offsets[2] + 17, -8);
    EXPECT_THROW(ReadKey("c"), ECorruptPackage);
    Patch32(offsets[2] + 17, 5);  // shorter than the size prefix
    EXPECT_THROW(ReadKey("c"), ECorruptPackage);
}

TEST_F(ContainerDamage, ImpossibleUncompressedSizes) {
    Build();
    const int64_t prefix = offsets[1] + 112;
    for (int64_t size : {int64_t{-1}, int64_t{1} << 31, int64_t{1} << 40, int64_t{50'000'000}}) {
        Patch64(prefix, size);
        EXPECT_THROW(ReadKey("b"), ECorruptPackage) << size;
    }
    // Plausible but wrong: the data ends before the declared size.
    Patch64(prefix, 2001);
    EXPECT_THROW(ReadKey("b"), EZDecompressionError);
}

TEST_F(ContainerDamage, DamagedZlibDataRaisesAndLeavesTheStream) {
    Build();
    Bytes f = ReadAll(path);
    const int32_t stored = RecordAt(f, offsets[0]).StoredSize;
    f[static_cast<size_t>(offsets[0] + 112 + 8 + stored / 2)] ^= 0x55;
    f[static_cast<size_t>(offsets[0] + 112 + stored - 1)] ^= 0x55;  // and the checksum
    WriteAll(path, f);
    TSelfFileClass c(path, "xpselfdb");
    c.ReadEntryRecord(offsets[0]);
    TMemoryStream m;
    m.SetSize(stored);
    c.ReadEntryDescriptor();
    EXPECT_THROW(c.ReadEntryData(m), EZDecompressionError);
    EXPECT_EQ(m.Size(), stored);
    EXPECT_EQ(BytesOf(m), Bytes(f.begin() + offsets[0] + 112, f.begin() + offsets[0] + 112 + stored));

    TMemoryStream junk = StreamOf(Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0x78, 0xDA, 1, 2, 3});
    EXPECT_THROW(InflatePayload(junk), EZDecompressionError);
    EXPECT_EQ(junk.Size(), 13);
}

TEST_F(ContainerDamage, LengthBytesAboveCapacity) {
    Build();
    PatchByte(offsets[1] + 25 + 5, 61);  // name slot of b
    {
        TSelfFileClass c(path, "xpselfdb");
        EXPECT_EQ(c.FindEntry("a"), offsets[0]);
        EXPECT_THROW(c.FindEntry("c"), ECorruptPackage);
        TStringList list;
        EXPECT_THROW(c.ListEntries(list), ECorruptPackage);
    }
    Build();
    PatchByte(offsets[0] + 25 + 66, 200);  // text slot of a
    TSelfFileClass c(path, "xpselfdb");
    TStringList list;
    c.ListEntries(list);  // the text is not listed
    EXPECT_EQ(c.FindEntry("a"), offsets[0]);
    EXPECT_THROW(c.CurrentDescriptor().Text(), ECorruptPackage);

    PatchByte(9, 11);  // mark slot: no mark matches, the database refuses the file
    TSelfFileClass m(path, "xpselfdb");
    EXPECT_FALSE(m.CheckMark());
    EXPECT_THROW(m.Header().MarkText(), ECorruptPackage);
    TXPFileDB db;
    EXPECT_THROW(db.SetDBFile(path), TXPException);
}

TEST_F(ContainerDamage, CountsAtTheirLimitRefuseWithoutChanges) {
    Build();
    Bytes f = ReadAll(path);
    PutI16(f.data() + 24, 32767);
    WriteAll(path, f);
    TSelfFileClass c(path, "xpselfdb");
    TMemoryStream m = StreamOf(Sample(10));
    EXPECT_THROW(c.AddEntry(Descriptor("d"), m, 0), EWriteError);
    EXPECT_EQ(ReadAll(path), f);
    PutI16(f.data() + 24, 3);
    PutI16(f.data() + 30, 32767);
    WriteAll(path, f);
    EXPECT_THROW(c.DeleteEntry(offsets[0]), EWriteError);
    EXPECT_EQ(ReadAll(path), f);
}

// The fuzzer's find: a head whose LastID is negative handed out an ID of
// LastID + 1, not a positive one.
TEST_F(ContainerDamage, ANegativeLastIDHandsOutNoID) {
    Build();
    Bytes f = ReadAll(path);
    PutI32(f.data() + 20, -617020928);
    WriteAll(path, f);
    TSelfFileClass c(path, "xpselfdb");
    TMemoryStream m = StreamOf(Sample(10));
    EXPECT_THROW(c.AddEntry(Descriptor("d"), m, 0), ECorruptPackage);
    EXPECT_EQ(ReadAll(path), f);
    TMemoryStream given = StreamOf(Sample(10));
    EXPECT_EQ(c.AddEntry(Descriptor("d"), given, 77), 77);  // an ID given by the caller is kept
}

TEST_F(ContainerDamage, AMoveThatCannotFitKeepsTheEntry) {
    Build();
    // Make the file almost 2 GiB long (sparse), so a moved entry cannot fit.
    ASSERT_EQ(truncate(path.c_str(), 0x7FFFFFFF - 100), 0);
    TSelfFileClass c(path, "xpselfdb");
    TMemoryStream big = StreamOf(Sample(100000, 4));
    EXPECT_THROW(c.ReplaceEntry(offsets[0], Descriptor("a"), big), EWriteError);
    EXPECT_EQ(c.FindEntry("a"), offsets[0]);
    EXPECT_EQ(c.GetDeletedCount(), 0);
    TMemoryStream more = StreamOf(Sample(10));
    EXPECT_THROW(c.AddEntry(Descriptor("d"), more, 0), EWriteError);
    EXPECT_EQ(c.GetEntryCount(), 3);
}

TEST_F(ContainerDamage, ReadOnlyContainersRefuseWrites) {
    Build();
    const Bytes before = ReadAll(path);
    TContainerOptions ro;
    ro.ReadOnly = true;
    TSelfFileClass c(path, "xpselfdb", ro);
    EXPECT_TRUE(c.CheckMark());
    TMemoryStream m = StreamOf(Sample(10));
    EXPECT_THROW(c.AddEntry(Descriptor("d"), m, 0), EWriteError);
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_THROW(TSelfFileClass(dir.File("absent.db"), "x", ro), EFOpenError);
}

// Random bytes, and valid files with random damage, through every reading
// path: each call returns or raises a std::exception, quickly.
TEST_F(ContainerDamage, GarbageNeverCrashesOrHangs) {
    Build();
    const Bytes good = ReadAll(path);
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 400; ++round) {
        Bytes f;
        if (round % 2 == 0) {
            f.resize(next() % 700);
            for (auto& b : f) b = static_cast<uint8_t>(next() >> 24);
            if (f.size() > 44 && round % 4 == 0) {
                std::copy(good.begin(), good.begin() + 20, f.begin());
                for (int k = 0; k < 3; ++k) PutI32(f.data() + 26 + 10 * (k % 2), static_cast<int32_t>(next() % f.size()));
            }
        } else {
            f = good;
            const int flips = 1 + static_cast<int>(next() % 6);
            for (int k = 0; k < flips; ++k) {
                size_t at = (next() % 3 == 0) ? next() % f.size() : 20 + next() % 400;
                f[at % f.size()] = static_cast<uint8_t>(next() >> 24);
            }
        }
        WriteAll(path, f);
        try {
            TXPFileDB db;
            db.SetDBFile(path);
            db.DataExists("a");
            auto ids = db.DataIdxList();
            for (const char* key : {"a", "b", "c", "zz"}) db.ReadData(key);
        } catch (const std::exception&) {
        }
        try {
            TSelfFileClass c(path, "xpselfdb");
            TStringList list;
            c.ListEntries(list);
            for (int i = 0; i < list.Count(); ++i) {
                c.ReadEntryRecord(list.Objects(i)->Offset);
                c.CheckStoredData();
                TMemoryStream m;
                m.SetSize(c.CurrentRecord().StoredSize);
                c.ReadEntryDescriptor();
                c.ReadEntryData(m);
            }
        } catch (const std::exception&) {
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

}  // namespace
}  // namespace vd::test
