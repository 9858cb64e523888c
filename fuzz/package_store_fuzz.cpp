// The package store on whole file images. Each input is opened with its own
// mark and with another one, its live chain is listed and every entry read,
// both through TXPFileDB and through the container's three-step read; then a
// copy is edited (a replacement in place, one that moves the entry, a delete,
// an add and an empty replacement). An image that the checker finds sound
// must read without an error, stay sound through the edits and give back
// what was written.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/memory_file.h"
#include "package/package_check.h"
#include "package/stream_errors.h"
#include "package/xp_file_db.h"

namespace {

using vd::EStreamError;
using vd::EWriteError;
using vd::TMemoryStream;
using vd::TXPException;
using vd::TXPFileDB;
using Bytes = std::vector<uint8_t>;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "package store: %s\n", what.c_str());
    std::abort();
}

// The mark stored in the image, as CheckMark reads it: a header cut short
// keeps zeros where its bytes are missing. Empty when the length byte is out
// of range (no mark matches then).
std::string MarkOf(const uint8_t* data, size_t size) {
    uint8_t header[vd::kFileHeaderSize] = {};
    if (size > 0) std::memcpy(header, data, size < sizeof header ? size : sizeof header);
    if (header[9] > vd::kMarkCapacity) return {};
    return std::string(reinterpret_cast<const char*>(header + 10), header[9]);
}

Bytes BytesOf(const TMemoryStream& m) { return Bytes(m.Memory(), m.Memory() + m.Size()); }

// Lists and reads everything; returns the live names in chain order.
std::vector<std::string> ReadEverything(const std::string& path, const std::string& mark, bool sound) {
    std::vector<std::string> names;
    TXPFileDB db;
    db.SetReadOnly(true);
    db.SetDBMark(mark);
    try {
        db.SetDBFile(path);
    } catch (const std::exception& e) {
        if (sound) Fail(std::string("a sound image does not open: ") + e.what());
        return names;
    }
    vd::TStringList lines;
    try {
        db.Container()->ListEntries(lines);
        if (db.DataIdxList()->Count() != lines.Count()) Fail("the ID list and the listing differ in length");
    } catch (const EStreamError& e) {
        if (sound) Fail(std::string("listing a sound image fails: ") + e.what());
    }
    for (int i = 0; i < lines.Count(); ++i) {
        const vd::TMyColocTTreemap& item = *lines.Objects(i);
        names.push_back(item.Name);
        try {
            std::unique_ptr<TMemoryStream> byKey = db.ReadData(item.Name);
            // A lookup stops at the recorded last entry, a listing at the
            // chain's end; they agree in a sound image.
            if (!byKey) {
                if (sound) Fail("a listed name is not found");
                continue;
            }
            // The same entry in three steps, read into a stream sized to its
            // stored data and inflated in place.
            vd::TSelfFileClass& c = *db.Container();
            c.ReadEntryRecord(c.FindEntry(item.Name));
            c.ReadEntryDescriptor();
            c.CheckStoredData();
            TMemoryStream inPlace;
            inPlace.SetSize(c.CurrentRecord().StoredSize);
            c.ReadEntryData(inPlace);
            if (BytesOf(inPlace) != BytesOf(*byKey)) Fail("the two reads of an entry differ");
        } catch (const EStreamError& e) {
            if (sound) Fail("reading entry \"" + item.Name + "\" of a sound image fails: " + e.what());
        }
    }
    return names;
}

void RefusedUnderAnotherMark(const std::string& path, const std::string& mark) {
    TXPFileDB db;
    db.SetReadOnly(true);
    db.SetDBMark(mark + "~");
    try {
        db.SetDBFile(path);
    } catch (const TXPException&) {
        return;
    }
    Fail("an image opens under a mark it does not carry");
}

Bytes Noise(size_t n, uint32_t seed) {
    Bytes b(n);
    for (auto& byte : b) {
        seed = seed * 134775813u + 1u;
        byte = static_cast<uint8_t>(seed >> 24);
    }
    return b;
}

// Edits a copy of the image. For a sound image every step must succeed
// (only running out of entry IDs may refuse an add), the result must stay
// sound and read back as written.
void EditCopy(const std::string& path, const std::string& mark, bool sound, std::vector<std::string> names) {
    TXPFileDB db;
    db.SetDBMark(mark);
    try {
        db.SetDBFile(path);
    } catch (const std::exception&) {
        return;
    }
    std::map<std::string, int> seen;
    for (const auto& n : names) ++seen[n];
    // What every name unique in the image (and the new key) must read back;
    // an absent value means deleted.
    std::map<std::string, std::unique_ptr<Bytes>> expected;
    const std::string added = "fuzz-added.bin";
    auto unique = [&](const std::string& n) { return seen[n] <= 1; };

    auto write = [&](const std::string& key, const Bytes& data) {
        db.WriteData(key, data.data(), static_cast<int32_t>(data.size()), 2, 0, "");
        if (!unique(key)) return;
        // An empty replacement keeps the old payload.
        if (data.empty() && expected.count(key) && expected[key]) return;
        if (data.empty() && seen[key] == 1 && !expected.count(key)) return;  // old payload unknown here
        expected[key] = std::make_unique<Bytes>(data);
    };
    try {
        if (!names.empty()) write(names[0], Bytes{'x'});
        if (names.size() >= 2) write(names.back(), Noise(600, static_cast<uint32_t>(names.size())));
        if (names.size() >= 3) {
            vd::TSelfFileClass& c = *db.Container();
            c.DeleteEntry(c.FindEntry(names[1]));
            if (unique(names[1])) expected[names[1]] = nullptr;
        }
        write(added, Noise(40, 7));
        write(added, Bytes{});
    } catch (const EWriteError&) {
        return;  // a refusal (no IDs left) ends the edits
    } catch (const EStreamError& e) {
        if (sound) Fail(std::string("editing a sound image fails: ") + e.what());
        return;
    }
    if (!sound) return;
    std::vector<std::string> problems = vd::CheckPackage(path);
    if (!problems.empty()) Fail("a sound image is no longer sound after edits: " + problems[0]);
    for (const auto& [key, want] : expected) {
        std::unique_ptr<TMemoryStream> got = db.ReadData(key);
        if (!want) {
            if (got) Fail("a deleted entry is still found: " + key);
        } else if (!got || BytesOf(*got) != *want) {
            Fail("an edited entry does not read back as written: " + key);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vd::fuzz::TMemoryFile image("package-image");
    static vd::fuzz::TMemoryFile copy("package-copy");
    image.Assign(data, size);
    const bool sound = vd::CheckPackage(image.Path()).empty();
    const std::string mark = MarkOf(data, size);
    std::vector<std::string> names = ReadEverything(image.Path(), mark, sound);
    RefusedUnderAnotherMark(image.Path(), mark);
    copy.Assign(data, size);
    EditCopy(copy.Path(), mark, sound, names);
    return 0;
}
