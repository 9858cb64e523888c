// Adding, replacing and deleting entries: the live and deleted chains.
#include <gtest/gtest.h>

#include "package/self_file.h"
#include "package_test_util.h"

namespace vd::test {
namespace {

class ContainerChain : public ::testing::Test {
protected:
    void SetUp() override { c = std::make_unique<TSelfFileClass>(path, "xpselfdb", FixedOptions()); }

    int32_t Add(const std::string& name, const Bytes& data, int32_t id = 0) {
        TMemoryStream m = StreamOf(data);
        return c->AddEntry(Descriptor(name), m, id);
    }
    Bytes Read(const std::string& name) {
        int32_t at = c->FindEntry(name);
        EXPECT_NE(at, 0) << name;
        c->ReadEntryRecord(at);
        TMemoryStream m;
        m.SetSize(c->CurrentRecord().StoredSize);
        c->ReadEntryDescriptor();
        c->ReadEntryData(m);
        return BytesOf(m);
    }
    std::vector<std::string> Names() {
        TStringList list;
        c->ListEntries(list);
        std::vector<std::string> r;
        for (int i = 0; i < list.Count(); ++i) r.push_back(list.Objects(i)->Name);
        return r;
    }
    Bytes File() { return ReadAll(path); }

    ScratchDir dir;
    std::string path = dir.File("chain.db");
    std::unique_ptr<TSelfFileClass> c;
};

TEST_F(ContainerChain, RecordsLinkBothWays) {
    Add("a", Sample(100, 1));
    Add("b", Sample(200, 2));
    Add("c", Sample(300, 3));
    Bytes f = File();
    TIndexHead h = HeadOf(f);
    TEntryRecord a = RecordAt(f, h.FirstEntry), b = RecordAt(f, a.Next), cc = RecordAt(f, b.Next);
    EXPECT_EQ(a.Previous, 0);
    EXPECT_EQ(b.Previous, a.OwnOffset);
    EXPECT_EQ(cc.Previous, b.OwnOffset);
    EXPECT_EQ(cc.Next, 0);
    EXPECT_EQ(h.LastEntry, cc.OwnOffset);
    EXPECT_EQ(b.OwnOffset, 44 + 112 + a.StoredSize);
    EXPECT_EQ(cc.ID, 3);
    EXPECT_EQ(h.EntryCount, 3);
}

TEST_F(ContainerChain, ReplacingWithFewerBytesStaysInPlace) {
    Add("a", Sample(5000, 1));
    Add("b", Sample(100, 2));
    const Bytes before = File();
    const int32_t at = c->FindEntry("a");
    TMemoryStream m = StreamOf(Sample(50, 3));
    EXPECT_EQ(c->ReplaceEntry(at, Descriptor("a"), m), at);
    Bytes f = File();
    EXPECT_EQ(f.size(), before.size());
    EXPECT_LT(RecordAt(f, at).StoredSize, RecordAt(before, at).StoredSize);
    EXPECT_EQ(Read("a"), Sample(50, 3));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(HeadOf(f).DeletedCount, 0);
}

TEST_F(ContainerChain, ReplacingWithMoreBytesMovesToTheEnd) {
    Add("a", Sample(100, 1));
    Add("b", Sample(100, 2));
    const int64_t end = static_cast<int64_t>(File().size());
    TMemoryStream m = StreamOf(Sample(9000, 3));
    const int32_t moved = c->ReplaceEntry(44, Descriptor("a"), m);
    EXPECT_EQ(moved, end);
    Bytes f = File();
    TIndexHead h = HeadOf(f);
    EXPECT_EQ(RecordAt(f, moved).ID, 1);
    EXPECT_EQ(h.LastID, 2);
    EXPECT_EQ(h.EntryCount, 2);
    EXPECT_EQ(h.DeletedCount, 1);
    EXPECT_EQ(h.FirstDeleted, 44);
    EXPECT_EQ(h.LastEntry, moved);
    EXPECT_EQ(RecordAt(f, 44).Live, 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(Read("a"), Sample(9000, 3));
}

TEST_F(ContainerChain, ReplacingWithAnEmptyPayloadChangesOnlyTheDescriptor) {
    Add("a", Sample(800, 1));
    const Bytes before = File();
    TMemoryStream empty;
    EXPECT_EQ(c->ReplaceEntry(44, Descriptor("a", 5, 99, "new"), empty), 44);
    Bytes f = File();
    ASSERT_EQ(f.size(), before.size());
    EXPECT_TRUE(std::equal(f.begin() + 156, f.end(), before.begin() + 156));
    EXPECT_EQ(RecordAt(f, 44).StoredSize, RecordAt(before, 44).StoredSize);
    EXPECT_EQ(f[69], 5);
    EXPECT_EQ(Read("a"), Sample(800, 1));
}

TEST_F(ContainerChain, DeletingTheOnlyEntryEmptiesTheChain) {
    Add("a", Sample(100));
    const int64_t end = static_cast<int64_t>(File().size());
    EXPECT_TRUE(c->DeleteEntry(44));
    TIndexHead h = HeadOf(File());
    EXPECT_EQ(h.FirstEntry, 0);
    EXPECT_EQ(h.LastEntry, 0);
    EXPECT_EQ(h.EntryCount, 0);
    EXPECT_EQ(h.DeletedCount, 1);
    EXPECT_EQ(h.FirstDeleted, 44);
    EXPECT_EQ(h.LastDeleted, 44);
    EXPECT_EQ(c->FindEntry("a"), 0);

    EXPECT_EQ(Add("b", Sample(10)), 2);  // IDs are never reused
    h = HeadOf(File());
    EXPECT_EQ(h.FirstEntry, end);
    EXPECT_EQ(h.LastEntry, end);
    EXPECT_EQ(RecordAt(File(), static_cast<int32_t>(end)).Previous, 0);
    EXPECT_EQ(Names(), std::vector<std::string>{"b"});
}

TEST_F(ContainerChain, DeletingRelinksNeighboursAndKeepsTheBytes) {
    Add("a", Sample(100, 1));
    Add("b", Sample(100, 2));
    Add("c", Sample(100, 3));
    Add("d", Sample(100, 4));
    const int32_t a = c->FindEntry("a"), b = c->FindEntry("b"), cc = c->FindEntry("c"), d = c->FindEntry("d");
    const Bytes before = File();

    c->DeleteEntry(b);  // middle
    Bytes f = File();
    EXPECT_EQ(RecordAt(f, a).Next, cc);
    EXPECT_EQ(RecordAt(f, cc).Previous, a);
    EXPECT_EQ(RecordAt(f, b).Live, 0);
    EXPECT_TRUE(std::equal(f.begin() + b + 25, f.begin() + cc, before.begin() + b + 25));

    c->DeleteEntry(a);  // first
    f = File();
    EXPECT_EQ(HeadOf(f).FirstEntry, cc);
    EXPECT_EQ(RecordAt(f, cc).Previous, 0);

    c->DeleteEntry(d);  // last
    f = File();
    TIndexHead h = HeadOf(f);
    EXPECT_EQ(h.LastEntry, cc);
    EXPECT_EQ(RecordAt(f, cc).Next, 0);
    EXPECT_EQ(h.EntryCount, 1);
    EXPECT_EQ(h.DeletedCount, 3);

    // The deleted chain runs in the order of deletion: b, a, d.
    EXPECT_EQ(h.FirstDeleted, b);
    EXPECT_EQ(h.LastDeleted, d);
    EXPECT_EQ(RecordAt(f, b).Previous, 0);
    EXPECT_EQ(RecordAt(f, b).Next, a);
    EXPECT_EQ(RecordAt(f, a).Previous, b);
    EXPECT_EQ(RecordAt(f, a).Next, d);
    EXPECT_EQ(RecordAt(f, d).Previous, a);
    EXPECT_EQ(RecordAt(f, d).Next, 0);
    EXPECT_EQ(Names(), std::vector<std::string>{"c"});
    EXPECT_EQ(f.size(), before.size());
}

TEST_F(ContainerChain, FirstOfTwoEqualNamesWins) {
    Add("x", Sample(10, 1));
    Add("x", Sample(10, 2));
    EXPECT_EQ(Read("x"), Sample(10, 1));
    c->DeleteEntry(c->FindEntry("x"));
    EXPECT_EQ(Read("x"), Sample(10, 2));
}

TEST_F(ContainerChain, IndexHeadAccessorsReadTheFileEachTime) {
    Add("a", Sample(10));
    TSelfFileClass other(path, "xpselfdb");
    other.SetLastID(40);
    EXPECT_EQ(c->GetLastID(), 40);
    EXPECT_EQ(Add("b", Sample(10)), 41);
    IIndexHead& head = *c;
    EXPECT_EQ(head._AddRef(), 0);
    EXPECT_EQ(head._Release(), 0);
    EXPECT_EQ(head.GetEntryCount(), 2);
}

TEST_F(ContainerChain, ALaterOpenSeesEveryChange) {
    Add("a", Sample(1000, 1));
    Add("b", Sample(1000, 2));
    c.reset();
    TSelfFileClass again(path, "xpselfdb");
    EXPECT_TRUE(again.CheckMark());
    EXPECT_EQ(again.FindEntry("b"), 44 + 112 + RecordAt(File(), 44).StoredSize);
    TMemoryStream m = StreamOf(Sample(5, 5));
    EXPECT_EQ(again.AddEntry(Descriptor("c"), m, 0), 3);
}

}  // namespace
}  // namespace vd::test
