// The commands of xpdb and what they share. Each returns the exit status;
// failures are raised as exceptions and reported by main.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "package/memory_stream.h"
#include "package/self_file.h"
#include "tools/xpdb/xpdb_args.h"

namespace vd::xpdb {

// A wrong command line: reported with exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// Anything else that stops a command: exit status 1.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int CmdPack(const TArgs& args);
int CmdList(const TArgs& args);
int CmdInfo(const TArgs& args);
int CmdCat(const TArgs& args);
int CmdExtract(const TArgs& args);
int CmdCheck(const TArgs& args);
int CmdPut(const TArgs& args);
int CmdRm(const TArgs& args);

// Raises UsageError unless exactly `count` positional arguments were given.
void ExpectPositional(const TArgs& args, size_t count, const char* shape);

// Opens an existing container read-only; with --mark, refuses another mark.
std::unique_ptr<TSelfFileClass> OpenForReading(const std::string& path, const TArgs& args);
// Raises ToolError when --mark was given and the open file carries another mark.
void RequireMark(TSelfFileClass& container, const TArgs& args);

// The creation stamp for new files: --created, else SOURCE_DATE_EPOCH, else
// empty (the local clock).
std::function<double()> StampSource(const TArgs& args);
// A mark to write: at most 10 bytes.
std::string MarkToWrite(const std::string& mark);

// The data of the live entry whose record is at `offset`, inflated.
std::unique_ptr<TMemoryStream> ReadEntryAt(TSelfFileClass& container, int32_t offset);
// The whole content of a file.
TMemoryStream ReadSourceFile(const std::string& path);

}  // namespace vd::xpdb
