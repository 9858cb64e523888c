// TXPFileDB: the keyed file database over one package container. Assigning
// DBFile opens (or creates) the container and refuses a file whose mark is
// not DBMark; entries are then read and written by name.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "package/container_format.h"
#include "package/memory_stream.h"
#include "package/self_file.h"

namespace vd {

// The database's own failure; its one message is kXPDatabaseError.
class TXPException : public std::runtime_error {
public:
    explicit TXPException(const std::string& message) : std::runtime_error(message) {}
};

extern const char* const kXPDatabaseError;  // "数据库文件异常。"

// A list of 32-bit signed integers; the caller that receives one owns it.
class TXPIntList {
public:
    void Add(int32_t value) { items_.push_back(value); }
    int Count() const { return static_cast<int>(items_.size()); }
    int32_t Items(int i) const { return items_.at(static_cast<size_t>(i)); }
    const std::vector<int32_t>& Values() const { return items_; }

private:
    std::vector<int32_t> items_;
};

class TXPFileDB {
public:
    TXPFileDB();
    ~TXPFileDB();
    TXPFileDB(const TXPFileDB&) = delete;
    TXPFileDB& operator=(const TXPFileDB&) = delete;

    const std::string& DBFile() const { return FDBFile; }
    // Opens or creates the container; raises TXPException when its mark is
    // not DBMark. Assigning the current path again does nothing.
    void SetDBFile(const std::string& path);
    const std::string& DBMark() const { return FDBMark; }
    void SetDBMark(const std::string& mark) { FDBMark = mark; }

    // A new list of the live entries' IDs in chain order.
    std::unique_ptr<TXPIntList> DataIdxList();

    bool DataExists(const std::string& key);
    // The entry's data, inflated, position 0; null when no live entry bears the key.
    std::unique_ptr<TMemoryStream> ReadData(const std::string& key);
    // The uncompressed size of the entry's data as the package declares it,
    // without inflating it; -1 when no live entry bears the key.
    int64_t DataSize(const std::string& key);
    // Adds the data under `key`, or replaces the data of an existing key
    // (which then keeps its stored kind, tag value and text).
    void WriteData(const std::string& key, const void* buffer, int32_t size, uint8_t kind, int32_t tagValue,
                   const std::string& text);

    // Options for the next DBFile assignment: open read-only (a missing file
    // is then an error), and the source of the creation stamp of a new file.
    void SetReadOnly(bool readOnly) { FOptions.ReadOnly = readOnly; }
    void SetClock(std::function<double()> clock) { FOptions.Clock = std::move(clock); }

    TSelfFileClass* Container() { return FContainer.get(); }
    const TEntryDescriptor& CurrentDescriptor() const { return FDescriptor; }

private:
    void ReplaceData(const std::string& key, const void* buffer, int32_t size);
    TSelfFileClass& Open();

    std::unique_ptr<TSelfFileClass> FContainer;
    std::string FDBFile;
    std::string FDBMark = "xpselfdb";
    TEntryDescriptor FDescriptor;
    TContainerOptions FOptions;
    TMemoryStream FStored;  // chunk buffer for reading stored data
};

}  // namespace vd
