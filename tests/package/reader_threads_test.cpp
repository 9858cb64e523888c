// The package store from several threads at once: each thread has its own
// database object (one object is used by one thread at a time), and they
// read and write different files, or read the same file, concurrently. Run
// under ThreadSanitizer by scripts/test.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "package/xp_file_db.h"
#include "package_test_util.h"

namespace vd::test {
namespace {

class ReaderThreads : public ::testing::Test {
protected:
    // A package of `count` entries of different sizes; returns their data.
    std::vector<Bytes> Make(const std::string& path, const std::string& mark, int count, uint32_t seed) {
        std::vector<Bytes> data;
        TXPFileDB db;
        db.SetClock(FixedStamp);
        db.SetDBMark(mark);
        db.SetDBFile(path);
        for (int i = 0; i < count; ++i) {
            data.push_back(Sample(1000 + 7919 * static_cast<size_t>(i), seed + static_cast<uint32_t>(i)));
            db.WriteData("e" + std::to_string(i), data.back().data(), static_cast<int32_t>(data.back().size()), 2, 0,
                         "");
        }
        return data;
    }

    // Reads every entry `rounds` times; counts the reads that differ.
    static int ReadAll(const std::string& path, const std::string& mark, const std::vector<Bytes>& data, int rounds) {
        int wrong = 0;
        TXPFileDB db;
        db.SetReadOnly(true);
        db.SetDBMark(mark);
        db.SetDBFile(path);
        for (int r = 0; r < rounds; ++r)
            for (size_t i = 0; i < data.size(); ++i) {
                std::unique_ptr<TMemoryStream> s = db.ReadData("e" + std::to_string(i));
                if (!s || BytesOf(*s) != data[i]) ++wrong;
            }
        if (db.DataIdxList()->Count() != static_cast<int>(data.size())) ++wrong;
        return wrong;
    }

    ScratchDir dir;
};

TEST_F(ReaderThreads, TwoThreadsReadTwoDatabasesAtOnce) {
    const std::string a = dir.File("a.bin"), b = dir.File("b.bin");
    const std::vector<Bytes> da = Make(a, "m_install", 12, 1), db = Make(b, "b_special", 9, 100);
    int wrongA = -1, wrongB = -1;
    std::thread ta([&] { wrongA = ReadAll(a, "m_install", da, 5); });
    std::thread tb([&] { wrongB = ReadAll(b, "b_special", db, 5); });
    ta.join();
    tb.join();
    EXPECT_EQ(wrongA, 0);
    EXPECT_EQ(wrongB, 0);
}

TEST_F(ReaderThreads, OneThreadReadsWhileAnotherWritesItsOwnDatabase) {
    const std::string a = dir.File("a.bin");
    const std::vector<Bytes> da = Make(a, "m_install", 12, 1);
    int wrong = -1;
    std::thread reader([&] { wrong = ReadAll(a, "m_install", da, 5); });
    // The writer creates its file (a new stamp from the clock) and adds,
    // replaces and reads back records meanwhile.
    TXPFileDB writer;
    writer.SetDBMark("b_special");
    writer.SetDBFile(dir.File("settings.bin"));
    for (int i = 0; i < 40; ++i) {
        const Bytes record = Sample(272, static_cast<uint32_t>(i));
        writer.WriteData("boxspvalue" + std::to_string(i % 5), record.data(), 272, 1, 0, "");
        std::unique_ptr<TMemoryStream> back = writer.ReadData("boxspvalue" + std::to_string(i % 5));
        ASSERT_TRUE(back);
        EXPECT_EQ(BytesOf(*back), record);
    }
    reader.join();
    EXPECT_EQ(wrong, 0);
}

TEST_F(ReaderThreads, TwoThreadsReadTheSameFileThroughTheirOwnObjects) {
    const std::string a = dir.File("a.bin");
    const std::vector<Bytes> da = Make(a, "m_install", 8, 5);
    int wrong[2] = {-1, -1};
    std::thread t0([&] { wrong[0] = ReadAll(a, "m_install", da, 5); });
    std::thread t1([&] { wrong[1] = ReadAll(a, "m_install", da, 5); });
    t0.join();
    t1.join();
    EXPECT_EQ(wrong[0], 0);
    EXPECT_EQ(wrong[1], 0);
}

}  // namespace
}  // namespace vd::test
