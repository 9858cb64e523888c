// The byte layout of the package container file: file header, index head,
// entry record and entry descriptor. All integers little-endian, packed.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vd {

constexpr int32_t kFileHeaderSize = 20;
constexpr int32_t kIndexHeadOffset = 20;
constexpr int32_t kIndexHeadSize = 24;
constexpr int32_t kFirstEntryOffset = 44;     // where entries begin
constexpr int32_t kEntryRecordSize = 25;
constexpr int32_t kEntryDescriptorSize = 87;
constexpr int32_t kEntryHeadSize = kEntryRecordSize + kEntryDescriptorSize;  // 112
constexpr int32_t kSizePrefix = 8;            // uncompressed size before the zlib stream

constexpr int kMarkCapacity = 10;
constexpr int kNameCapacity = 60;
constexpr int kTextCapacity = 20;

constexpr uint8_t kContainerVersion = 1;

// Little-endian access to packed fields.
inline int32_t GetI32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
}
inline int16_t GetI16(const uint8_t* p) {
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}
inline int64_t GetI64(const uint8_t* p) {
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
    return static_cast<int64_t>(v);
}
inline void PutI32(uint8_t* p, int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}
inline void PutI16(uint8_t* p, int16_t v) {
    auto u = static_cast<uint16_t>(v);
    p[0] = static_cast<uint8_t>(u);
    p[1] = static_cast<uint8_t>(u >> 8);
}
inline void PutI64(uint8_t* p, int64_t v) {
    auto u = static_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}

// A string slot of capacity n: a length byte and n bytes. Writing cuts the
// text to n bytes and leaves the bytes beyond it as they are. Reading a
// length byte above n raises ECorruptPackage.
void PutSlot(uint8_t* slot, int capacity, std::string_view text);
std::string GetSlot(const uint8_t* slot, int capacity);

// File header (offset 0, 20 bytes): created, version, mark slot.
struct TFileHeader {
    double Created = 0;
    uint8_t Version = 0;
    std::array<uint8_t, kMarkCapacity + 1> Mark{};  // raw slot

    void Pack(uint8_t out[kFileHeaderSize]) const;
    void Unpack(const uint8_t in[kFileHeaderSize]);
    std::string MarkText() const { return GetSlot(Mark.data(), kMarkCapacity); }
    void SetMark(std::string_view mark) { PutSlot(Mark.data(), kMarkCapacity, mark); }
};

// Index head (offset 20, 24 bytes).
struct TIndexHead {
    int32_t LastID = 0;
    int16_t EntryCount = 0;
    int32_t FirstEntry = 0;
    int16_t DeletedCount = 0;
    int32_t FirstDeleted = 0;
    int32_t LastEntry = 0;
    int32_t LastDeleted = 0;

    void Pack(uint8_t out[kIndexHeadSize]) const;
    void Unpack(const uint8_t in[kIndexHeadSize]);
};

// Entry record (25 bytes at the entry's own offset).
struct TEntryRecord {
    int32_t ID = 0;
    int32_t Previous = 0;
    uint8_t Live = 0;
    int32_t OwnOffset = 0;
    int32_t DescriptorOffset = 0;
    int32_t StoredSize = 0;
    int32_t Next = 0;

    void Pack(uint8_t out[kEntryRecordSize]) const;
    void Unpack(const uint8_t in[kEntryRecordSize]);
};

// Entry descriptor (87 bytes behind the record), kept as its raw bytes so
// that the unused bytes of its slots travel unchanged.
struct TEntryDescriptor {
    std::array<uint8_t, kEntryDescriptorSize> Bytes{};

    uint8_t Kind() const { return Bytes[0]; }
    void SetKind(uint8_t kind) { Bytes[0] = kind; }
    int32_t TagValue() const { return GetI32(&Bytes[1]); }
    void SetTagValue(int32_t v) { PutI32(&Bytes[1], v); }
    std::string Name() const { return GetSlot(&Bytes[5], kNameCapacity); }
    void SetName(std::string_view name) { PutSlot(&Bytes[5], kNameCapacity, name); }
    std::string Text() const { return GetSlot(&Bytes[66], kTextCapacity); }
    void SetText(std::string_view text) { PutSlot(&Bytes[66], kTextCapacity, text); }
    // Exact, byte-for-byte comparison of the stored name with `name`.
    bool NameEquals(std::string_view name) const;
};

}  // namespace vd
