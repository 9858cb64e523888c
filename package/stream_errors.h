// Exceptions of the stream layer under the package store. Every failure of a
// file, of a memory stream, of zlib or of a damaged container is one of
// these, so a caller can catch EStreamError (or std::exception) for all.
#pragma once
#include <stdexcept>
#include <string>

namespace vd {

class EStreamError : public std::runtime_error {
public:
    explicit EStreamError(const std::string& message) : std::runtime_error(message) {}
};

class EFOpenError : public EStreamError {       // an existing file cannot be opened
public:
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {     // a file cannot be created
public:
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {        // a read came back short or failed
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {       // a write failed (disk full, read-only)
public:
    using EStreamError::EStreamError;
};

// zlib refused to deflate or inflate.
class EZlibError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EZCompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EZDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

// The container's structure contradicts itself: a link out of range or
// running in a circle, a size past the end of the file, a length byte above
// its slot's capacity, a count at its limit.
class ECorruptPackage : public EStreamError {
public:
    using EStreamError::EStreamError;
};

}  // namespace vd
