#include "package/self_file.h"

#include <cstring>
#include <limits>

#include "package/ole_date.h"
#include "package/payload_codec.h"
#include "package/stream_errors.h"

namespace vd {
namespace {

constexpr int64_t kMaxFileSize = std::numeric_limits<int32_t>::max();
constexpr int16_t kMaxCount = std::numeric_limits<int16_t>::max();

// Follows a chain of record offsets and stops it when it runs in a circle or
// visits more records than the file could hold, in memory that does not grow
// with the chain: it remembers the offsets visited at steps 1, 2, 4, 8, ...
// and compares every later one with the last remembered, so that a circle is
// caught within about twice the length of its lead-in and loop.
class ChainWalk {
public:
    explicit ChainWalk(int64_t fileSize)
        : limit_(fileSize > kFirstEntryOffset ? (fileSize - kFirstEntryOffset) / kEntryHeadSize + 1 : 1) {}
    void Visit(int32_t offset) {
        if (visited_ > 0 && offset == remembered_)
            throw ECorruptPackage("Corrupt package: the entry chain runs in a circle at offset " +
                                  std::to_string(offset));
        if (++visited_ > limit_)
            throw ECorruptPackage("Corrupt package: the entry chain is longer than the file can hold");
        if (visited_ == nextRemembered_) {
            remembered_ = offset;
            nextRemembered_ *= 2;
        }
    }

private:
    int64_t limit_;
    int64_t visited_ = 0;
    int64_t nextRemembered_ = 1;
    int32_t remembered_ = 0;
};

}  // namespace

// ---- TSelfFileBassClass --------------------------------------------------

TSelfFileBassClass::TSelfFileBassClass(const std::string& fileName, const std::string& mark,
                                       const TContainerOptions& options)
    : FFileName(fileName), FMark(mark), FClock(options.Clock) {
    FCompressionLevel = 9;
    if (options.ReadOnly) {
        FStream = std::make_unique<TFileStream>(fileName, TFileMode::fmOpenRead);
    } else if (TFileStream::Exists(fileName)) {
        FStream = std::make_unique<TFileStream>(fileName, TFileMode::fmOpenReadWrite);
    } else {
        FStream = std::make_unique<TFileStream>(fileName, TFileMode::fmCreate);
        WriteNewHeader();
    }
}

TSelfFileBassClass::~TSelfFileBassClass() = default;

void TSelfFileBassClass::WriteNewHeader() {
    FHeader.Created = FClock ? FClock() : NowOleDate();
    FHeader.Version = kContainerVersion;
    FHeader.Mark.fill(0);
    FHeader.SetMark(FMark);
    uint8_t head[kFileHeaderSize + kIndexHeadSize];
    FHeader.Pack(head);
    FZeroIndexHead = TIndexHead{};
    FZeroIndexHead.Pack(head + kFileHeaderSize);
    FStream->WriteAt(0, head, sizeof head);
}

bool TSelfFileBassClass::CheckMark() {
    uint8_t raw[kFileHeaderSize];
    FHeader.Pack(raw);  // a short read leaves the missing bytes as they were
    FStream->ReadAt(0, raw, kFileHeaderSize);
    FHeader.Unpack(raw);
    // A length byte above the slot's capacity cannot name any mark.
    if (FHeader.Mark[0] > kMarkCapacity) return false;
    return FHeader.MarkText() == FMark;
}

void TSelfFileBassClass::CheckLink(int32_t offset, int64_t fileSize) {
    if (offset < kFirstEntryOffset)
        throw ECorruptPackage("Corrupt package: entry link " + std::to_string(offset) + " points into the head");
    if (static_cast<int64_t>(offset) + kEntryRecordSize > fileSize)
        throw ECorruptPackage("Corrupt package: entry link " + std::to_string(offset) +
                              " points past the end of the file");
}

const TEntryRecord& TSelfFileBassClass::ReadEntryRecord(int32_t offset) {
    if (offset < kFirstEntryOffset)
        throw ECorruptPackage("Corrupt package: entry link " + std::to_string(offset) + " points into the head");
    // The record and its descriptor in one read; the record must be whole.
    uint8_t raw[kEntryHeadSize];
    int64_t got = FStream->ReadAt(offset, raw, kEntryHeadSize);
    if (got < kEntryRecordSize) throw EReadError("Stream read error");
    TEntryRecord record;
    record.Unpack(raw);
    if (record.OwnOffset != offset)
        throw ECorruptPackage("Corrupt package: the record at offset " + std::to_string(offset) +
                              " names itself " + std::to_string(record.OwnOffset));
    FRecord = record;
    FDescriptorBytes = static_cast<int32_t>(got - kEntryRecordSize);
    std::memcpy(FDescriptorRaw, raw + kEntryRecordSize, static_cast<size_t>(FDescriptorBytes));
    return FRecord;
}

const TEntryDescriptor& TSelfFileBassClass::ReadEntryDescriptor() {
    // Whatever bytes are there replace the working copy; missing ones stay.
    std::memcpy(FDescriptor.Bytes.data(), FDescriptorRaw, static_cast<size_t>(FDescriptorBytes));
    return FDescriptor;
}

void TSelfFileBassClass::CheckStoredData() {
    const int64_t start = static_cast<int64_t>(FRecord.OwnOffset) + kEntryHeadSize;
    if (FRecord.StoredSize < 0 || start + FRecord.StoredSize > FStream->Size())
        throw ECorruptPackage("Corrupt package: the stored data of entry " + std::to_string(FRecord.ID) +
                              " (" + std::to_string(FRecord.StoredSize) + " bytes) runs past the end of the file");
}

void TSelfFileBassClass::ReadEntryData(TMemoryStream& stream) {
    const int64_t start = static_cast<int64_t>(FRecord.OwnOffset) + kEntryHeadSize;
    stream.SetPosition(0);
    if (stream.Size() > 0) FStream->ReadExactAt(start, stream.Memory(), stream.Size());
    DecompressPayload(stream);
}

void TSelfFileBassClass::ReadEntryDataInto(TMemoryStream& chunk, TMemoryStream& result) {
    CheckStoredData();
    InflateStoredFrom(*FStream, static_cast<int64_t>(FRecord.OwnOffset) + kEntryHeadSize, FRecord.StoredSize, chunk,
                      result);
}

void TSelfFileBassClass::CompressPayload(TMemoryStream& stream) { DeflatePayload(stream, FCompressionLevel); }

void TSelfFileBassClass::DecompressPayload(TMemoryStream& stream) { InflatePayload(stream); }

void TSelfFileBassClass::WriteRecord(const TEntryRecord& record) {
    uint8_t raw[kEntryRecordSize];
    record.Pack(raw);
    FStream->WriteAt(record.OwnOffset, raw, kEntryRecordSize);
}

int32_t TSelfFileBassClass::AddEntry(const TEntryDescriptor& descriptor, TMemoryStream& payload, int32_t id) {
    CompressPayload(payload);
    CheckRoomFor(payload.Size());
    if (IndexHead().GetEntryCount() >= kMaxCount) throw EWriteError("The package holds the most entries it can");
    return AppendEntry(descriptor, payload, id);
}

void TSelfFileBassClass::CheckRoomFor(int64_t storedSize) {
    if (FStream->Size() + kEntryHeadSize + storedSize > kMaxFileSize)
        throw EWriteError("The package cannot grow beyond 2 GiB");
}

int32_t TSelfFileBassClass::AppendEntry(const TEntryDescriptor& descriptor, const TMemoryStream& payload,
                                        int32_t id) {
    IIndexHead& head = IndexHead();
    const int64_t end = FStream->Size();
    if (id == 0 && head.GetLastID() == std::numeric_limits<int32_t>::max())
        throw EWriteError("The package has no entry IDs left");
    // IDs are positive and LastID is the highest handed out: a negative one
    // would give the new entry an ID of 0 or below (0 means "a new ID" when
    // the entry is moved later).
    if (id == 0 && head.GetLastID() < 0)
        throw ECorruptPackage("Corrupt package: the last entry ID " + std::to_string(head.GetLastID()) +
                              " is negative");

    if (id == 0) {
        head.SetLastID(head.GetLastID() + 1);
        id = head.GetLastID();
    }
    TEntryRecord record;
    record.ID = id;
    record.Live = 1;
    record.OwnOffset = static_cast<int32_t>(end);
    record.DescriptorOffset = record.OwnOffset + kEntryRecordSize;
    record.StoredSize = static_cast<int32_t>(payload.Size());
    record.Next = 0;
    if (head.GetEntryCount() != 0 || head.GetDeletedCount() != 0) {
        record.Previous = head.GetLastEntry();
        if (head.GetFirstEntry() == 0) head.SetFirstEntry(record.OwnOffset);
        if (record.Previous != 0) {
            TEntryRecord previous = ReadEntryRecord(record.Previous);
            previous.Next = record.OwnOffset;
            WriteRecord(previous);
        }
    } else {
        // The container has never held an entry: this one is the first, at
        // the end of the head in any well-formed file.
        record.Previous = 0;
        head.SetFirstEntry(record.OwnOffset);
    }
    head.SetLastEntry(record.OwnOffset);

    uint8_t raw[kEntryHeadSize];
    record.Pack(raw);
    std::memcpy(raw + kEntryRecordSize, descriptor.Bytes.data(), kEntryDescriptorSize);
    FStream->WriteAt(end, raw, kEntryHeadSize);
    if (payload.Size() > 0) FStream->WriteAt(end + kEntryHeadSize, payload.Memory(), payload.Size());
    FRecord = record;

    head.SetEntryCount(static_cast<int16_t>(head.GetEntryCount() + 1));
    return id;
}

bool TSelfFileBassClass::DeleteEntry(int32_t offset) {
    IIndexHead& head = IndexHead();
    TEntryRecord record = ReadEntryRecord(offset);
    if (head.GetDeletedCount() >= kMaxCount) throw EWriteError("The package holds the most deleted entries it can");
    head.SetEntryCount(static_cast<int16_t>(head.GetEntryCount() - 1));
    head.SetDeletedCount(static_cast<int16_t>(head.GetDeletedCount() + 1));

    const int32_t p = record.Previous, o = record.OwnOffset, n = record.Next;
    if (o == head.GetFirstEntry()) {
        if (n != 0) {
            TEntryRecord next = ReadEntryRecord(n);
            next.Previous = 0;
            WriteRecord(next);
        }
        head.SetFirstEntry(n);
    } else {
        if (p != 0) {
            TEntryRecord previous = ReadEntryRecord(p);
            previous.Next = n;
            WriteRecord(previous);
        }
        if (n != 0) {
            TEntryRecord next = ReadEntryRecord(n);
            next.Previous = p;
            WriteRecord(next);
        }
    }
    if (o == head.GetLastEntry()) head.SetLastEntry(p);

    if (head.GetFirstDeleted() == 0) {
        head.SetFirstDeleted(o);
        head.SetLastDeleted(o);
        record.Previous = 0;
        record.Next = 0;
    } else {
        record.Previous = head.GetLastDeleted();
        record.Next = 0;
        if (record.Previous != 0) {
            TEntryRecord last = ReadEntryRecord(record.Previous);
            last.Next = o;
            WriteRecord(last);
        }
        head.SetLastDeleted(o);
    }
    record.Live = 0;
    WriteRecord(record);
    FRecord = record;
    return true;
}

// ---- TSelfFileClass ------------------------------------------------------

TSelfFileClass::TSelfFileClass(const std::string& fileName, const std::string& mark,
                               const TContainerOptions& options)
    : TSelfFileBassClass(fileName, mark, options), FIndexHead(this) {}

void TSelfFileClass::LoadHead() {
    uint8_t raw[kIndexHeadSize];
    FStream->ReadExactAt(kIndexHeadOffset, raw, kIndexHeadSize);
    FHead.Unpack(raw);
}

void TSelfFileClass::StoreHead() {
    uint8_t raw[kIndexHeadSize];
    FHead.Pack(raw);
    FStream->WriteAt(kIndexHeadOffset, raw, kIndexHeadSize);
}

TIndexHead TSelfFileClass::ReadIndexHead() {
    LoadHead();
    return FHead;
}

#define VD_HEAD_FIELD(Type, Field)                   \
    Type TSelfFileClass::Get##Field() {              \
        LoadHead();                                  \
        return FHead.Field;                          \
    }                                                \
    void TSelfFileClass::Set##Field(Type value) {    \
        LoadHead();                                  \
        FHead.Field = value;                         \
        StoreHead();                                 \
    }
VD_HEAD_FIELD(int32_t, LastID)
VD_HEAD_FIELD(int16_t, EntryCount)
VD_HEAD_FIELD(int32_t, FirstEntry)
VD_HEAD_FIELD(int16_t, DeletedCount)
VD_HEAD_FIELD(int32_t, FirstDeleted)
VD_HEAD_FIELD(int32_t, LastEntry)
VD_HEAD_FIELD(int32_t, LastDeleted)
#undef VD_HEAD_FIELD

int32_t TSelfFileClass::ReplaceEntry(int32_t offset, const TEntryDescriptor& descriptor, TMemoryStream& payload) {
    CompressPayload(payload);
    TEntryRecord record = ReadEntryRecord(offset);
    if (payload.Size() > record.StoredSize) {
        // The entry moves to the end of the file and chain with its ID. Adding
        // would deflate the same bytes again to the same result, so the
        // deflated form is appended as it is; make sure first that it fits,
        // so that the entry is never deleted without coming back.
        CheckRoomFor(payload.Size());
        if (GetDeletedCount() >= std::numeric_limits<int16_t>::max())
            throw EWriteError("The package holds the most deleted entries it can");
        const int32_t id = record.ID;
        DeleteEntry(offset);
        AppendEntry(descriptor, payload, id);
        return GetLastEntry();
    }
    if (payload.Size() > 0) record.StoredSize = static_cast<int32_t>(payload.Size());
    uint8_t raw[kEntryHeadSize];
    record.Pack(raw);
    std::memcpy(raw + kEntryRecordSize, descriptor.Bytes.data(), kEntryDescriptorSize);
    FStream->WriteAt(record.OwnOffset, raw, kEntryHeadSize);
    if (payload.Size() > 0)
        FStream->WriteAt(static_cast<int64_t>(record.OwnOffset) + kEntryHeadSize, payload.Memory(), payload.Size());
    FRecord = record;
    return offset;
}

int32_t TSelfFileClass::FindEntry(const std::string& name) {
    int32_t offset = GetFirstEntry();
    if (offset == 0) return 0;
    const int32_t last = GetLastEntry();
    const int64_t fileSize = FStream->Size();
    ChainWalk walk(fileSize);
    for (;;) {
        walk.Visit(offset);
        CheckLink(offset, fileSize);
        const TEntryRecord& record = ReadEntryRecord(offset);
        const TEntryDescriptor& descriptor = ReadEntryDescriptor();
        if (descriptor.NameEquals(name)) return record.OwnOffset;
        if (offset == last) return 0;
        offset = record.Next;
        if (offset == 0) return 0;  // the chain ends before the recorded last entry
    }
}

bool TSelfFileClass::EntryExists(const std::string& name) { return FindEntry(name) != 0; }

void TSelfFileClass::ListEntries(TStringList& list) {
    int32_t offset = GetFirstEntry();
    const int64_t fileSize = FStream->Size();
    ChainWalk walk(fileSize);
    while (offset != 0) {
        walk.Visit(offset);
        CheckLink(offset, fileSize);
        const TEntryRecord& record = ReadEntryRecord(offset);
        const TEntryDescriptor& descriptor = ReadEntryDescriptor();
        auto item = std::make_unique<TMyColocTTreemap>();
        item->Name = descriptor.Name();
        item->IdText = std::to_string(record.ID);
        item->TagText = std::to_string(descriptor.TagValue());
        item->Offset = record.OwnOffset;
        item->Descriptor = descriptor.Bytes;
        std::string line = item->IdText;
        list.Add(std::move(line), std::move(item));
        offset = record.Next;
    }
}

}  // namespace vd
