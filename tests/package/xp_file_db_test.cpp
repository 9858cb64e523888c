// TXPFileDB: opening by DBFile, the mark check, reads and writes by key.
#include <gtest/gtest.h>

#include "package/stream_errors.h"
#include "package/xp_file_db.h"
#include "package_test_util.h"

namespace vd::test {
namespace {

void Write(TXPFileDB& db, const std::string& key, const Bytes& data, uint8_t kind = 1, int32_t tag = 0,
           const std::string& text = "") {
    db.WriteData(key, data.data(), static_cast<int32_t>(data.size()), kind, tag, text);
}

Bytes Read(TXPFileDB& db, const std::string& key) {
    auto s = db.ReadData(key);
    EXPECT_TRUE(s) << key;
    if (!s) return {};
    EXPECT_EQ(s->Position(), 0);
    return BytesOf(*s);
}

TEST(XPFileDB, StartsWithTheDefaultMarkAndNoFile) {
    TXPFileDB db;
    EXPECT_EQ(db.DBMark(), "xpselfdb");
    EXPECT_EQ(db.DBFile(), "");
    EXPECT_EQ(db.Container(), nullptr);
    EXPECT_THROW(db.DataExists("a"), TXPException);
    EXPECT_THROW(db.ReadData("a"), TXPException);
}

TEST(XPFileDB, MissingFileIsCreatedWithTheMark) {
    ScratchDir dir;
    const std::string path = dir.File("RirAdaDE.dll");
    TXPFileDB db;
    db.SetClock(FixedStamp);
    db.SetDBMark("b_special");
    db.SetDBFile(path);
    Bytes f = ReadAll(path);
    ASSERT_EQ(f.size(), 44u);
    EXPECT_EQ(std::string(f.begin() + 10, f.begin() + 19), "b_special");
    EXPECT_EQ(db.DataIdxList()->Count(), 0);
    EXPECT_EQ(db.ReadData("boxspvalue"), nullptr);
}

TEST(XPFileDB, DataSizeIsTheDeclaredSizeWithoutInflating) {
    ScratchDir dir;
    const std::string path = dir.File("vedaruv.bin");
    TXPFileDB db;
    db.SetClock(FixedStamp);
    db.SetDBMark("m_install");
    db.SetDBFile(path);
    const struct {
        const char* key;
        size_t size;
    } cases[] = {{"empty", 0}, {"one", 1}, {"page", 4096}, {"big", 300000}};
    for (const auto& c : cases) Write(db, c.key, Bytes(c.size, 'x'));
    for (const auto& c : cases) EXPECT_EQ(db.DataSize(c.key), static_cast<int64_t>(c.size)) << c.key;
    EXPECT_EQ(db.DataSize("missing"), -1);
}

TEST(XPFileDB, WrongMarkIsRefusedWithTheDatabaseMessage) {
    ScratchDir dir;
    const std::string path = dir.File("pkg.bin");
    { TSelfFileClass c(path, "m_install", FixedOptions()); }
    TXPFileDB db;  // DBMark still "xpselfdb"
    try {
        db.SetDBFile(path);
        FAIL() << "a wrong mark was accepted";
    } catch (const TXPException& e) {
        EXPECT_STREQ(e.what(), "数据库文件异常。");
    }
    EXPECT_NE(db.Container(), nullptr);  // stays open until the next assignment
    TXPFileDB right;
    right.SetDBMark("m_install");
    EXPECT_NO_THROW(right.SetDBFile(path));
}

TEST(XPFileDB, SamePathTwiceDoesNothing) {
    ScratchDir dir;
    const std::string path = dir.File("a.db");
    TXPFileDB db;
    db.SetDBFile(path);
    TSelfFileClass* first = db.Container();
    db.SetDBMark("other");  // would fail a mark check
    EXPECT_NO_THROW(db.SetDBFile(path));
    EXPECT_EQ(db.Container(), first);
    // Another path opens anew, with the new mark.
    EXPECT_NO_THROW(db.SetDBFile(dir.File("b.db")));
    EXPECT_NE(db.Container(), nullptr);
    EXPECT_EQ(ReadAll(dir.File("b.db"))[9], 5);
    EXPECT_THROW(db.SetDBFile(path), TXPException);
}

TEST(XPFileDB, FailedOpenIsRememberedAndLeavesNoContainer) {
    ScratchDir dir;
    const std::string bad = dir.Path() + "/no/such/folder/x.db";
    TXPFileDB db;
    EXPECT_THROW(db.SetDBFile(bad), EFCreateError);
    EXPECT_EQ(db.Container(), nullptr);
    EXPECT_NO_THROW(db.SetDBFile(bad));  // the path is already recorded
    EXPECT_EQ(db.Container(), nullptr);
    EXPECT_THROW(db.DataIdxList(), TXPException);
    db.SetDBFile(dir.File("ok.db"));
    EXPECT_NE(db.Container(), nullptr);
}

TEST(XPFileDB, WriteThenReplaceKeepsTheFirstDescriptor) {
    ScratchDir dir;
    const std::string path = dir.File("s.db");
    TXPFileDB db;
    db.SetDBFile(path);
    Write(db, "boxspvalue", Sample(272, 1), 1, 7, "first");
    Write(db, "other", Sample(10, 2));
    Write(db, "boxspvalue", Bytes(272, 0), 9, 99, "second");
    EXPECT_EQ(Read(db, "boxspvalue"), Bytes(272, 0));
    EXPECT_EQ(db.CurrentDescriptor().Kind(), 1);
    EXPECT_EQ(db.CurrentDescriptor().TagValue(), 7);
    EXPECT_EQ(db.CurrentDescriptor().Text(), "first");
    EXPECT_EQ(db.DataIdxList()->Values(), (std::vector<int32_t>{1, 2}));
    EXPECT_TRUE(db.DataExists("other"));
    EXPECT_FALSE(db.DataExists("OTHER"));

    // Growing data moves the entry to the end of the chain with its ID.
    Write(db, "boxspvalue", Sample(100000, 4));
    EXPECT_EQ(db.DataIdxList()->Values(), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(Read(db, "boxspvalue"), Sample(100000, 4));
}

TEST(XPFileDB, SixtyOneByteKeysAddAnEntryEachTime) {
    ScratchDir dir;
    TXPFileDB db;
    db.SetDBFile(dir.File("k.db"));
    const std::string key(61, 'k');
    Write(db, key, Sample(5, 1));
    Write(db, key, Sample(5, 2));
    EXPECT_EQ(db.DataIdxList()->Count(), 2);
    EXPECT_FALSE(db.DataExists(key));
    EXPECT_EQ(Read(db, key.substr(0, 60)), Sample(5, 1));
}

TEST(XPFileDB, EmptyDataReadsAsAnEmptyStream) {
    ScratchDir dir;
    TXPFileDB db;
    db.SetDBFile(dir.File("e.db"));
    db.WriteData("nothing", nullptr, 0, 2, 0, "");
    auto s = db.ReadData("nothing");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Size(), 0);
    // An empty rewrite keeps the old data.
    Write(db, "x", Sample(50));
    db.WriteData("x", nullptr, 0, 2, 0, "");
    EXPECT_EQ(Read(db, "x"), Sample(50));
    EXPECT_THROW(db.WriteData("y", nullptr, -1, 2, 0, ""), EWriteError);
}

TEST(XPFileDB, PackageOfFiftyNineEntriesListsItsIDs) {
    ScratchDir dir;
    const std::string path = dir.File("vedaruv.bin");
    {
        TSelfFileClass c(path, "m_install", FixedOptions());
        for (int i = 0; i < 59; ++i) {
            TMemoryStream m = StreamOf(Sample(static_cast<size_t>(i * 37), static_cast<uint32_t>(i)));
            c.AddEntry(Descriptor("file" + std::to_string(i)), m, 0);
        }
    }
    TXPFileDB db;
    db.SetDBMark("m_install");
    db.SetReadOnly(true);
    db.SetDBFile(path);
    auto ids = db.DataIdxList();
    ASSERT_EQ(ids->Count(), 59);
    for (int i = 0; i < 59; ++i) EXPECT_EQ(ids->Items(i), i + 1);
    for (int i = 58; i >= 0; --i)
        EXPECT_EQ(Read(db, "file" + std::to_string(i)), Sample(static_cast<size_t>(i * 37), static_cast<uint32_t>(i)));
    EXPECT_THROW(Write(db, "new", Sample(3)), EWriteError);
}

TEST(XPFileDB, LargeEntriesReadBackWholeAndDamageIsFound) {
    ScratchDir dir;
    const std::string path = dir.File("big.db");
    Bytes noise(1 << 20);
    uint32_t s = 3;
    for (auto& b : noise) b = static_cast<uint8_t>((s = s * 1103515245u + 12345u) >> 23);
    {
        TXPFileDB db;
        db.SetDBFile(path);
        Write(db, "noise", noise);
        Write(db, "text", Sample(3 << 20, 5));
        EXPECT_EQ(Read(db, "noise"), noise);
        EXPECT_EQ(Read(db, "text"), Sample(3 << 20, 5));
        EXPECT_EQ(Read(db, "noise"), noise);
    }
    Bytes f = ReadAll(path);
    const int32_t stored = RecordAt(f, 44).StoredSize;
    ASSERT_GT(stored, 3 * (256 << 10));
    f[44 + 112 + 700000] ^= 0xFF;  // inside the third chunk of input
    WriteAll(path, f);
    TXPFileDB db;
    db.SetDBFile(path);
    EXPECT_THROW(db.ReadData("noise"), EZDecompressionError);
    EXPECT_EQ(Read(db, "text"), Sample(3 << 20, 5));
    f[44 + 112 + 700000] ^= 0xFF;
    PutI64(f.data() + 44 + 112, (1 << 20) + 1);  // declared one byte more than there is
    WriteAll(path, f);
    EXPECT_THROW(db.ReadData("noise"), EZDecompressionError);
    PutI64(f.data() + 44 + 112, (1 << 20) - 1);  // one byte less: read as declared
    WriteAll(path, f);
    EXPECT_EQ(Read(db, "noise"), Bytes(noise.begin(), noise.end() - 1));
}

TEST(XPFileDB, EqualWritesGiveEqualFiles) {
    ScratchDir dir;
    for (const char* name : {"a.db", "b.db"}) {
        TXPFileDB db;
        db.SetClock(FixedStamp);
        db.SetDBFile(dir.File(name));
        Write(db, "boxspvalue", Sample(272, 1));
        Write(db, std::string(30, 'l'), Sample(30, 2), 2, 5, "some text");
        Write(db, "s", Sample(3, 3));  // leaves the longer name's bytes in the slot
        Write(db, "boxspvalue", Sample(9000, 4));
    }
    EXPECT_EQ(ReadAll(dir.File("a.db")), ReadAll(dir.File("b.db")));
}

}  // namespace
}  // namespace vd::test
