// Writes one shortcut through the service, for checking by a host reader:
//   vd_shortcut_writer LINKFILE TARGET DESCRIPTION
// Exit codes: 0 saved, 1 not saved, 2 refused (extension), 3 usage.
#include <windows.h>

#include <cstdio>

#include "system/shortcut.h"
#include "core/wide.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) return 3;
    try {
        return vd::CreateShortcut(vd::Narrow(argv[2]), "", vd::Narrow(argv[1]), vd::Narrow(argv[3])) ? 0 : 1;
    } catch (const vd::TShortcutError&) {
        return 2;
    }
}
