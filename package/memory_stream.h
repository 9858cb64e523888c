// An in-memory byte stream for payloads: a growable buffer with a size and a
// position. Growing does not clear the new bytes, so that large payloads are
// not written twice; buffers can be handed over without copying.
#pragma once
#include <cstddef>
#include <cstdint>

namespace vd {

class TMemoryStream {
public:
    TMemoryStream() = default;
    ~TMemoryStream();
    TMemoryStream(const TMemoryStream&) = delete;
    TMemoryStream& operator=(const TMemoryStream&) = delete;
    TMemoryStream(TMemoryStream&& other) noexcept;
    TMemoryStream& operator=(TMemoryStream&& other) noexcept;

    uint8_t* Memory() { return data_; }
    const uint8_t* Memory() const { return data_; }
    int64_t Size() const { return size_; }
    int64_t Position() const { return position_; }
    void SetPosition(int64_t position);   // clamped to 0..Size()

    // Sets the size; new bytes are not initialised. The position is kept but
    // clamped to the new size. Raises std::bad_alloc when memory runs out.
    void SetSize(int64_t size);
    void Clear();                          // size 0, position 0, memory released

    // Reads up to `count` bytes from the position; returns the number read.
    int64_t Read(void* buffer, int64_t count);
    // Writes at the position, growing the stream as needed.
    void Write(const void* buffer, int64_t count);

    // Takes over a buffer obtained from std::malloc of `capacity` bytes
    // holding `size` valid bytes; the old memory is released, position 0.
    void Adopt(uint8_t* buffer, int64_t size, int64_t capacity);

private:
    void Reserve(int64_t capacity);

    uint8_t* data_ = nullptr;
    int64_t size_ = 0;
    int64_t capacity_ = 0;
    int64_t position_ = 0;
};

}  // namespace vd
