// The memory stream and the file stream under the container.
#include <gtest/gtest.h>

#include "package/file_stream.h"
#include "package/memory_stream.h"
#include "package/stream_errors.h"
#include "package_test_util.h"

namespace vd::test {
namespace {

TEST(MemoryStream, WritesGrowReadsStopAtTheEnd) {
    TMemoryStream m;
    const Bytes a = Sample(1000, 1), b = Sample(5000, 2);
    m.Write(a.data(), 1000);
    m.SetPosition(500);
    m.Write(b.data(), 5000);  // overwrites the tail and grows
    EXPECT_EQ(m.Size(), 5500);
    EXPECT_EQ(m.Position(), 5500);
    Bytes expect(a.begin(), a.begin() + 500);
    expect.insert(expect.end(), b.begin(), b.end());
    EXPECT_EQ(BytesOf(m), expect);

    m.SetPosition(5400);
    uint8_t buf[300];
    EXPECT_EQ(m.Read(buf, 300), 100);
    EXPECT_EQ(m.Read(buf, 300), 0);
    m.SetPosition(-5);
    EXPECT_EQ(m.Position(), 0);
    m.SetPosition(99999);
    EXPECT_EQ(m.Position(), 5500);
    m.SetSize(10);
    EXPECT_EQ(m.Position(), 10);
    EXPECT_EQ(BytesOf(m), Bytes(a.begin(), a.begin() + 10));

    TMemoryStream moved(std::move(m));
    EXPECT_EQ(moved.Size(), 10);
    EXPECT_EQ(m.Size(), 0);  // NOLINT: a moved-from stream is empty
    moved.Clear();
    EXPECT_EQ(moved.Size(), 0);
    EXPECT_EQ(moved.Memory(), nullptr);
}

TEST(FileStream, HandlesShareTheFile) {
    ScratchDir dir;
    const std::string path = dir.File("f");
    TFileStream a(path, TFileMode::fmCreate);
    TFileStream b(path, TFileMode::fmOpenReadWrite);
    TFileStream r(path, TFileMode::fmOpenRead);
    const Bytes data = Sample(100);
    a.WriteAt(10, data.data(), 100);
    EXPECT_EQ(b.Size(), 110);
    Bytes back(100);
    r.ReadExactAt(10, back.data(), 100);
    EXPECT_EQ(back, data);
    uint8_t more[20];
    EXPECT_EQ(r.ReadAt(100, more, 20), 10);
    EXPECT_THROW(r.ReadExactAt(100, more, 20), EReadError);
    EXPECT_THROW(r.WriteAt(0, more, 1), EWriteError);
    EXPECT_THROW(r.ReadAt(-1, more, 1), EReadError);
    EXPECT_TRUE(TFileStream::Exists(path));
    EXPECT_FALSE(TFileStream::Exists(dir.Path()));
    EXPECT_THROW(TFileStream(dir.Path(), TFileMode::fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(dir.File("missing"), TFileMode::fmOpenReadWrite), EFOpenError);
    EXPECT_THROW(TFileStream(dir.File("no/such"), TFileMode::fmCreate), EFCreateError);
}

}  // namespace
}  // namespace vd::test
