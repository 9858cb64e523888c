#include <cstdio>
#include <memory>

#include "core/text.h"
#include "imaging/image.h"

namespace vd {
namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

FilePtr OpenFile(const std::string& path, bool write) {
#ifdef _WIN32
    std::u16string w = Utf8ToUtf16(path);
    return FilePtr(_wfopen(reinterpret_cast<const wchar_t*>(w.c_str()), write ? L"wb" : L"rb"));
#else
    return FilePtr(std::fopen(path.c_str(), write ? "wb" : "rb"));
#endif
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& out) {
    FilePtr f = OpenFile(path, false);
    if (!f) return false;
    out.clear();
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) out.insert(out.end(), buf, buf + n);
    return !std::ferror(f.get());
}

bool WriteFileBytes(const std::string& path, const uint8_t* data, size_t size) {
    FilePtr f = OpenFile(path, true);
    if (!f) return false;
    if (size > 0 && std::fwrite(data, 1, size, f.get()) != size) return false;
    return std::fflush(f.get()) == 0;
}

}  // namespace vd
