#include "system/message_pump.h"

namespace vd {
namespace {
TMessageFilter g_filter = nullptr;
}  // namespace

void SetMessageFilter(TMessageFilter filter) { g_filter = filter; }

void DispatchPendingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (g_filter && g_filter(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void DiscardQuitMessage() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

}  // namespace vd
