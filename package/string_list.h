// The list that ListEntries fills: one line per live entry, its text the
// entry ID in decimal and its attached item describing the entry.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "package/container_format.h"

namespace vd {

// What the listing knows about one entry.
struct TMyColocTTreemap {
    std::string Name;       // the entry's key
    std::string IdText;     // ID in decimal
    std::string TagText;    // tag value in decimal
    int32_t Offset = 0;     // record offset
    std::array<uint8_t, kEntryDescriptorSize> Descriptor{};  // copy of the descriptor bytes
};

class TStringList {
public:
    struct Line {
        std::string Text;
        std::unique_ptr<TMyColocTTreemap> Object;  // owned by the list's holder
    };

    void Add(std::string text, std::unique_ptr<TMyColocTTreemap> object = nullptr) {
        lines_.push_back(Line{std::move(text), std::move(object)});
    }
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& Strings(int i) const { return lines_.at(static_cast<size_t>(i)).Text; }
    const TMyColocTTreemap* Objects(int i) const { return lines_.at(static_cast<size_t>(i)).Object.get(); }
    void Clear() { lines_.clear(); }

private:
    std::vector<Line> lines_;
};

}  // namespace vd
