#include "system/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "core/text.h"
#include "core/wide.h"

namespace vd {
namespace {

// The extension of a file name: from its last dot, when that dot follows the
// last path delimiter; empty otherwise.
std::string FileExtension(std::string_view path) {
    size_t dot = path.find_last_of('.');
    size_t delim = path.find_last_of("\\:");
    if (dot == std::string_view::npos || (delim != std::string_view::npos && dot < delim)) return std::string();
    return std::string(path.substr(dot));
}

template <typename T>
void Release(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

}  // namespace

bool CreateShortcut(std::string_view target, std::string_view arguments, std::string_view linkFile,
                    std::string_view description) {
    if (AsciiUpper(FileExtension(linkFile)) != ".LNK") throw TShortcutError(kShortcutExtensionMessage);

    HRESULT init = CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->SetPath(Wide(target).c_str());
        link->SetArguments(Wide(arguments).c_str());
        link->SetWorkingDirectory(Wide(ExtractFilePath(target)).c_str());
        link->SetDescription(Wide(description).c_str());
        saved = SUCCEEDED(file->Save(Wide(linkFile).c_str(), FALSE));
    }
    Release(file);
    Release(link);
    if (SUCCEEDED(init)) CoUninitialize();
    return saved;
}

}  // namespace vd
