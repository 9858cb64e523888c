#include "fuzz/memory_file.h"

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd::fuzz {
namespace {

[[noreturn]] void Die(const char* what) {
    std::perror(what);
    std::abort();
}

}  // namespace

TMemoryFile::TMemoryFile(const char* name) {
    fd_ = memfd_create(name, MFD_CLOEXEC);
    if (fd_ < 0) Die("memfd_create");
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

TMemoryFile::~TMemoryFile() { close(fd_); }

void TMemoryFile::Assign(const uint8_t* data, size_t size) {
    if (ftruncate(fd_, 0) != 0) Die("ftruncate");
    size_t done = 0;
    while (done < size) {
        ssize_t n = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
        if (n <= 0) Die("pwrite");
        done += static_cast<size_t>(n);
    }
}

std::vector<uint8_t> TMemoryFile::Contents() const {
    struct stat st;
    if (fstat(fd_, &st) != 0) Die("fstat");
    std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = pread(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n <= 0) Die("pread");
        done += static_cast<size_t>(n);
    }
    return bytes;
}

}  // namespace vd::fuzz
