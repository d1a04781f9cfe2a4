#include "panekit/Window.h"

#include <climits>
#include <cmath>

#include "panekit/src/WindowSupport.h"

namespace {

// What placement measures: the parent's client extent, and the window's
// current corner (in SetWindowPos coordinates) and outer extent.
struct Measure {
    int parentWidth;
    int parentHeight;
    POINT corner;
    int width;
    int height;
};

bool measure(HWND window, HWND parent, Measure* measured) {
    if (!parent || !IsWindow(parent)) return false;
    RECT client;
    RECT outer;
    if (!GetClientRect(parent, &client) || !GetWindowRect(window, &outer)) return false;
    if (!panekit::window::placedPosition(window, &measured->corner)) return false;
    measured->parentWidth = client.right - client.left;
    measured->parentHeight = client.bottom - client.top;
    measured->width = outer.right - outer.left;
    measured->height = outer.bottom - outer.top;
    return true;
}

// Computed in double, where the product of any window extent and a float is
// exact: the truncation then gives the same result in the 32-bit build (x87)
// and the 64-bit build (SSE).
int fractionOf(int extent, float fraction, int current) {
    if (fraction == 0.0f || !std::isfinite(fraction)) return current;
    double product = static_cast<double>(extent) * static_cast<double>(fraction);
    if (product >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (product <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(product);
}

int edge(int rule, int parentExtent, int current) {
    if (rule == -1) return current;
    return rule >= 0 ? rule : parentExtent + rule;
}

int extent(int rule, int parentExtent, int current) {
    if (rule == 0) return current;
    return rule > 0 ? rule : parentExtent + rule;
}

int notBelowZero(int size) { return size < 0 ? 0 : size; }

void place(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void size(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, notBelowZero(width), notBelowZero(height),
                 SWP_NOMOVE | SWP_NOZORDER);
}

}  // namespace

CChild::CChild(HINSTANCE instance) : CWin(instance), m_Parent(nullptr) {}

CChild::CChild(const CChild& other) : CWin(other), m_Parent(other.m_Parent) {}

CChild& CChild::operator=(const CChild& other) {
    if (this == &other) return *this;
    CWin::operator=(other);
    m_Parent = other.m_Parent;
    return *this;
}

CChild::~CChild() {}

int CChild::Initialize(PANEKITWNDCLASS* description) {
    if (!description || !(description->fMask & PWC_PARENT)) return 0;
    m_Parent = description->hWndParent;
    return CWin::Initialize(description);
}

int CChild::Set(PANEKITWNDCLASS* description) {
    if (!description) return 0;
    if (description->fMask & PWC_PARENT) {
        if (!SetParent(m_WindowHandle, description->hWndParent)) return 0;
        m_Parent = description->hWndParent;
    }
    return CWin::Set(description);
}

void CChild::Move(int x, int y) {
    Measure measured;
    if (!measure(m_WindowHandle, m_Parent, &measured)) return;
    place(m_WindowHandle, edge(x, measured.parentWidth, measured.corner.x),
          edge(y, measured.parentHeight, measured.corner.y));
}

void CChild::Move(float x, float y) {
    Measure measured;
    if (!measure(m_WindowHandle, m_Parent, &measured)) return;
    place(m_WindowHandle, fractionOf(measured.parentWidth, x, measured.corner.x),
          fractionOf(measured.parentHeight, y, measured.corner.y));
}

void CChild::Resize(int cx, int cy) {
    Measure measured;
    if (!measure(m_WindowHandle, m_Parent, &measured)) return;
    size(m_WindowHandle, extent(cx, measured.parentWidth, measured.width),
         extent(cy, measured.parentHeight, measured.height));
}

void CChild::Resize(float cx, float cy) {
    Measure measured;
    if (!measure(m_WindowHandle, m_Parent, &measured)) return;
    size(m_WindowHandle, fractionOf(measured.parentWidth, cx, measured.width),
         fractionOf(measured.parentHeight, cy, measured.height));
}
