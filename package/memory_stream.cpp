#include "package/memory_stream.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace vd {

TMemoryStream::~TMemoryStream() { std::free(data_); }

TMemoryStream::TMemoryStream(TMemoryStream&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      position_(std::exchange(other.position_, 0)) {}

TMemoryStream& TMemoryStream::operator=(TMemoryStream&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        position_ = std::exchange(other.position_, 0);
    }
    return *this;
}

void TMemoryStream::SetPosition(int64_t position) {
    position_ = position < 0 ? 0 : (position > size_ ? size_ : position);
}

void TMemoryStream::Reserve(int64_t capacity) {
    if (capacity <= capacity_) return;
    if (capacity < 0 || static_cast<uint64_t>(capacity) > SIZE_MAX) throw std::bad_alloc();
    void* p = std::realloc(data_, static_cast<size_t>(capacity));
    if (!p) throw std::bad_alloc();
    data_ = static_cast<uint8_t*>(p);
    capacity_ = capacity;
}

void TMemoryStream::SetSize(int64_t size) {
    if (size < 0) size = 0;
    Reserve(size);
    size_ = size;
    if (position_ > size_) position_ = size_;
}

void TMemoryStream::Clear() {
    std::free(data_);
    data_ = nullptr;
    size_ = capacity_ = position_ = 0;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    if (count <= 0) return 0;
    int64_t n = size_ - position_;
    if (n > count) n = count;
    if (n <= 0) return 0;
    std::memcpy(buffer, data_ + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

void TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return;
    int64_t end = position_ + count;
    if (end > capacity_) {
        int64_t grown = capacity_ + capacity_ / 2;
        Reserve(end > grown ? end : grown);
    }
    std::memcpy(data_ + position_, buffer, static_cast<size_t>(count));
    position_ = end;
    if (end > size_) size_ = end;
}

void TMemoryStream::Adopt(uint8_t* buffer, int64_t size, int64_t capacity) {
    std::free(data_);
    data_ = buffer;
    size_ = size;
    capacity_ = capacity;
    position_ = 0;
}

}  // namespace vd
