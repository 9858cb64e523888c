// The bytes a container file holds: head, records, descriptors, stored data.
#include <cstring>
#include <gtest/gtest.h>
#include <zlib.h>

#include "package/self_file.h"
#include "package_test_util.h"

namespace vd::test {
namespace {

TEST(ContainerLayout, NewFileIsTheHeadAlone) {
    ScratchDir dir;
    const std::string path = dir.File("new.db");
    { TSelfFileClass c(path, "m_install", FixedOptions()); }
    Bytes f = ReadAll(path);
    ASSERT_EQ(f.size(), 44u);
    double created;
    std::memcpy(&created, f.data(), 8);
    EXPECT_EQ(created, FixedStamp());
    EXPECT_EQ(FormatOleDate(created), "2011-07-21 10:59:20.671");
    EXPECT_EQ(f[8], 1);
    EXPECT_EQ(f[9], 9);
    EXPECT_EQ(std::string(f.begin() + 10, f.begin() + 19), "m_install");
    EXPECT_EQ(f[19], 0);
    for (size_t i = 20; i < 44; ++i) EXPECT_EQ(f[i], 0) << i;
}

TEST(ContainerLayout, FirstEntryLandsBehindTheHead) {
    ScratchDir dir;
    const std::string path = dir.File("one.db");
    const Bytes payload = Sample(5000);
    {
        TSelfFileClass c(path, "xpselfdb", FixedOptions());
        TMemoryStream m = StreamOf(payload);
        EXPECT_EQ(c.AddEntry(Descriptor("GdiPlus.dll", 2, -7, "note"), m, 0), 1);
        // The caller's stream now holds the stored form.
        EXPECT_EQ(m.Position(), 0);
        EXPECT_EQ(m.Memory()[8], 0x78);
        EXPECT_EQ(m.Memory()[9], 0xDA);
    }
    Bytes f = ReadAll(path);
    TIndexHead h = HeadOf(f);
    EXPECT_EQ(h.LastID, 1);
    EXPECT_EQ(h.EntryCount, 1);
    EXPECT_EQ(h.FirstEntry, 44);
    EXPECT_EQ(h.LastEntry, 44);
    EXPECT_EQ(h.DeletedCount, 0);
    EXPECT_EQ(h.FirstDeleted, 0);
    EXPECT_EQ(h.LastDeleted, 0);

    // Record fields at their byte offsets.
    const uint8_t* r = f.data() + 44;
    EXPECT_EQ(GetI32(r + 0), 1);
    EXPECT_EQ(GetI32(r + 4), 0);
    EXPECT_EQ(r[8], 1);
    EXPECT_EQ(GetI32(r + 9), 44);
    EXPECT_EQ(GetI32(r + 13), 69);
    const int32_t stored = GetI32(r + 17);
    EXPECT_EQ(GetI32(r + 21), 0);
    EXPECT_EQ(f.size(), static_cast<size_t>(156 + stored));

    // Descriptor at 69: kind, tag value, name slot of 60, text slot of 20.
    const uint8_t* d = f.data() + 69;
    EXPECT_EQ(d[0], 2);
    EXPECT_EQ(GetI32(d + 1), -7);
    EXPECT_EQ(d[5], 11);
    EXPECT_EQ(std::string(d + 6, d + 17), "GdiPlus.dll");
    EXPECT_EQ(d[66], 4);
    EXPECT_EQ(std::string(d + 67, d + 71), "note");

    // Stored data at 156: the size, then exactly what compress2 at level 9 gives.
    EXPECT_EQ(GetI64(f.data() + 156), 5000);
    uLongf zlen = compressBound(payload.size());
    Bytes z(zlen);
    ASSERT_EQ(compress2(z.data(), &zlen, payload.data(), payload.size(), 9), Z_OK);
    ASSERT_EQ(static_cast<uLongf>(stored), 8 + zlen);
    EXPECT_TRUE(std::equal(z.begin(), z.begin() + zlen, f.begin() + 164));
}

TEST(ContainerLayout, EmptyPayloadStoresNothing) {
    ScratchDir dir;
    const std::string path = dir.File("empty.db");
    TSelfFileClass c(path, "xpselfdb", FixedOptions());
    TMemoryStream m;
    c.AddEntry(Descriptor("empty"), m, 0);
    EXPECT_EQ(m.Size(), 0);
    EXPECT_EQ(ReadAll(path).size(), 44u + 112u);
    c.ReadEntryRecord(c.FindEntry("empty"));
    EXPECT_EQ(c.CurrentRecord().StoredSize, 0);
    TMemoryStream back;
    c.ReadEntryDescriptor();
    c.ReadEntryData(back);
    EXPECT_EQ(back.Size(), 0);
}

TEST(ContainerLayout, LongNamesAreCutToSixtyBytes) {
    ScratchDir dir;
    TSelfFileClass c(dir.File("names.db"), "xpselfdb", FixedOptions());
    const std::string name61(61, 'n');
    TMemoryStream m = StreamOf(Sample(10));
    TEntryDescriptor d;
    d.SetName(name61);
    d.SetText(std::string(25, 't'));
    c.AddEntry(d, m, 0);
    EXPECT_EQ(c.FindEntry(name61), 0);
    EXPECT_FALSE(c.EntryExists(name61));
    EXPECT_EQ(c.FindEntry(name61.substr(0, 60)), 44);
    EXPECT_EQ(c.CurrentDescriptor().Text(), std::string(20, 't'));
}

TEST(ContainerLayout, ElevenByteMarkNeverMatches) {
    ScratchDir dir;
    const std::string path = dir.File("mark.db");
    TSelfFileClass c(path, "abcdefghijk", FixedOptions());
    EXPECT_FALSE(c.CheckMark());
    Bytes f = ReadAll(path);
    EXPECT_EQ(f[9], 10);
    EXPECT_EQ(std::string(f.begin() + 10, f.begin() + 20), "abcdefghij");
    TSelfFileClass ten(path, "abcdefghij");
    EXPECT_TRUE(ten.CheckMark());
    TSelfFileClass other(path, "ABCDEFGHIJ");
    EXPECT_FALSE(other.CheckMark());
}

TEST(ContainerLayout, EmptyContainerFindsAndListsNothing) {
    ScratchDir dir;
    TSelfFileClass c(dir.File("e.db"), "x", FixedOptions());
    EXPECT_EQ(c.FindEntry(""), 0);
    EXPECT_EQ(c.FindEntry("a"), 0);
    TStringList list;
    c.ListEntries(list);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ContainerLayout, ListingDescribesEveryLiveEntry) {
    ScratchDir dir;
    TSelfFileClass c(dir.File("l.db"), "x", FixedOptions());
    for (int i = 0; i < 3; ++i) {
        TMemoryStream m = StreamOf(Sample(100 + i, i));
        c.AddEntry(Descriptor("f" + std::to_string(i), 2, 10 * i - 5), m, i == 2 ? 77 : 0);
    }
    TStringList list;
    c.ListEntries(list);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Strings(0), "1");
    EXPECT_EQ(list.Strings(1), "2");
    EXPECT_EQ(list.Strings(2), "77");
    const TMyColocTTreemap* item = list.Objects(0);
    EXPECT_EQ(item->Name, "f0");
    EXPECT_EQ(item->TagText, "-5");
    EXPECT_EQ(item->IdText, "1");
    EXPECT_EQ(item->Offset, 44);
    EXPECT_EQ(item->Descriptor[0], 2);
    EXPECT_EQ(list.Objects(2)->TagText, "15");
    // An explicit ID leaves LastID alone.
    EXPECT_EQ(c.GetLastID(), 2);
}

TEST(ContainerLayout, SameOperationsGiveTheSameBytes) {
    ScratchDir dir;
    auto build = [&](const std::string& path) {
        TSelfFileClass c(path, "m_install", FixedOptions());
        for (int i = 0; i < 4; ++i) {
            TMemoryStream m = StreamOf(Sample(3000 * (i + 1), i));
            c.AddEntry(Descriptor("e" + std::to_string(i)), m, 0);
        }
        TMemoryStream small = StreamOf(Sample(10, 9));
        c.ReplaceEntry(c.FindEntry("e1"), Descriptor("e1"), small);
        TMemoryStream big = StreamOf(Sample(50000, 9));
        c.ReplaceEntry(c.FindEntry("e0"), Descriptor("e0"), big);
        c.DeleteEntry(c.FindEntry("e2"));
    };
    build(dir.File("a.db"));
    build(dir.File("b.db"));
    Bytes a = ReadAll(dir.File("a.db"));
    EXPECT_GT(a.size(), 44u);
    EXPECT_EQ(a, ReadAll(dir.File("b.db")));
}

TEST(ContainerLayout, PayloadRoundTrips) {
    ScratchDir dir;
    TSelfFileClass c(dir.File("rt.db"), "x", FixedOptions());
    Bytes incompressible(70000);
    uint32_t s = 7;
    for (auto& b : incompressible) b = static_cast<uint8_t>((s = s * 1103515245u + 12345u) >> 23);
    const Bytes payloads[] = {Bytes{42}, Sample(1 << 20), incompressible, Bytes(300000, 0)};
    int i = 0;
    for (const Bytes& p : payloads) {
        TMemoryStream m = StreamOf(p);
        c.AddEntry(Descriptor("p" + std::to_string(i++)), m, 0);
    }
    i = 0;
    for (const Bytes& p : payloads) {
        c.ReadEntryRecord(c.FindEntry("p" + std::to_string(i++)));
        TMemoryStream m;
        m.SetSize(c.CurrentRecord().StoredSize);
        c.ReadEntryDescriptor();
        c.ReadEntryData(m);
        EXPECT_EQ(BytesOf(m), p);
        EXPECT_EQ(m.Position(), 0);
    }
}

}  // namespace
}  // namespace vd::test
