// The special-value record that portal mode stores in the player's settings
// database: 272 bytes, little-endian, zero-filled, with two magic numbers, a
// flag and the portal host as zero-terminated text.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vd {

inline constexpr size_t kSpecialValueSize = 272;
inline constexpr uint32_t kSpecialValueMagic1 = 0x01A2B3C4;
inline constexpr uint32_t kSpecialValueMagic2 = 0x03456788;  // twice Magic1
inline constexpr size_t kSpecialValueHostOffset = 9;
// Text bytes of the host; the byte after them stays zero.
inline constexpr size_t kSpecialValueHostMax = 262;

// The settings database, its mark, and the record's key in it.
inline constexpr const char* kSettingsDatabaseName = "RirAdaDE.dll";
inline constexpr const char* kSettingsDatabaseMark = "b_special";
inline constexpr const char* kSpecialValueKey = "boxspvalue";

using TSpecialValue = std::array<uint8_t, kSpecialValueSize>;

// Encodes one character (given as UTF-8) in the code page the record stores.
using TCharEncoder = std::function<std::string(std::string_view utf8Char)>;

// The host's bytes in the record's code page: the longest run of whole
// characters from the start whose encoding fits in maxBytes. Without an
// encoder the text stays UTF-8. A byte that starts no complete UTF-8
// sequence counts as one character.
std::string FitHostBytes(std::string_view hostUtf8, const TCharEncoder& encode = nullptr,
                         size_t maxBytes = kSpecialValueHostMax);

// Magic1 at 0, Magic2 at 4, flag 1 at 8, the host bytes from 9 (cut to 262
// bytes), zero everywhere else.
TSpecialValue BuildSpecialValue(std::string_view hostBytes);

}  // namespace vd
