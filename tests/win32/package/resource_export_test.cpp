#include "package/resource_export.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "core/wide.h"

#if defined(VD_TEST_OPEN_PACKAGE)
#include "package/xp_file_db.h"
#endif

using vd::Wide;

namespace {

// Host paths of the build reach Wine through its Z: drive.
std::string HostPath(std::string unix_path) {
  for (char& c : unix_path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + unix_path;
}

std::vector<char> ReadAll(const std::string& path) {
  HANDLE f = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  std::vector<char> bytes;
  if (f == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size{};
  GetFileSizeEx(f, &size);
  bytes.resize(static_cast<size_t>(size.QuadPart));
  DWORD got = 0;
  if (!bytes.empty()) ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(f);
  bytes.resize(got);
  return bytes;
}

bool Exists(const std::string& path) {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteBytes(const std::string& path, size_t n, char fill) {
  HANDLE f = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  std::string data(n, fill);
  DWORD put = 0;
  WriteFile(f, data.data(), static_cast<DWORD>(n), &put, nullptr);
  CloseHandle(f);
}

class ResourceExport : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t tmp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, tmp), 0u);
    std::wstring w(tmp);
    dir_ = vd::Utf16ToUtf8(std::u16string(w.begin(), w.end())) + "vd_export_" +
           std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(CreateDirectoryW(Wide(dir_).c_str(), nullptr));
  }
  void TearDown() override {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Wide(dir_ + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        std::wstring n(fd.cFileName);
        if (n != L"." && n != L"..") DeleteFileW((Wide(dir_) + n).c_str());
      } while (FindNextFileW(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryW(Wide(dir_).c_str());
  }
  std::string dir_;
};

TEST_F(ResourceExport, MissingTypeOrNameGivesFalseAndNoFile) {
  const std::string target = dir_ + "none.bin";
  EXPECT_FALSE(vd::ExportResource("dbfile", "nosuchname", target));
  EXPECT_FALSE(vd::ExportResource("nosuchtype", "idata", target));
  EXPECT_FALSE(vd::ExportResource("jpgfile", "idata", target));  // name under another type
  EXPECT_FALSE(vd::ExportResource("", "idata", target));
  EXPECT_FALSE(Exists(target));
}

TEST_F(ResourceExport, PackageAndSlideAreByteIdenticalWhateverTheCaseOfTheNames) {
  const std::vector<char> package = ReadAll(HostPath(VD_TEST_PACKAGE_SOURCE));
  const std::vector<char> slide = ReadAll(HostPath(VD_TEST_SLIDE_SOURCE));
  ASSERT_GT(package.size(), 1000u);
  ASSERT_GT(slide.size(), 1000u);

  EXPECT_TRUE(vd::ExportResource("dbfile", "idata", dir_ + "vedaruv.bin"));
  EXPECT_EQ(ReadAll(dir_ + "vedaruv.bin"), package);
  EXPECT_TRUE(vd::ExportResource("JpgFile", "IPIC1", dir_ + "_mps1.jpg"));
  EXPECT_EQ(ReadAll(dir_ + "_mps1.jpg"), slide);
}

TEST_F(ResourceExport, ExistingTargetIsReplacedWhateverItsLength) {
  const std::vector<char> slide = ReadAll(HostPath(VD_TEST_SLIDE_SOURCE));
  const std::string target = dir_ + "_mps1.jpg";
  for (size_t old_size : {slide.size() * 3, size_t{7}, slide.size()}) {
    WriteBytes(target, old_size, 'x');
    EXPECT_TRUE(vd::ExportResource("jpgfile", "ipic1", target)) << old_size;
    EXPECT_EQ(ReadAll(target), slide) << old_size;
  }
}

TEST_F(ResourceExport, FolderAsTargetGivesFalse) {
  const std::string folder = dir_ + "sub";
  ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
  EXPECT_FALSE(vd::ExportResource("jpgfile", "ipic1", folder));
  RemoveDirectoryW(Wide(folder).c_str());
}

TEST_F(ResourceExport, TargetInMissingFolderGivesFalseAndCreatesNothing) {
  const std::string missing = dir_ + "not_there\\";
  EXPECT_FALSE(vd::ExportResource("dbfile", "idata", missing + "vedaruv.bin"));
  EXPECT_FALSE(Exists(missing));
}

TEST_F(ResourceExport, EmptyResourceGivesEmptyFile) {
  const std::string target = dir_ + "empty.bin";
  WriteBytes(target, 100, 'z');
  EXPECT_TRUE(vd::ExportResource("emptyfile", "nothing", target));
  EXPECT_TRUE(Exists(target));
  EXPECT_TRUE(ReadAll(target).empty());
}

TEST_F(ResourceExport, NonAsciiTargetPath) {
  const std::string target = dir_ + "幻灯片1.jpg";
  EXPECT_TRUE(vd::ExportResource("jpgfile", "ipic1", target));
  EXPECT_EQ(ReadAll(target), ReadAll(HostPath(VD_TEST_SLIDE_SOURCE)));
}

#if defined(VD_TEST_OPEN_PACKAGE)
TEST_F(ResourceExport, ExportedPackageOpensWithTheInstallMark) {
  const std::string target = dir_ + "vedaruv.bin";
  ASSERT_TRUE(vd::ExportResource("dbfile", "idata", target));
  {
    vd::TXPFileDB db;
    db.SetDBMark("m_install");
    db.SetReadOnly(true);
    ASSERT_NO_THROW(db.SetDBFile(target));
    std::unique_ptr<vd::TXPIntList> ids = db.DataIdxList();
    ASSERT_NE(ids, nullptr);
    EXPECT_GT(ids->Count(), 0);
  }
  vd::TXPFileDB wrong;
  wrong.SetDBMark("xpselfdb");
  wrong.SetReadOnly(true);
  EXPECT_THROW(wrong.SetDBFile(target), vd::TXPException);
}

#endif

}  // namespace
