// Registry access: a key-handle wrapper and a one-shot string read. Values
// are UTF-8 here and UTF-16 in the registry; failures come back as false or
// empty text, never as exceptions.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace vd {

// The string value `valueName` (empty name: the default value) of root\keyPath,
// or `defaultValue` when the key cannot be opened for reading, the value is
// missing or is not REG_SZ / REG_EXPAND_SZ. Expandable values come back as
// stored, variables unexpanded; the text ends at its first NUL. A leading
// backslash of keyPath is skipped.
std::string ReadRegString(HKEY root, std::string_view keyPath, std::string_view valueName,
                          std::string_view defaultValue);

// A key-handle wrapper: choose a root, open one key by path (optionally
// creating it), work on its values and sub-keys, close it. Keys are opened
// with full access. Paths are relative to the root; a leading backslash is
// skipped. Sub-key operations are relative to the open key, or to the root
// when no key is open.
class TRegistry {
public:
    explicit TRegistry(HKEY root = HKEY_CURRENT_USER);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Closes the open key and selects another root.
    void SetRootKey(HKEY root);
    HKEY RootKey() const { return root_; }

    // Closes the open key, then opens root\path; with canCreate the key and
    // its missing parents are created. False when it cannot be opened.
    bool OpenKey(std::string_view path, bool canCreate);
    bool IsOpen() const { return key_ != nullptr; }
    void CloseKey();

    // Values of the open key. ReadString gives "" when the value is missing
    // or not a string (and sets *ok to false when ok is given).
    std::string ReadString(std::string_view name, bool* ok = nullptr) const;
    bool WriteString(std::string_view name, std::string_view value);
    // A 32-bit number (REG_DWORD).
    bool WriteInteger(std::string_view name, uint32_t value);
    bool ValueExists(std::string_view name) const;
    bool DeleteValue(std::string_view name);

    // Sub-keys of the open key (or of the root when none is open).
    bool KeyExists(std::string_view subKey) const;
    // Deletes the sub-key with every key below it.
    bool DeleteKey(std::string_view subKey);

private:
    HKEY Base() const { return key_ ? key_ : root_; }

    HKEY root_;
    HKEY key_ = nullptr;
};

}  // namespace vd
