// The reading commands: list, info, cat, extract, check. They open the file
// read-only and never change it.
#include <cstdio>
#include <set>

#include "package/file_stream.h"
#include "package/ole_date.h"
#include "package/package_check.h"
#include "tools/xpdb/xpdb_commands.h"
#include "tools/xpdb/xpdb_console.h"

namespace vd::xpdb {
namespace {

void Print(const std::string& s) {
    if (!WriteStdout(s.data(), s.size())) throw ToolError("cannot write to standard output");
}

// Refuses names that would leave the target folder or name a drive.
bool SafeEntryName(const std::string& name, std::string& why) {
    if (name.empty()) why = "an empty name";
    else if (name == "." || name == "..") why = "\"" + name + "\" names a folder";
    else if (name.find_first_of("/\\") != std::string::npos) why = "it holds a path separator";
    else if (name.find(':') != std::string::npos) why = "it names a drive or stream";
    else if (name.find('\0') != std::string::npos) why = "it holds a NUL byte";
    else return true;
    return false;
}

}  // namespace

int CmdList(const TArgs& args) {
    ExpectPositional(args, 1, "list FILE");
    auto c = OpenForReading(args.Positional[0], args);
    TStringList list;
    c->ListEntries(list);
    std::string out;
    for (int i = 0; i < list.Count(); ++i) {
        const TMyColocTTreemap& item = *list.Objects(i);
        const TEntryRecord& r = c->ReadEntryRecord(item.Offset);
        int64_t uncompressed = 0;
        if (r.StoredSize >= kSizePrefix) {
            uint8_t prefix[kSizePrefix];
            if (c->Stream().ReadAt(static_cast<int64_t>(item.Offset) + kEntryHeadSize, prefix, kSizePrefix) ==
                kSizePrefix)
                uncompressed = GetI64(prefix);
        }
        out += item.IdText + "\t" + item.Name + "\t" + std::to_string(r.StoredSize) + "\t" +
               std::to_string(uncompressed) + "\t" + std::to_string(item.Offset) + "\n";
    }
    Print(out);
    return 0;
}

int CmdInfo(const TArgs& args) {
    ExpectPositional(args, 1, "info FILE");
    auto c = OpenForReading(args.Positional[0], args);
    const TFileHeader& h = c->Header();
    const TIndexHead head = c->ReadIndexHead();
    std::string out;
    out += "mark: " + h.MarkText() + "\n";
    out += "version: " + std::to_string(h.Version) + "\n";
    out += "created: " + FormatOleDate(h.Created) + "\n";
    out += "LastID: " + std::to_string(head.LastID) + "\n";
    out += "EntryCount: " + std::to_string(head.EntryCount) + "\n";
    out += "FirstEntry: " + std::to_string(head.FirstEntry) + "\n";
    out += "DeletedCount: " + std::to_string(head.DeletedCount) + "\n";
    out += "FirstDeleted: " + std::to_string(head.FirstDeleted) + "\n";
    out += "LastEntry: " + std::to_string(head.LastEntry) + "\n";
    out += "LastDeleted: " + std::to_string(head.LastDeleted) + "\n";
    Print(out);
    return 0;
}

int CmdCat(const TArgs& args) {
    ExpectPositional(args, 2, "cat FILE NAME");
    auto c = OpenForReading(args.Positional[0], args);
    const int32_t offset = c->FindEntry(args.Positional[1]);
    if (offset == 0) throw ToolError(args.Positional[0] + ": no entry named \"" + args.Positional[1] + "\"");
    auto data = ReadEntryAt(*c, offset);
    SetBinaryStdout();
    if (!WriteStdout(data->Memory(), static_cast<size_t>(data->Size())))
        throw ToolError("cannot write to standard output");
    return 0;
}

int CmdExtract(const TArgs& args) {
    ExpectPositional(args, 2, "extract FILE DIR");
    auto c = OpenForReading(args.Positional[0], args);
    const std::string& dir = args.Positional[1];
    TStringList list;
    c->ListEntries(list);
    MakeDirectories(dir);
    int status = 0;
    std::set<std::string> written;
    for (int i = 0; i < list.Count(); ++i) {
        const TMyColocTTreemap& item = *list.Objects(i);
        std::string why;
        if (!SafeEntryName(item.Name, why)) {
            Complain("refusing entry " + item.IdText + " \"" + item.Name + "\": " + why);
            status = 1;
            continue;
        }
        if (!written.insert(item.Name).second) {
            Complain("skipping entry " + item.IdText + ": an earlier entry is also named \"" + item.Name + "\"");
            continue;
        }
        try {
            auto data = ReadEntryAt(*c, item.Offset);
            TFileStream out(JoinPath(dir, item.Name), TFileMode::fmCreate);
            out.WriteAt(0, data->Memory(), data->Size());
        } catch (const std::exception& e) {
            Complain("entry " + item.IdText + " \"" + item.Name + "\": " + e.what());
            status = 1;
        }
    }
    return status;
}

int CmdCheck(const TArgs& args) {
    ExpectPositional(args, 1, "check FILE");
    const std::string& path = args.Positional[0];
    if (!IsRegularFile(path)) throw ToolError(path + ": no such package file");
    std::vector<std::string> problems = CheckPackage(path);
    if (problems.empty() && args.Mark) {
        try {
            auto c = OpenForReading(path, args);
        } catch (const std::exception& e) {
            problems.push_back(e.what());
        }
    }
    std::string out;
    for (const auto& p : problems) out += path + ": " + p + "\n";
    Print(out);
    return problems.empty() ? 0 : 1;
}

}  // namespace vd::xpdb
