#include "package/package_check.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <unordered_set>
#include <zlib.h>

#include "package/container_format.h"
#include "package/file_stream.h"
#include "package/payload_codec.h"

namespace vd {
namespace {

constexpr size_t kMaxProblems = 100;

class Checker {
public:
    Checker(TFileStream& file, std::vector<std::string>& problems)
        : file_(file), problems_(problems), size_(file.Size()) {}

    void Run() {
        if (size_ < kFirstEntryOffset) {
            Problem("file is " + std::to_string(size_) + " bytes, shorter than the 44-byte head");
            return;
        }
        uint8_t head[kFirstEntryOffset];
        file_.ReadExactAt(0, head, sizeof head);
        if (head[8] != kContainerVersion) Problem("version is " + std::to_string(head[8]) + ", not 1");
        if (head[9] > kMarkCapacity) Problem("mark length " + std::to_string(head[9]) + " exceeds 10");
        if (size_ > 0x7FFFFFFF) Problem("file is larger than 2 GiB - 1 bytes");
        TIndexHead index;
        index.Unpack(head + kIndexHeadOffset);
        if (index.LastID < 0) Problem("LastID " + std::to_string(index.LastID) + " is negative");

        WalkChain("live", index.FirstEntry, index.LastEntry, index.EntryCount, 1);
        WalkChain("deleted", index.FirstDeleted, index.LastDeleted, index.DeletedCount, 0);
        CheckOverlaps();
    }

private:
    void Problem(const std::string& text) {
        if (problems_.size() < kMaxProblems) problems_.push_back(text);
        else if (problems_.size() == kMaxProblems) problems_.push_back("further problems not listed");
    }
    bool Full() const { return problems_.size() > kMaxProblems; }

    bool InRange(int32_t offset) const {
        return offset >= kFirstEntryOffset && static_cast<int64_t>(offset) + kEntryHeadSize <= size_;
    }

    void WalkChain(const char* chain, int32_t first, int32_t last, int16_t count, uint8_t live) {
        const std::string name = chain;
        if ((first == 0) != (last == 0))
            Problem(name + " chain: first " + std::to_string(first) + " and last " + std::to_string(last) +
                    " disagree");
        std::unordered_set<int32_t> seen;
        int32_t offset = first, previous = 0;
        int64_t visited = 0;
        const int64_t limit = (size_ - kFirstEntryOffset) / kEntryHeadSize;
        while (offset != 0 && !Full()) {
            const std::string at = name + " entry at " + std::to_string(offset) + ": ";
            if (!InRange(offset)) {
                Problem(at + "link out of range (file is " + std::to_string(size_) + " bytes)");
                return;
            }
            if (!seen.insert(offset).second || visited >= limit) {
                Problem(at + "the chain runs in a circle");
                return;
            }
            ++visited;
            uint8_t raw[kEntryHeadSize];
            file_.ReadExactAt(offset, raw, kEntryHeadSize);
            TEntryRecord r;
            r.Unpack(raw);
            if (r.OwnOffset != offset) Problem(at + "record names itself " + std::to_string(r.OwnOffset));
            if (r.DescriptorOffset != offset + kEntryRecordSize)
                Problem(at + "descriptor offset " + std::to_string(r.DescriptorOffset) + " is not " +
                        std::to_string(offset + kEntryRecordSize));
            if (r.Live != live) Problem(at + "live flag is " + std::to_string(r.Live));
            if (r.Previous != previous)
                Problem(at + "previous link " + std::to_string(r.Previous) + " should be " + std::to_string(previous));
            if (r.ID <= 0) Problem(at + "ID " + std::to_string(r.ID) + " is not positive");
            if (raw[kEntryRecordSize + 5] > kNameCapacity)
                Problem(at + "name length " + std::to_string(raw[kEntryRecordSize + 5]) + " exceeds 60");
            if (raw[kEntryRecordSize + 66] > kTextCapacity)
                Problem(at + "text length " + std::to_string(raw[kEntryRecordSize + 66]) + " exceeds 20");
            const int64_t dataStart = static_cast<int64_t>(offset) + kEntryHeadSize;
            bool dataInFile = r.StoredSize >= 0 && dataStart + r.StoredSize <= size_;
            if (!dataInFile) {
                Problem(at + "stored size " + std::to_string(r.StoredSize) + " runs past the end of the file");
            } else {
                spans_.push_back({offset, dataStart + r.StoredSize});
                if (live) CheckPayload(at, dataStart, r.StoredSize);
            }
            if (r.Next == 0 && offset != last)
                Problem(name + " chain ends at " + std::to_string(offset) + ", not at its recorded last entry " +
                        std::to_string(last));
            previous = offset;
            offset = r.Next;
        }
        if (!Full() && visited != count)
            Problem(name + " chain holds " + std::to_string(visited) + " entries, the head counts " +
                    std::to_string(count));
    }

    void CheckPayload(const std::string& at, int64_t start, int32_t stored) {
        if (stored == 0) return;
        if (stored < kSizePrefix) {
            Problem(at + "stored data of " + std::to_string(stored) + " bytes has no size prefix");
            return;
        }
        std::unique_ptr<uint8_t[]> data(new uint8_t[static_cast<size_t>(stored)]);
        file_.ReadExactAt(start, data.get(), stored);
        const int64_t declared = GetI64(data.get());
        const int64_t zlibBytes = stored - kSizePrefix;
        if (declared < 0 || declared > kMaxPayloadSize || declared > MaxInflatedSize(zlibBytes)) {
            Problem(at + "impossible uncompressed size " + std::to_string(declared));
            return;
        }
        z_stream zs{};
        if (inflateInit(&zs) != Z_OK) {
            Problem(at + "zlib cannot start");
            return;
        }
        zs.next_in = data.get() + kSizePrefix;
        zs.avail_in = static_cast<uInt>(zlibBytes);
        uint8_t scratch[1 << 16];
        int rc;
        do {
            zs.next_out = scratch;
            zs.avail_out = sizeof scratch;
            rc = inflate(&zs, Z_NO_FLUSH);
        } while (rc == Z_OK && static_cast<int64_t>(zs.total_out) <= declared);
        const int64_t produced = static_cast<int64_t>(zs.total_out);
        const std::string msg = zs.msg ? zs.msg : "";
        inflateEnd(&zs);
        if (rc == Z_STREAM_END) {
            if (produced != declared)
                Problem(at + "inflates to " + std::to_string(produced) + " bytes, declared " +
                        std::to_string(declared));
            if (zs.avail_in != 0) Problem(at + std::to_string(zs.avail_in) + " bytes follow the zlib stream");
        } else if (produced > declared) {
            Problem(at + "inflates to more than the declared " + std::to_string(declared) + " bytes");
        } else if (rc == Z_BUF_ERROR) {
            Problem(at + "zlib data ends early after " + std::to_string(produced) + " bytes");
        } else {
            Problem(at + "zlib data is damaged" + (msg.empty() ? std::string() : " (" + msg + ")"));
        }
    }

    void CheckOverlaps() {
        std::sort(spans_.begin(), spans_.end());
        for (size_t i = 1; i < spans_.size() && !Full(); ++i)
            if (spans_[i].first < spans_[i - 1].second)
                Problem("entry at " + std::to_string(spans_[i].first) + " overlaps the entry at " +
                        std::to_string(spans_[i - 1].first));
    }

    TFileStream& file_;
    std::vector<std::string>& problems_;
    int64_t size_;
    std::vector<std::pair<int64_t, int64_t>> spans_;
};

}  // namespace

std::vector<std::string> CheckPackage(const std::string& path) {
    std::vector<std::string> problems;
    try {
        TFileStream file(path, TFileMode::fmOpenRead);
        Checker(file, problems).Run();
    } catch (const std::exception& e) {
        problems.push_back(e.what());
    }
    return problems;
}

}  // namespace vd
