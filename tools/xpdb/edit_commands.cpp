// The changing commands: put and rm.
#include "package/file_stream.h"
#include "package/xp_file_db.h"
#include "tools/xpdb/xpdb_commands.h"
#include "tools/xpdb/xpdb_console.h"

namespace vd::xpdb {

int CmdPut(const TArgs& args) {
    ExpectPositional(args, 3, "put FILE NAME SRC [--kind K] [--tag N] [--text S] [--mark MARK]");
    const std::string& path = args.Positional[0];
    const std::string& name = args.Positional[1];
    long long kind = 2, tag = 0;
    if (args.Kind && !ParseInteger(*args.Kind, 0, 255, kind)) throw UsageError("--kind needs 0..255");
    if (args.Tag && !ParseInteger(*args.Tag, INT32_MIN, INT32_MAX, tag))
        throw UsageError("--tag needs a 32-bit signed integer");
    if (name.size() > static_cast<size_t>(kNameCapacity))
        throw ToolError("the name \"" + name + "\" is longer than 60 bytes");
    if (IsDirectory(path)) throw ToolError(path + ": is a folder");

    // An existing file is taken with whatever mark it carries unless --mark
    // asks for one; a new file gets --mark or the default.
    std::string mark = args.Mark ? *args.Mark : "xpselfdb";
    if (TFileStream::Exists(path) && !args.Mark) {
        TArgs anyMark;
        mark = OpenForReading(path, anyMark)->Header().MarkText();
    } else if (!TFileStream::Exists(path)) {
        MarkToWrite(mark);
    }
    TMemoryStream data = ReadSourceFile(args.Positional[2]);

    TXPFileDB db;
    db.SetClock(StampSource(args));
    db.SetDBMark(mark);
    try {
        db.SetDBFile(path);
    } catch (const TXPException&) {
        throw ToolError(path + ": " + kXPDatabaseError + " (its mark is not \"" + mark + "\")");
    }
    db.WriteData(name, data.Memory(), static_cast<int32_t>(data.Size()), static_cast<uint8_t>(kind),
                 static_cast<int32_t>(tag), args.Text.value_or(""));
    return 0;
}

int CmdRm(const TArgs& args) {
    ExpectPositional(args, 2, "rm FILE NAME");
    const std::string& path = args.Positional[0];
    if (!TFileStream::Exists(path)) throw ToolError(path + ": no such package file");
    TSelfFileClass c(path, args.Mark.value_or(""));
    RequireMark(c, args);
    const int32_t offset = c.FindEntry(args.Positional[1]);
    if (offset == 0) throw ToolError(path + ": no entry named \"" + args.Positional[1] + "\"");
    c.DeleteEntry(offset);
    return 0;
}

}  // namespace vd::xpdb
