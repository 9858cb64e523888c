// Stand-in for the player, ZarIrovid.exe: appends its command line to
// ZarIrovid.log beside it, then shows a small window that closes itself
// after a few seconds (5, or N with the argument /stay:N).
#include <windows.h>

#include "tools/standins/standin_common.h"

namespace {

using namespace vd::standin;

const wchar_t kClassName[] = L"VadodePlayerStandIn";
const wchar_t* g_commandLine = L"";

// The number after "/stay:" in the command line, else the default.
UINT StaySeconds(const wchar_t* cmd, UINT fallback) {
    for (const wchar_t* p = cmd; *p; ++p) {
        if (p[0] == L'/' && p[1] == L's' && p[2] == L't' && p[3] == L'a' && p[4] == L'y' && p[5] == L':') {
            UINT n = 0;
            for (p += 6; *p >= L'0' && *p <= L'9'; ++p) n = n * 10 + static_cast<UINT>(*p - L'0');
            return n;
        }
    }
    return fallback;
}

LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER:
            DestroyWindow(wnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(wnd, &ps);
            RECT r;
            GetClientRect(wnd, &r);
            InflateRect(&r, -12, -12);
            SetBkMode(dc, TRANSPARENT);
            SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
            DrawTextW(dc, L"Vadode播放器 (stand-in) is running.", -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
            r.top += 24;
            DrawTextW(dc, g_commandLine, -1, &r, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_PATH_ELLIPSIS);
            EndPaint(wnd, &ps);
            return 0;
        }
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, PWSTR, int show) {
    g_commandLine = GetCommandLineW();
    AppendLogLine(L"ZarIrovid.log", g_commandLine);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
    HWND wnd = CreateWindowExW(0, kClassName, L"Vadode播放器", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                               CW_USEDEFAULT, CW_USEDEFAULT, 420, 140, nullptr, nullptr, inst, nullptr);
    if (!wnd) return 1;
    SetTimer(wnd, 1, StaySeconds(g_commandLine, 5) * 1000, nullptr);
    ShowWindow(wnd, show);
    UpdateWindow(wnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
