// xpdb pack: a new container from files and folders.
#include <cstdio>
#include <set>

#include "package/container_format.h"
#include "tools/xpdb/xpdb_commands.h"
#include "tools/xpdb/xpdb_console.h"

namespace vd::xpdb {
namespace {

struct Input {
    std::string Path;
    std::string Name;
};

std::vector<Input> CollectInputs(const std::vector<std::string>& paths, const std::string& out) {
    std::vector<Input> inputs;
    std::set<std::string> names;
    auto add = [&](const std::string& path) {
        Input in{path, FileNameOf(path)};
        if (in.Name.empty()) throw ToolError(path + ": has no file name");
        if (in.Name.size() > static_cast<size_t>(kNameCapacity))
            throw ToolError(path + ": the name \"" + in.Name + "\" is longer than 60 bytes");
        if (!names.insert(in.Name).second) throw ToolError(path + ": a second file named \"" + in.Name + "\"");
        inputs.push_back(in);
    };
    for (const std::string& p : paths) {
        if (IsDirectory(p)) {
            for (const std::string& f : RegularFilesIn(p))
                if (!SameFile(f, out)) add(f);
        } else if (IsRegularFile(p)) {
            add(p);
        } else {
            throw ToolError(p + ": no such file or folder");
        }
    }
    return inputs;
}

}  // namespace

int CmdPack(const TArgs& args) {
    if (args.Positional.size() < 2) throw UsageError("usage: xpdb pack OUT --mark MARK PATH...");
    const std::string& out = args.Positional[0];
    const std::string mark = MarkToWrite(args.Mark.value_or("xpselfdb"));
    TContainerOptions options;
    options.Clock = StampSource(args);
    if (IsDirectory(out)) throw ToolError(out + ": is a folder");

    const std::vector<Input> inputs =
        CollectInputs(std::vector<std::string>(args.Positional.begin() + 1, args.Positional.end()), out);
    const bool progress = StderrIsTerminal();

    RemoveFileIfPresent(out);
    try {
        TSelfFileClass container(out, mark, options);
        size_t i = 0;
        for (const Input& in : inputs) {
            ++i;
            TMemoryStream payload = ReadSourceFile(in.Path);
            if (progress)
                std::fprintf(stderr, "[%zu/%zu] %s (%lld bytes)\n", i, inputs.size(), in.Name.c_str(),
                             static_cast<long long>(payload.Size()));
            TEntryDescriptor descriptor;
            descriptor.SetKind(2);
            descriptor.SetTagValue(0);
            descriptor.SetName(in.Name);
            descriptor.SetText("");
            container.AddEntry(descriptor, payload, 0);
        }
    } catch (...) {
        RemoveFileIfPresent(out);
        throw;
    }
    return 0;
}

}  // namespace vd::xpdb
