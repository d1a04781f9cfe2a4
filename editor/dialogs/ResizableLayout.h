// The layout of a dialog that can be resized: each control keeps its
// distance from the edges it is anchored to, so that a control anchored to
// both left and right (or top and bottom) grows with the dialog. The
// dialog's first size is its smallest.
#ifndef LUMIGRID_EDITOR_RESIZABLELAYOUT_H
#define LUMIGRID_EDITOR_RESIZABLELAYOUT_H

#include <windows.h>

#include <vector>

enum Anchor : unsigned {
    AnchorLeft = 1,
    AnchorTop = 2,
    AnchorRight = 4,
    AnchorBottom = 8,
    AnchorTopLeft = AnchorLeft | AnchorTop,
    AnchorBottomLeft = AnchorLeft | AnchorBottom,
    AnchorBottomRight = AnchorRight | AnchorBottom,
    AnchorAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom,
};

class ResizableLayout {
public:
    // On WM_INITDIALOG: the controls as the template places them.
    void Keep(HWND dialog, int control, unsigned anchors);
    void KeepFirstSize(HWND dialog);
    // On WM_SIZE.
    void Apply(HWND dialog) const;
    // On WM_GETMINMAXINFO.
    void LimitSize(MINMAXINFO& limits) const;

private:
    struct Placed {
        int control;
        unsigned anchors;
        RECT box;
    };
    std::vector<Placed> placed_;
    SIZE firstClient_ = {0, 0};
    SIZE firstWindow_ = {0, 0};
};

#endif
