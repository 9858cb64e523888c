#include "package/payload_codec.h"

#include <cstdlib>
#include <new>
#include <string>
#include <zlib.h>

#include "package/container_format.h"
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

void InflatePayload(TMemoryStream& stream) {
    if (stream.Size() == 0) return;
    InflateStored(stream.Memory(), stream.Size(), stream);
}

void InflateStored(const uint8_t* data, int64_t stored, TMemoryStream& out) {
    if (stored == 0) {
        out.Clear();
        return;
    }
    if (stored < kSizePrefix)
        throw ECorruptPackage("Corrupt package: stored data of " + std::to_string(stored) +
                              " bytes has no size prefix");
    const int64_t declared = GetI64(data);
    const int64_t zlibBytes = stored - kSizePrefix;
    if (declared < 0 || declared > kMaxPayloadSize || declared > MaxInflatedSize(zlibBytes))
        throw ECorruptPackage("Corrupt package: impossible uncompressed size " + std::to_string(declared) +
                              " for " + std::to_string(zlibBytes) + " bytes of zlib data");

    Inflater inf;
    int rc = inflateInit(&inf.zs);
    if (rc != Z_OK) throw EZDecompressionError(ZMessage("Decompression error", rc, inf.zs));
    inf.live = true;
    inf.zs.next_in = const_cast<uint8_t*>(data) + kSizePrefix;
    inf.zs.avail_in = static_cast<uInt>(zlibBytes);

    MallocBuffer buffer;
    int64_t capacity = declared < kInitialInflateBuffer ? declared : kInitialInflateBuffer;
    buffer.Resize(capacity);
    int64_t produced = 0;
    while (produced < declared) {
        if (produced == capacity) {
            capacity = capacity * 2 < declared ? capacity * 2 : declared;
            buffer.Resize(capacity);
        }
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
    if (rc != Z_STREAM_END && inf.zs.avail_in > 0) {
        // All declared bytes are out; let zlib look at the trailer so that a
        // damaged checksum is noticed. Further output is ignored.
        uint8_t spare;
        inf.zs.next_out = &spare;
        inf.zs.avail_out = 1;
        rc = inflate(&inf.zs, Z_NO_FLUSH);
        if (rc == Z_DATA_ERROR) throw EZDecompressionError(ZMessage("Decompression error", rc, inf.zs));
    }
    out.Adopt(buffer.Release(), declared, capacity > 0 ? capacity : 1);
}

}  // namespace vd
