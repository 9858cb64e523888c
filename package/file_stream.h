// A file opened for byte access at explicit positions, always with full
// sharing (other handles may read, write and delete the file meanwhile).
// Paths are UTF-8. Errors raise EFOpenError/EFCreateError/EReadError/EWriteError.
#pragma once
#include <cstdint>
#include <string>

namespace vd {

enum class TFileMode {
    fmCreate,         // create (or truncate) the file, read and write
    fmOpenReadWrite,  // open an existing file for reading and writing
    fmOpenRead,       // open an existing file for reading only
};

class TFileStream {
public:
    TFileStream(const std::string& path, TFileMode mode);
    ~TFileStream();
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    // Reads up to `count` bytes at `position`; returns the number read
    // (short at the end of the file). Failing system calls raise EReadError.
    int64_t ReadAt(int64_t position, void* buffer, int64_t count);
    // Reads exactly `count` bytes or raises EReadError.
    void ReadExactAt(int64_t position, void* buffer, int64_t count);
    // Writes all `count` bytes at `position` or raises EWriteError.
    void WriteAt(int64_t position, const void* buffer, int64_t count);
    int64_t Size();

    const std::string& FileName() const { return path_; }
    bool ReadOnly() const { return readOnly_; }

    static bool Exists(const std::string& path);  // a file (not a folder) of that name

private:
    std::string path_;
    bool readOnly_ = false;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace vd
