#include "editor/dialogs/ResizableLayout.h"

void ResizableLayout::KeepFirstSize(HWND dialog) {
    RECT client, window;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    firstClient_ = {client.right, client.bottom};
    firstWindow_ = {window.right - window.left, window.bottom - window.top};
}

void ResizableLayout::Keep(HWND dialog, int control, unsigned anchors) {
    HWND child = GetDlgItem(dialog, control);
    if (!child) return;
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    placed_.push_back({control, anchors, box});
}

void ResizableLayout::Apply(HWND dialog) const {
    RECT client;
    GetClientRect(dialog, &client);
    const int dx = client.right - firstClient_.cx;
    const int dy = client.bottom - firstClient_.cy;
    if (dx < 0 || dy < 0) return;
    HDWP moves = BeginDeferWindowPos(static_cast<int>(placed_.size()));
    for (const Placed& placed : placed_) {
        RECT box = placed.box;
        // Anchored right: the right edge follows; anchored right alone: the whole control.
        if (placed.anchors & AnchorRight) {
            box.right += dx;
            if (!(placed.anchors & AnchorLeft)) box.left += dx;
        }
        if (placed.anchors & AnchorBottom) {
            box.bottom += dy;
            if (!(placed.anchors & AnchorTop)) box.top += dy;
        }
        if (moves)
            moves = DeferWindowPos(moves, GetDlgItem(dialog, placed.control), nullptr, box.left, box.top,
                                   box.right - box.left, box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    InvalidateRect(dialog, nullptr, TRUE);
}

void ResizableLayout::LimitSize(MINMAXINFO& limits) const {
    if (firstWindow_.cx <= 0) return;
    limits.ptMinTrackSize.x = firstWindow_.cx;
    limits.ptMinTrackSize.y = firstWindow_.cy;
}
