#include "package/xp_file_db.h"

#include <cstdlib>

#include "package/payload_codec.h"
#include "package/stream_errors.h"

namespace vd {

const char* const kXPDatabaseError = "数据库文件异常。";

TXPFileDB::TXPFileDB() = default;
TXPFileDB::~TXPFileDB() = default;

void TXPFileDB::SetDBFile(const std::string& path) {
    if (path == FDBFile) return;
    FContainer.reset();
    FDBFile = path;
    FContainer = std::make_unique<TSelfFileClass>(FDBFile, FDBMark, FOptions);
    if (!FContainer->CheckMark()) throw TXPException(kXPDatabaseError);
}

TSelfFileClass& TXPFileDB::Open() {
    // Without a container there is nothing to work on; say so instead of
    // failing on a missing object.
    if (!FContainer) throw TXPException(kXPDatabaseError);
    return *FContainer;
}

bool TXPFileDB::DataExists(const std::string& key) { return Open().EntryExists(key); }

std::unique_ptr<TMemoryStream> TXPFileDB::ReadData(const std::string& key) {
    TSelfFileClass& c = Open();
    // One walk answers both whether the key is there and where: asking
    // DataExists first would walk the same chain to the same record again.
    const int32_t offset = c.FindEntry(key);
    if (offset == 0) return nullptr;
    c.ReadEntryRecord(offset);
    c.CheckStoredData();
    FDescriptor = c.ReadEntryDescriptor();
    // The stored bytes pass through a small buffer kept from read to read;
    // only the inflated data is new memory.
    auto stream = std::make_unique<TMemoryStream>();
    c.ReadEntryDataInto(FStored, *stream);
    return stream;
}

int64_t TXPFileDB::DataSize(const std::string& key) {
    TSelfFileClass& c = Open();
    const int32_t offset = c.FindEntry(key);
    if (offset == 0) return -1;
    const TEntryRecord& record = c.ReadEntryRecord(offset);
    c.CheckStoredData();
    return DeclaredSizeFrom(c.Stream(), static_cast<int64_t>(record.OwnOffset) + kEntryHeadSize, record.StoredSize);
}

void TXPFileDB::WriteData(const std::string& key, const void* buffer, int32_t size, uint8_t kind,
                          int32_t tagValue, const std::string& text) {
    TSelfFileClass& c = Open();
    if (size < 0) throw EWriteError("Stream write error: negative size");
    if (DataExists(key)) {
        ReplaceData(key, buffer, size);
        return;
    }
    FDescriptor.SetKind(kind);
    FDescriptor.SetTagValue(tagValue);
    FDescriptor.SetName(key);
    FDescriptor.SetText(text);
    TMemoryStream stream;
    stream.Write(buffer, size);
    c.AddEntry(FDescriptor, stream, 0);
}

void TXPFileDB::ReplaceData(const std::string& key, const void* buffer, int32_t size) {
    TSelfFileClass& c = Open();
    if (!DataExists(key)) return;
    const int32_t offset = c.FindEntry(key);
    c.ReadEntryRecord(offset);
    FDescriptor = c.ReadEntryDescriptor();
    TMemoryStream stream;
    stream.Write(buffer, size);
    c.ReplaceEntry(offset, FDescriptor, stream);
}

std::unique_ptr<TXPIntList> TXPFileDB::DataIdxList() {
    TSelfFileClass& c = Open();
    auto result = std::make_unique<TXPIntList>();
    TStringList lines;
    c.ListEntries(lines);
    for (int i = 0; i < lines.Count(); ++i)
        result->Add(static_cast<int32_t>(std::strtol(lines.Strings(i).c_str(), nullptr, 10)));
    return result;
}

}  // namespace vd
