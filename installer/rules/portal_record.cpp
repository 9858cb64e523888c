#include "installer/rules/portal_record.h"

#include <cstring>

namespace vd {
namespace {

// Length of the UTF-8 character starting at s[i]; 1 for a byte that starts
// no complete multi-byte sequence.
size_t CharLengthAt(std::string_view s, size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (n == 1 || i + n > s.size()) return 1;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

void PutU32(TSpecialValue& r, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) r[at + k] = static_cast<uint8_t>(v >> (8 * k));
}

}  // namespace

std::string FitHostBytes(std::string_view hostUtf8, const TCharEncoder& encode, size_t maxBytes) {
    std::string out;
    for (size_t i = 0; i < hostUtf8.size();) {
        size_t n = CharLengthAt(hostUtf8, i);
        std::string_view ch = hostUtf8.substr(i, n);
        std::string bytes = encode ? encode(ch) : std::string(ch);
        if (out.size() + bytes.size() > maxBytes) break;
        out += bytes;
        i += n;
    }
    return out;
}

TSpecialValue BuildSpecialValue(std::string_view hostBytes) {
    TSpecialValue r{};
    PutU32(r, 0, kSpecialValueMagic1);
    PutU32(r, 4, kSpecialValueMagic2);
    r[8] = 1;
    size_t n = hostBytes.size() < kSpecialValueHostMax ? hostBytes.size() : kSpecialValueHostMax;
    if (n) std::memcpy(r.data() + kSpecialValueHostOffset, hostBytes.data(), n);
    return r;
}

}  // namespace vd
