#include "package/payload_codec.h"

#include <cstdlib>
#include <new>
#include <string>
#include <zlib.h>

#include "package/container_format.h"
#include "package/file_stream.h"
#include "package/stream_errors.h"

namespace vd {
namespace {

// First allocation for inflating; larger declared sizes grow as data arrives,
// so a lying size prefix cannot claim memory the data does not fill.
constexpr int64_t kInitialInflateBuffer = 64 << 20;

struct MallocBuffer {
    uint8_t* p = nullptr;
    ~MallocBuffer() { std::free(p); }
    void Resize(int64_t n) {
        void* q = std::realloc(p, static_cast<size_t>(n > 0 ? n : 1));
        if (!q) throw std::bad_alloc();
        p = static_cast<uint8_t*>(q);
    }
    uint8_t* Release() {
        uint8_t* r = p;
        p = nullptr;
        return r;
    }
};

std::string ZMessage(const char* what, int code, const z_stream& zs) {
    std::string m = what;
    m += zs.msg ? std::string(": ") + zs.msg : ": zlib error " + std::to_string(code);
    return m;
}

struct Inflater {
    z_stream zs{};
    bool live = false;
    ~Inflater() {
        if (live) inflateEnd(&zs);
    }
};

}  // namespace

void DeflatePayload(TMemoryStream& stream, int level) {
    const int64_t n = stream.Size();
    if (n == 0) return;
    if (n > kMaxPayloadSize) throw EZCompressionError("Payload too large for the package");
    const uLong bound = compressBound(static_cast<uLong>(n));
    MallocBuffer out;
    out.Resize(kSizePrefix + static_cast<int64_t>(bound));
    PutI64(out.p, n);

    z_stream zs{};
    int rc = deflateInit(&zs, level);
    if (rc != Z_OK) throw EZCompressionError(ZMessage("Compression error", rc, zs));
    zs.next_in = stream.Memory();
    zs.avail_in = static_cast<uInt>(n);
    zs.next_out = out.p + kSizePrefix;
    zs.avail_out = static_cast<uInt>(bound);
    rc = deflate(&zs, Z_FINISH);
    const int64_t produced = static_cast<int64_t>(zs.total_out);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END) throw EZCompressionError(ZMessage("Compression error", rc, zs));

    const int64_t total = kSizePrefix + produced;
    out.Resize(total);  // give back the unused bound
    stream.Adopt(out.Release(), total, total);
}

namespace {

// Where the zlib bytes come from: all of them in memory, or a file read in
// chunks through a small reused buffer.
class ZlibSource {
public:
    virtual ~ZlibSource() = default;
    // Points `zs` at more input when there is any.
    virtual void Refill(z_stream& zs) = 0;
};

class MemorySource : public ZlibSource {
public:
    MemorySource(const uint8_t* data, int64_t size) : data_(data), size_(size) {}
    void Refill(z_stream& zs) override {
        if (given_) return;
        zs.next_in = const_cast<uint8_t*>(data_);
        zs.avail_in = static_cast<uInt>(size_);
        given_ = true;
    }

private:
    const uint8_t* data_;
    int64_t size_;
    bool given_ = false;
};

constexpr int64_t kFileChunk = 256 << 10;

class FileSource : public ZlibSource {
public:
    // Reads the first chunk, which starts with the size prefix.
    FileSource(TFileStream& file, int64_t start, int64_t stored, TMemoryStream& chunk)
        : file_(file), chunk_(chunk), position_(start), left_(stored) {
        chunk_.SetSize(stored < kFileChunk ? stored : kFileChunk);
        Read();
    }
    const uint8_t* Prefix() const { return chunk_.Memory(); }
    void Refill(z_stream& zs) override {
        if (first_) {
            first_ = false;
            zs.next_in = chunk_.Memory() + kSizePrefix;
            zs.avail_in = static_cast<uInt>(firstSize_ - kSizePrefix);
            return;
        }
        if (left_ == 0) return;
        zs.avail_in = static_cast<uInt>(Read());
        zs.next_in = chunk_.Memory();
    }

private:
    int64_t Read() {
        const int64_t n = left_ < chunk_.Size() ? left_ : chunk_.Size();
        file_.ReadExactAt(position_, chunk_.Memory(), n);
        position_ += n;
        left_ -= n;
        if (first_ && firstSize_ < 0) firstSize_ = n;
        return n;
    }

    TFileStream& file_;
    TMemoryStream& chunk_;
    int64_t position_, left_;
    bool first_ = true;
    int64_t firstSize_ = -1;
};

void CheckDeclaredSize(int64_t stored, int64_t declared) {
    const int64_t zlibBytes = stored - kSizePrefix;
    if (declared < 0 || declared > kMaxPayloadSize || declared > MaxInflatedSize(zlibBytes))
        throw ECorruptPackage("Corrupt package: impossible uncompressed size " + std::to_string(declared) +
                              " for " + std::to_string(zlibBytes) + " bytes of zlib data");
}

void CheckHasPrefix(int64_t stored) {
    if (stored < kSizePrefix)
        throw ECorruptPackage("Corrupt package: stored data of " + std::to_string(stored) +
                              " bytes has no size prefix");
}

// Inflates exactly `declared` bytes into `out` (replacing its content on success only).
void InflateFrom(ZlibSource& source, int64_t declared, TMemoryStream& out) {
    Inflater inf;
    int rc = inflateInit(&inf.zs);
    if (rc != Z_OK) throw EZDecompressionError(ZMessage("Decompression error", rc, inf.zs));
    inf.live = true;

    MallocBuffer buffer;
    int64_t capacity = declared < kInitialInflateBuffer ? declared : kInitialInflateBuffer;
    buffer.Resize(capacity);
    int64_t produced = 0;
    while (produced < declared) {
        if (produced == capacity) {
            capacity = capacity * 2 < declared ? capacity * 2 : declared;
            buffer.Resize(capacity);
        }
        if (inf.zs.avail_in == 0) source.Refill(inf.zs);
        inf.zs.next_out = buffer.p + produced;
        inf.zs.avail_out = static_cast<uInt>(capacity - produced);
        rc = inflate(&inf.zs, Z_NO_FLUSH);
        produced = static_cast<int64_t>(inf.zs.total_out);
        if (rc == Z_STREAM_END) {
            if (produced < declared) throw EZDecompressionError("Decompression error: data ends early");
            break;
        }
        if (rc == Z_BUF_ERROR && inf.zs.avail_out > 0)
            throw EZDecompressionError("Decompression error: data ends early");
        if (rc != Z_OK && rc != Z_BUF_ERROR) throw EZDecompressionError(ZMessage("Decompression error", rc, inf.zs));
    }
    if (rc != Z_STREAM_END) {
        // All declared bytes are out; let zlib look at the trailer so that a
        // damaged checksum is noticed. Further output is ignored.
        if (inf.zs.avail_in == 0) source.Refill(inf.zs);
        if (inf.zs.avail_in > 0) {
            uint8_t spare;
            inf.zs.next_out = &spare;
            inf.zs.avail_out = 1;
            rc = inflate(&inf.zs, Z_NO_FLUSH);
            if (rc == Z_DATA_ERROR) throw EZDecompressionError(ZMessage("Decompression error", rc, inf.zs));
        }
    }
    out.Adopt(buffer.Release(), declared, capacity > 0 ? capacity : 1);
}

}  // namespace

void InflatePayload(TMemoryStream& stream) {
    if (stream.Size() == 0) return;
    InflateStored(stream.Memory(), stream.Size(), stream);
}

void InflateStored(const uint8_t* data, int64_t stored, TMemoryStream& out) {
    if (stored == 0) {
        out.Clear();
        return;
    }
    CheckHasPrefix(stored);
    const int64_t declared = GetI64(data);
    CheckDeclaredSize(stored, declared);
    MemorySource source(data + kSizePrefix, stored - kSizePrefix);
    InflateFrom(source, declared, out);
}

void InflateStoredFrom(TFileStream& file, int64_t start, int64_t stored, TMemoryStream& chunk,
                       TMemoryStream& out) {
    if (stored == 0) {
        out.Clear();
        return;
    }
    CheckHasPrefix(stored);
    FileSource source(file, start, stored, chunk);
    const int64_t declared = GetI64(source.Prefix());
    CheckDeclaredSize(stored, declared);
    InflateFrom(source, declared, out);
}

int64_t DeclaredSizeFrom(TFileStream& file, int64_t start, int64_t stored) {
    if (stored == 0) return 0;
    CheckHasPrefix(stored);
    uint8_t prefix[kSizePrefix];
    file.ReadExactAt(start, prefix, kSizePrefix);
    const int64_t declared = GetI64(prefix);
    CheckDeclaredSize(stored, declared);
    return declared;
}

}  // namespace vd
