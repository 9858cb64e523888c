// Shell shortcut (.lnk) files.
#pragma once
#include <stdexcept>
#include <string_view>

namespace vd {

// Raised when a shortcut is asked for under a name that does not end in .lnk.
class TShortcutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kShortcutExtensionMessage = "快捷方式的扩展名必须是.lnk !";

// Writes linkFile as a shortcut to target with the arguments, the target's
// folder (with its trailing backslash) as working folder, and the
// description; an existing file is overwritten. Throws TShortcutError with
// "快捷方式的扩展名必须是.lnk !" when the extension of linkFile is not .lnk in
// any letter case, and then writes nothing. Every other failure is silent;
// the result tells whether the file was saved.
bool CreateShortcut(std::string_view target, std::string_view arguments, std::string_view linkFile,
                    std::string_view description);

}  // namespace vd
