// panekit-frame [document name]
//
// A CMain with two CChild windows: an LED preview that fills the left of the
// client area, and a panel held at a fixed distance from the right edge, half
// as high as the client area. The main window's layout rules place both
// whenever it is resized; the title shows the document name.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "panekit/Panekit.h"

namespace {

const char mainClassName[] = "PanekitFrameMain";
const char previewClassName[] = "PanekitFramePreview";
const char panelClassName[] = "PanekitFramePanel";
const char baseTitle[] = "Panekit Frame";
const char defaultDocument[] = "heart.led";

const int margin = 8;
const int panelWidth = 200;

const COLORREF unlitColour = RGB(60, 16, 16);
const COLORREF litColour = RGB(255, 48, 32);
const COLORREF boardColour = RGB(0, 0, 0);

// The picture the preview shows: 16 x 16 cells, one row per entry, most
// significant bit leftmost.
const unsigned short heart[16] = {
    0x0000, 0x0000, 0x1C38, 0x3E7C, 0x7FFE, 0x7FFE, 0x7FFE, 0x3FFC,
    0x1FF8, 0x0FF0, 0x07E0, 0x03C0, 0x0180, 0x0000, 0x0000, 0x0000,
};
const int cells = 16;

// The preview draws the LED board as large as its window allows.
void PaintPreview(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    HBRUSH board = CreateSolidBrush(boardColour);
    FillRect(dc, &client, board);
    DeleteObject(board);

    int cell = client.right < client.bottom ? client.right / cells : client.bottom / cells;
    if (cell < 2) return;
    int left = (client.right - cell * cells) / 2;
    int top = (client.bottom - cell * cells) / 2;
    HBRUSH lit = CreateSolidBrush(litColour);
    HBRUSH unlit = CreateSolidBrush(unlitColour);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, unlit);
    for (int row = 0; row < cells; ++row) {
        for (int column = 0; column < cells; ++column) {
            bool on = heart[row] & (0x8000 >> column);
            SelectObject(dc, on ? lit : unlit);
            int x = left + column * cell;
            int y = top + row * cell;
            Ellipse(dc, x + 1, y + 1, x + cell, y + cell);
        }
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(lit);
    DeleteObject(unlit);
}

// The panel names the rules and shows the client size they were applied to.
void PaintPanel(HWND window, HDC dc) {
    RECT parentClient;
    GetClientRect(GetParent(window), &parentClient);
    wchar_t text[512];
    std::swprintf(text, sizeof text / sizeof text[0],
                  L"Layout rules\n\n"
                  L"Preview: at %d, %d; width W - %d; height H - %d\n\n"
                  L"This panel: %d from the right; width %d; height H x 0.5\n\n"
                  L"Client area W x H: %ld x %ld",
                  margin, margin, panelWidth + 3 * margin, 2 * margin, panelWidth + margin,
                  panelWidth, parentClient.right, parentClient.bottom);
    RECT client;
    GetClientRect(window, &client);
    InflateRect(&client, -margin, -margin);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, text, -1, &client, DT_LEFT | DT_WORDBREAK);
    SelectObject(dc, oldFont);
}

LRESULT OnPaint(HWND window, void (*paint)(HWND, HDC)) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    paint(window, dc);
    EndPaint(window, &ps);
    return 0;
}

// The library registers its classes without CS_HREDRAW and CS_VREDRAW, so a
// child whose picture depends on its size repaints itself when resized.
LRESULT CALLBACK PreviewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return OnPaint(window, PaintPreview);
    case WM_SIZE: InvalidateRect(window, nullptr, FALSE); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return OnPaint(window, PaintPanel);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The main window keeps its CMain in GWLP_USERDATA once the children exist;
// the WM_SIZE messages of creation come before that and are not needed.
LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: {
        CMain* frame = reinterpret_cast<CMain*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (frame) frame->Size();
        // The panel's text shows the client size.
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            InvalidateRect(child, nullptr, TRUE);
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

PANEKITWNDCLASS Description(WNDPROC procedure, const char* className, DWORD style) {
    PANEKITWNDCLASS description;
    std::memset(&description, 0, sizeof description);
    description.cbSize = sizeof description;
    description.fMask = PWC_WNDPROC | PWC_CLASSNAME | PWC_STYLE;
    description.lpfnWndProc = procedure;
    description.lpszClassName = className;
    description.dwStyle = style;
    return description;
}

bool CreateChild(CChild& child, HWND parent, WNDPROC procedure, const char* className, DWORD style) {
    PANEKITWNDCLASS description = Description(procedure, className, WS_CHILD | WS_VISIBLE | style);
    description.fMask |= PWC_PARENT | PWC_SIZE;
    description.hWndParent = parent;
    description.cx = description.cy = 10;
    return child.Initialize(&description) == 1;
}

CHILDWINDOWNODE Rule(CChild* child) {
    CHILDWINDOWNODE rule;
    std::memset(&rule, 0, sizeof rule);
    rule.pChild = child;
    return rule;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const char* document = __argc > 1 ? __argv[1] : defaultDocument;

    CMain frame(instance);
    PANEKITWNDCLASS description =
        Description(MainProcedure, mainClassName, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    description.fMask |= PWC_TITLE | PWC_SIZE | PWC_BACKGROUND;
    description.lpszTitle = baseTitle;
    description.cx = 640;
    description.cy = 420;
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!frame.Initialize(&description)) return 1;
    HWND main = frame.GetWindowHandle();

    CChild preview(instance);
    CChild panel(instance);
    if (!CreateChild(preview, main, PreviewProcedure, previewClassName, 0) ||
        !CreateChild(panel, main, PanelProcedure, panelClassName, WS_BORDER)) {
        DestroyWindow(main);
        return 1;
    }

    // The preview keeps a margin all round and leaves room for the panel.
    CHILDWINDOWNODE rule = Rule(&preview);
    rule.x = margin;
    rule.y = margin;
    rule.cx = -(panelWidth + 3 * margin);
    rule.cy = -2 * margin;
    frame.AddChild(&rule);
    // The panel stays at the right edge, half as high as the client area.
    rule = Rule(&panel);
    rule.x = -(panelWidth + margin);
    rule.y = margin;
    rule.cx = panelWidth;
    rule.fcy = 0.5f;
    frame.AddChild(&rule);

    frame.ChangeFilename(document);
    SetWindowLongPtrA(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&frame));
    frame.Size();
    ShowWindow(main, show);
    UpdateWindow(main);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
