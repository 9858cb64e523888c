// A file that lives in memory (Linux memfd) and that code which opens files
// by path can open as /proc/self/fd/N, so that a fuzz input reaches the
// package store as a real file without touching the disk.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vd::fuzz {

class TMemoryFile {
public:
    explicit TMemoryFile(const char* name);
    ~TMemoryFile();
    TMemoryFile(const TMemoryFile&) = delete;
    TMemoryFile& operator=(const TMemoryFile&) = delete;

    // Replaces the whole content.
    void Assign(const uint8_t* data, size_t size);
    void Assign(const std::vector<uint8_t>& bytes) { Assign(bytes.data(), bytes.size()); }
    std::vector<uint8_t> Contents() const;
    const std::string& Path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace vd::fuzz
