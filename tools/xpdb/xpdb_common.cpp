#include <cstdlib>
#include <limits>

#include "package/container_format.h"
#include "package/file_stream.h"
#include "package/ole_date.h"
#include "package/xp_file_db.h"
#include "tools/xpdb/xpdb_commands.h"
#include "tools/xpdb/xpdb_console.h"

namespace vd::xpdb {

void ExpectPositional(const TArgs& args, size_t count, const char* shape) {
    if (args.Positional.size() != count) throw UsageError(std::string("usage: xpdb ") + shape);
}

void RequireMark(TSelfFileClass& container, const TArgs& args) {
    const bool matches = container.CheckMark();
    if (args.Mark && !matches)
        throw ToolError(container.FileName() + ": " + kXPDatabaseError + " (its mark is \"" +
                        container.Header().MarkText() + "\", not \"" + *args.Mark + "\")");
}

std::unique_ptr<TSelfFileClass> OpenForReading(const std::string& path, const TArgs& args) {
    if (IsDirectory(path)) throw ToolError(path + ": is a folder, not a package file");
    TContainerOptions options;
    options.ReadOnly = true;
    auto container = std::make_unique<TSelfFileClass>(path, args.Mark.value_or(""), options);
    RequireMark(*container, args);
    return container;
}

std::function<double()> StampSource(const TArgs& args) {
    double stamp = 0;
    if (args.Created) {
        const std::string& t = *args.Created;
        char* end = nullptr;
        double days = std::strtod(t.c_str(), &end);
        if (ParseOleDate(t, stamp)) {
        } else if (!t.empty() && end && *end == '\0' && days > -693594 && days < 2958466) {
            stamp = days;
        } else {
            throw UsageError("--created needs \"YYYY-MM-DD[ HH:MM:SS[.mmm]]\" or a number of days, not \"" + t + "\"");
        }
        return [stamp] { return stamp; };
    }
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        long long seconds = 0;
        if (!ParseInteger(epoch, 0, 253402300799LL, seconds))
            throw UsageError(std::string("SOURCE_DATE_EPOCH is not a number of seconds: \"") + epoch + "\"");
        stamp = UnixSecondsToOleDate(static_cast<double>(seconds));
        return [stamp] { return stamp; };
    }
    return {};
}

std::string MarkToWrite(const std::string& mark) {
    if (mark.size() > static_cast<size_t>(kMarkCapacity))
        throw UsageError("a mark holds at most 10 bytes: \"" + mark + "\"");
    return mark;
}

std::unique_ptr<TMemoryStream> ReadEntryAt(TSelfFileClass& container, int32_t offset) {
    container.ReadEntryRecord(offset);
    container.ReadEntryDescriptor();
    TMemoryStream chunk;
    auto stream = std::make_unique<TMemoryStream>();
    container.ReadEntryDataInto(chunk, *stream);
    return stream;
}

TMemoryStream ReadSourceFile(const std::string& path) {
    if (IsDirectory(path)) throw ToolError(path + ": is a folder");
    TFileStream file(path, TFileMode::fmOpenRead);
    const int64_t size = file.Size();
    if (size > std::numeric_limits<int32_t>::max()) throw ToolError(path + ": too large for a package entry");
    TMemoryStream m;
    m.SetSize(size);
    if (size > 0) file.ReadExactAt(0, m.Memory(), size);
    return m;
}

}  // namespace vd::xpdb
