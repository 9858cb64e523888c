// Helpers for the package store tests: a scratch folder, whole-file I/O and
// a fixed creation stamp.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "package/container_format.h"
#include "package/ole_date.h"
#include "package/self_file.h"

namespace vd::test {

using Bytes = std::vector<uint8_t>;

class ScratchDir {
public:
    ScratchDir() {
        char tmpl[] = "/tmp/vd_package_XXXXXX";
        const char* p = mkdtemp(tmpl);
        path_ = p ? p : "/tmp";
    }
    ~ScratchDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

inline Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline double FixedStamp() { return EncodeOleDate(2011, 7, 21, 10, 59, 20, 671); }

inline TContainerOptions FixedOptions() {
    TContainerOptions o;
    o.Clock = FixedStamp;
    return o;
}

// Deterministic, moderately compressible bytes.
inline Bytes Sample(size_t n, uint32_t seed = 1) {
    Bytes b(n);
    uint32_t s = seed;
    for (size_t i = 0; i < n; ++i) {
        s = s * 134775813u + 1;
        b[i] = static_cast<uint8_t>((s >> 24) % 16 + 'a');
    }
    return b;
}

inline TMemoryStream StreamOf(const Bytes& b) {
    TMemoryStream m;
    m.Write(b.data(), static_cast<int64_t>(b.size()));
    return m;
}

inline Bytes BytesOf(const TMemoryStream& m) { return Bytes(m.Memory(), m.Memory() + m.Size()); }

inline TEntryDescriptor Descriptor(const std::string& name, uint8_t kind = 2, int32_t tag = 0,
                                   const std::string& text = "") {
    TEntryDescriptor d;
    d.SetKind(kind);
    d.SetTagValue(tag);
    d.SetName(name);
    d.SetText(text);
    return d;
}

inline TEntryRecord RecordAt(const Bytes& file, int32_t offset) {
    TEntryRecord r;
    r.Unpack(file.data() + offset);
    return r;
}

inline TIndexHead HeadOf(const Bytes& file) {
    TIndexHead h;
    h.Unpack(file.data() + kIndexHeadOffset);
    return h;
}

}  // namespace vd::test
