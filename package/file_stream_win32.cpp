// Win32 file access for the package store: wide-character paths, full sharing.
#include "package/file_stream.h"

#include <windows.h>

#include "core/wide.h"
#include "package/stream_errors.h"

namespace vd {
namespace {

std::string Describe(const std::string& what, const std::string& path) {
    return what + " \"" + path + "\" (error " + std::to_string(GetLastError()) + ")";
}

HANDLE H(void* h) { return static_cast<HANDLE>(h); }

}  // namespace

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path) {
    DWORD access = GENERIC_READ | GENERIC_WRITE;
    DWORD disposition = OPEN_EXISTING;
    if (mode == TFileMode::fmCreate) disposition = CREATE_ALWAYS;
    if (mode == TFileMode::fmOpenRead) {
        access = GENERIC_READ;
        readOnly_ = true;
    }
    HANDLE h = CreateFileW(Wide(path).c_str(), access,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (mode == TFileMode::fmCreate) throw EFCreateError(Describe("Cannot create file", path));
        throw EFOpenError(Describe("Cannot open file", path));
    }
    handle_ = h;
}

TFileStream::~TFileStream() {
    if (handle_) CloseHandle(H(handle_));
}

namespace {

// An OVERLAPPED that names an absolute file position for a synchronous call.
OVERLAPPED OverlappedAt(int64_t at) {
    OVERLAPPED ov = {};
    ov.Offset = static_cast<DWORD>(static_cast<uint64_t>(at) & 0xFFFFFFFFu);
    ov.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(at) >> 32);
    return ov;
}

// One read or write moves at most 1 GiB.
DWORD ChunkOf(int64_t left) { return left > (1 << 30) ? (1u << 30) : static_cast<DWORD>(left); }

}  // namespace

int64_t TFileStream::ReadAt(int64_t position, void* buffer, int64_t count) {
    if (position < 0 || count < 0) throw EReadError("Stream read error");
    auto* p = static_cast<char*>(buffer);
    int64_t done = 0;
    while (done < count) {
        int64_t at = position + done;
        OVERLAPPED ov = OverlappedAt(at);
        DWORD chunk = ChunkOf(count - done);
        DWORD got = 0;
        if (!ReadFile(H(handle_), p + done, chunk, &got, &ov)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            throw EReadError(Describe("Stream read error on", path_));
        }
        if (got == 0) break;
        done += got;
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
        int64_t at = position + done;
        OVERLAPPED ov = OverlappedAt(at);
        DWORD chunk = ChunkOf(count - done);
        DWORD put = 0;
        if (!WriteFile(H(handle_), p + done, chunk, &put, &ov) || put == 0)
            throw EWriteError(Describe("Stream write error on", path_));
        done += put;
    }
}

int64_t TFileStream::Size() {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(H(handle_), &size)) throw EReadError(Describe("Cannot query the size of", path_));
    return static_cast<int64_t>(size.QuadPart);
}

bool TFileStream::Exists(const std::string& path) {
    DWORD a = GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace vd
