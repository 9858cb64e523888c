// The package container: a file of named, deflated entries chained by file
// offsets behind a 44-byte head. TSelfFileBassClass does the byte-level work
// on the open file; TSelfFileClass adds the index head, replacement, lookup
// and listing. Every change reaches the file before the call returns.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "package/container_format.h"
#include "package/file_stream.h"
#include "package/memory_stream.h"
#include "package/string_list.h"

namespace vd {

// The seven fields of the index head. Not reference-counted: AddRef and
// Release do nothing, the object lives until its owner frees it.
class IIndexHead {
public:
    virtual int32_t _AddRef() { return 0; }
    virtual int32_t _Release() { return 0; }

    virtual int32_t GetLastID() = 0;
    virtual void SetLastID(int32_t value) = 0;
    virtual int16_t GetEntryCount() = 0;
    virtual void SetEntryCount(int16_t value) = 0;
    virtual int32_t GetFirstEntry() = 0;
    virtual void SetFirstEntry(int32_t value) = 0;
    virtual int16_t GetDeletedCount() = 0;
    virtual void SetDeletedCount(int16_t value) = 0;
    virtual int32_t GetFirstDeleted() = 0;
    virtual void SetFirstDeleted(int32_t value) = 0;
    virtual int32_t GetLastEntry() = 0;
    virtual void SetLastEntry(int32_t value) = 0;
    virtual int32_t GetLastDeleted() = 0;
    virtual void SetLastDeleted(int32_t value) = 0;

protected:
    ~IIndexHead() = default;
};

// How a container file is opened.
struct TContainerOptions {
    // Open an existing file read-only (a missing file raises EFOpenError);
    // otherwise the file is opened for reading and writing, or created.
    bool ReadOnly = false;
    // Creation stamp source for a new file; empty means the local clock.
    std::function<double()> Clock;
};

class TSelfFileBassClass {
public:
    // Opens `fileName` (full sharing) or creates it with a new head carrying `mark`.
    TSelfFileBassClass(const std::string& fileName, const std::string& mark,
                       const TContainerOptions& options = {});
    virtual ~TSelfFileBassClass();
    TSelfFileBassClass(const TSelfFileBassClass&) = delete;
    TSelfFileBassClass& operator=(const TSelfFileBassClass&) = delete;

    // True when the file's mark equals the mark given at construction.
    bool CheckMark();

    int32_t AddEntry(const TEntryDescriptor& descriptor, TMemoryStream& payload, int32_t id);
    bool DeleteEntry(int32_t offset);

    // Reads the 25-byte record at `offset` (it becomes the current record).
    const TEntryRecord& ReadEntryRecord(int32_t offset);
    // The 87 bytes behind the record last read (they become the current descriptor).
    const TEntryDescriptor& ReadEntryDescriptor();
    // Reads Size() bytes of stored data behind the current descriptor into
    // `stream` and inflates it in place.
    void ReadEntryData(TMemoryStream& stream);
    // The same without the in-place step: the stored data of the current
    // record is read in chunks through `chunk` (a small buffer that can be
    // reused from call to call) and inflated into `result`.
    void ReadEntryDataInto(TMemoryStream& chunk, TMemoryStream& result);
    // Raises ECorruptPackage unless the current record's stored data lies
    // inside the file (checked before a buffer is sized for it).
    void CheckStoredData();

    void CompressPayload(TMemoryStream& stream);
    void DecompressPayload(TMemoryStream& stream);

    const std::string& FileName() const { return FFileName; }
    const TFileHeader& Header() const { return FHeader; }  // as last read or written
    const TEntryRecord& CurrentRecord() const { return FRecord; }
    const TEntryDescriptor& CurrentDescriptor() const { return FDescriptor; }
    TFileStream& Stream() { return *FStream; }

protected:
    virtual void WriteNewHeader();
    virtual IIndexHead& IndexHead() = 0;

    // Links in and writes an entry whose payload is already deflated.
    int32_t AppendEntry(const TEntryDescriptor& descriptor, const TMemoryStream& payload, int32_t id);
    // Raises EWriteError when stored data of that size would take the file past 2 GiB.
    void CheckRoomFor(int64_t storedSize);
    void WriteRecord(const TEntryRecord& record);
    // Raises ECorruptPackage for a link that cannot point at a record of a
    // file of `fileSize` bytes.
    void CheckLink(int32_t offset, int64_t fileSize);

    int FCompressionLevel = 9;
    std::string FFileName;
    std::string FMark;                    // as given at construction
    std::unique_ptr<TFileStream> FStream;
    TFileHeader FHeader;
    TIndexHead FZeroIndexHead;            // written into a new file
    TEntryRecord FRecord;                 // working copies of the entry last read
    TEntryDescriptor FDescriptor;
    std::function<double()> FClock;

private:
    int32_t FDescriptorBytes = 0;         // bytes of the descriptor read with the record
    uint8_t FDescriptorRaw[kEntryDescriptorSize] = {};
};

class TSelfFileClass : public TSelfFileBassClass, public IIndexHead {
public:
    TSelfFileClass(const std::string& fileName, const std::string& mark,
                   const TContainerOptions& options = {});

    // Returns the record offset afterwards: the same, or a new one when the
    // entry had to move to the end of the file.
    int32_t ReplaceEntry(int32_t offset, const TEntryDescriptor& descriptor, TMemoryStream& payload);
    bool EntryExists(const std::string& name);
    int32_t FindEntry(const std::string& name);   // 0 when no live entry bears it
    void ListEntries(TStringList& list);

    // Reads the whole index head at once.
    TIndexHead ReadIndexHead();

    int32_t GetLastID() override;
    void SetLastID(int32_t value) override;
    int16_t GetEntryCount() override;
    void SetEntryCount(int16_t value) override;
    int32_t GetFirstEntry() override;
    void SetFirstEntry(int32_t value) override;
    int16_t GetDeletedCount() override;
    void SetDeletedCount(int16_t value) override;
    int32_t GetFirstDeleted() override;
    void SetFirstDeleted(int32_t value) override;
    int32_t GetLastEntry() override;
    void SetLastEntry(int32_t value) override;
    int32_t GetLastDeleted() override;
    void SetLastDeleted(int32_t value) override;

protected:
    IIndexHead& IndexHead() override { return *FIndexHead; }

private:
    void LoadHead();
    void StoreHead();

    IIndexHead* FIndexHead;
    // Working copy of the head, re-read by every getter and by every setter
    // before it changes its field, so that a setter never writes back stale
    // fields of another writer.
    TIndexHead FHead;
};

}  // namespace vd
