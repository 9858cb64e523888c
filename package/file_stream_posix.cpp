// POSIX file access for the package store.
#include "package/file_stream.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "package/stream_errors.h"

namespace vd {
namespace {

std::string Describe(const std::string& what, const std::string& path) {
    return what + " \"" + path + "\": " + std::strerror(errno);
}

}  // namespace

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path) {
    int flags = O_CLOEXEC;
    switch (mode) {
    case TFileMode::fmCreate: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    case TFileMode::fmOpenReadWrite: flags |= O_RDWR; break;
    case TFileMode::fmOpenRead: flags |= O_RDONLY; readOnly_ = true; break;
    }
    fd_ = ::open(path.c_str(), flags, 0666);
    if (fd_ < 0) {
        if (mode == TFileMode::fmCreate) throw EFCreateError(Describe("Cannot create file", path));
        throw EFOpenError(Describe("Cannot open file", path));
    }
    struct stat st;
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        errno = EISDIR;
        throw EFOpenError(Describe("Cannot open file", path));
    }
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) ::close(fd_);
}

int64_t TFileStream::ReadAt(int64_t position, void* buffer, int64_t count) {
    if (position < 0 || count < 0) throw EReadError("Stream read error");
    auto* p = static_cast<char*>(buffer);
    int64_t done = 0;
    while (done < count) {
        ssize_t n = ::pread(fd_, p + done, static_cast<size_t>(count - done),
                            static_cast<off_t>(position + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EReadError(Describe("Stream read error on", path_));
        }
        if (n == 0) break;
        done += n;
    }
    return done;
}

void TFileStream::ReadExactAt(int64_t position, void* buffer, int64_t count) {
    if (ReadAt(position, buffer, count) != count) throw EReadError("Stream read error");
}

void TFileStream::WriteAt(int64_t position, const void* buffer, int64_t count) {
    if (position < 0 || count < 0) throw EWriteError("Stream write error");
    const auto* p = static_cast<const char*>(buffer);
    int64_t done = 0;
    while (done < count) {
        ssize_t n = ::pwrite(fd_, p + done, static_cast<size_t>(count - done),
                             static_cast<off_t>(position + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EWriteError(Describe("Stream write error on", path_));
        }
        if (n == 0) throw EWriteError("Stream write error on \"" + path_ + "\"");
        done += n;
    }
}

int64_t TFileStream::Size() {
    struct stat st;
    if (::fstat(fd_, &st) != 0) throw EReadError(Describe("Cannot query the size of", path_));
    return static_cast<int64_t>(st.st_size);
}

bool TFileStream::Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace vd
