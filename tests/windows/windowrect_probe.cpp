// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints what Windows itself says about a top-level window, found by its
// exact title, in physical pixels: the window rectangle (frame included),
// the client area's corner and size on screen, and the window's dpi. The
// Wine tests hold these against what Qt reports and saves.
//
// Usage: windowrect_probe.exe TITLE
// Output: window LEFT TOP RIGHT BOTTOM client LEFT TOP WIDTH HEIGHT dpi DPI
//         margins LEFT TOP RIGHT BOTTOM style STYLE EXSTYLE resize-border N
// The second line is the frame that the window's styles give by Windows'
// own rule (AdjustWindowRectExForDpi), which is what Qt takes for the frame,
// and the width of the resize border that Qt takes for invisible (as it is
// on Windows 10 and later) and leaves out of the frame position it reports.

#include <windows.h>

#include <cstdio>

int main()
{
    // Seen from a program that knows nothing of dpi, Windows would scale
    // every coordinate it reports.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 2) {
        std::fputs("usage: windowrect_probe.exe TITLE\n", stderr);
        return 2;
    }
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (window == nullptr) {
        std::fputs("windowrect_probe: no such window\n", stderr);
        return 1;
    }
    RECT outer = {};
    RECT client = {};
    POINT corner = {0, 0};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    ClientToScreen(window, &corner);
    const UINT dpi = GetDpiForWindow(window);
    std::printf("window %ld %ld %ld %ld client %ld %ld %ld %ld dpi %u\n", outer.left, outer.top,
                outer.right, outer.bottom, corner.x, corner.y, client.right, client.bottom, dpi);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    std::printf("margins %ld %ld %ld %ld style %#lx %#lx resize-border %d\n", -frame.left,
                -frame.top, frame.right, frame.bottom, static_cast<unsigned long>(style),
                static_cast<unsigned long>(exStyle),
                GetSystemMetricsForDpi(SM_CXSIZEFRAME, dpi) +
                    GetSystemMetricsForDpi(SM_CXPADDEDBORDER, dpi));
    return 0;
}
