// The stored form of a payload: the 8-byte uncompressed size followed by a
// zlib stream of the whole payload. Both transforms work in place on a
// memory stream and leave its position at 0; an empty stream stays empty.
#pragma once
#include <cstdint>

#include "package/file_stream.h"
#include "package/memory_stream.h"

namespace vd {

// Payloads must stay below 2 GiB.
constexpr int64_t kMaxPayloadSize = 0x7FFFFFFF;

// Deflate can expand at most about 1032:1; a declared size above this bound
// for `zlibBytes` bytes of stream cannot be genuine.
constexpr int64_t MaxInflatedSize(int64_t zlibBytes) { return zlibBytes * 1032 + 1032; }

// Raises EZCompressionError when zlib fails or the payload is too large.
void DeflatePayload(TMemoryStream& stream, int level);
// Raises ECorruptPackage for an impossible size prefix and EZDecompressionError
// for bad zlib data or data that ends before the declared size. On error the
// stream is left as it was.
void InflatePayload(TMemoryStream& stream);
// The same from `size` bytes of stored data at `stored` into `out` (its old
// content replaced); `out` is left as it was on error.
void InflateStored(const uint8_t* stored, int64_t size, TMemoryStream& out);
// The same from `size` bytes of stored data at `start` in `file`, read in
// chunks through `chunk` (a small buffer that can be reused from call to call),
// so that only the inflated payload is held whole in memory.
void InflateStoredFrom(TFileStream& file, int64_t start, int64_t size, TMemoryStream& chunk, TMemoryStream& out);
// The uncompressed size that `size` bytes of stored data at `start` in `file`
// declare, read from their prefix without inflating (0 for empty stored
// data); raises ECorruptPackage for an impossible prefix.
int64_t DeclaredSizeFrom(TFileStream& file, int64_t start, int64_t size);

}  // namespace vd
