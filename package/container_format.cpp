#include "package/container_format.h"

#include <cstring>

#include "package/stream_errors.h"

namespace vd {

void PutSlot(uint8_t* slot, int capacity, std::string_view text) {
    size_t n = text.size() > static_cast<size_t>(capacity) ? static_cast<size_t>(capacity) : text.size();
    slot[0] = static_cast<uint8_t>(n);
    if (n) std::memcpy(slot + 1, text.data(), n);
}

std::string GetSlot(const uint8_t* slot, int capacity) {
    if (slot[0] > capacity)
        throw ECorruptPackage("Corrupt package: a text length of " + std::to_string(slot[0]) +
                              " exceeds its slot of " + std::to_string(capacity) + " bytes");
    return std::string(reinterpret_cast<const char*>(slot + 1), slot[0]);
}

void TFileHeader::Pack(uint8_t out[kFileHeaderSize]) const {
    uint64_t bits;
    std::memcpy(&bits, &Created, 8);
    PutI64(out, static_cast<int64_t>(bits));
    out[8] = Version;
    std::memcpy(out + 9, Mark.data(), Mark.size());
}

void TFileHeader::Unpack(const uint8_t in[kFileHeaderSize]) {
    auto bits = static_cast<uint64_t>(GetI64(in));
    std::memcpy(&Created, &bits, 8);
    Version = in[8];
    std::memcpy(Mark.data(), in + 9, Mark.size());
}

void TIndexHead::Pack(uint8_t out[kIndexHeadSize]) const {
    PutI32(out + 0, LastID);
    PutI16(out + 4, EntryCount);
    PutI32(out + 6, FirstEntry);
    PutI16(out + 10, DeletedCount);
    PutI32(out + 12, FirstDeleted);
    PutI32(out + 16, LastEntry);
    PutI32(out + 20, LastDeleted);
}

void TIndexHead::Unpack(const uint8_t in[kIndexHeadSize]) {
    LastID = GetI32(in + 0);
    EntryCount = GetI16(in + 4);
    FirstEntry = GetI32(in + 6);
    DeletedCount = GetI16(in + 10);
    FirstDeleted = GetI32(in + 12);
    LastEntry = GetI32(in + 16);
    LastDeleted = GetI32(in + 20);
}

void TEntryRecord::Pack(uint8_t out[kEntryRecordSize]) const {
    PutI32(out + 0, ID);
    PutI32(out + 4, Previous);
    out[8] = Live;
    PutI32(out + 9, OwnOffset);
    PutI32(out + 13, DescriptorOffset);
    PutI32(out + 17, StoredSize);
    PutI32(out + 21, Next);
}

void TEntryRecord::Unpack(const uint8_t in[kEntryRecordSize]) {
    ID = GetI32(in + 0);
    Previous = GetI32(in + 4);
    Live = in[8];
    OwnOffset = GetI32(in + 9);
    DescriptorOffset = GetI32(in + 13);
    StoredSize = GetI32(in + 17);
    Next = GetI32(in + 21);
}

bool TEntryDescriptor::NameEquals(std::string_view name) const {
    const uint8_t* slot = &Bytes[5];
    if (slot[0] > kNameCapacity) GetSlot(slot, kNameCapacity);  // raises
    return slot[0] == name.size() && std::memcmp(slot + 1, name.data(), name.size()) == 0;
}

}  // namespace vd
