// Real windows for the window-class tests: unique class names, records to fill,
// and the windows of one test destroyed when it ends (the library never
// destroys a window).
#ifndef LUMIGRID_TESTS_TESTWINDOWS_H
#define LUMIGRID_TESTS_TESTWINDOWS_H

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "panekit/Window.h"

namespace testwindows {

// Every Initialize registers a class: each window needs a name of its own.
inline std::string UniqueClassName() {
    static int counter = 0;
    return "PanekitTestClass" + std::to_string(++counter);
}

inline PANEKITWNDCLASS Description(UINT mask) {
    PANEKITWNDCLASS description;
    std::memset(&description, 0, sizeof description);
    description.cbSize = sizeof description;
    description.fMask = mask;
    description.lpfnWndProc = DefWindowProcA;
    return description;
}

inline std::string Title(HWND window) {
    char text[4096];
    text[0] = '\0';
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The window's outer rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline int Width(const RECT& rect) { return rect.right - rect.left; }
inline int Height(const RECT& rect) { return rect.bottom - rect.top; }

inline bool ClassIsRegistered(HINSTANCE instance, const std::string& name) {
    WNDCLASSEXA windowClass;
    windowClass.cbSize = sizeof windowClass;
    return GetClassInfoExA(instance, name.c_str(), &windowClass) != 0;
}

struct ClassSearch {
    std::string name;
    int count;
};

inline BOOL CALLBACK CountIfOfClass(HWND window, LPARAM parameter) {
    ClassSearch* search = reinterpret_cast<ClassSearch*>(parameter);
    char className[300];
    if (GetClassNameA(window, className, sizeof className) && search->name == className) ++search->count;
    return TRUE;
}

// Windows of this thread whose class is the given one.
inline int CountWindowsOfClass(const std::string& name) {
    ClassSearch search{name, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountIfOfClass, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

class WindowTest : public ::testing::Test {
protected:
    HINSTANCE instance = GetModuleHandleA(nullptr);

    void TearDown() override {
        for (auto window = windows_.rbegin(); window != windows_.rend(); ++window)
            if (IsWindow(*window)) DestroyWindow(*window);
    }

    // Destroyed when the test ends.
    HWND Keep(HWND window) {
        if (window) windows_.push_back(window);
        return window;
    }

    // Creates win through Initialize with a fresh class name and keeps it.
    template <class Window>
    int Create(Window& win, PANEKITWNDCLASS description) {
        std::string name = UniqueClassName();
        description.fMask |= PWC_WNDPROC | PWC_CLASSNAME | PWC_STYLE;
        description.lpszClassName = name.c_str();
        int result = win.Initialize(&description);
        Keep(win.m_WindowHandle);
        return result;
    }

    // A borderless top-level window at a place on the screen: its client
    // area is exactly its size.
    void CreatePopup(CWin& win, int x, int y, int width, int height) {
        ASSERT_EQ(1, Create(win, Placed(PWC_POSITION | PWC_SIZE, WS_POPUP, x, y, width, height)));
    }

    // A borderless child window of parent at a place in its client area.
    template <class Window>
    void CreateChildOf(Window& win, HWND parent, int x, int y, int width, int height) {
        PANEKITWNDCLASS description = Placed(PWC_POSITION | PWC_SIZE | PWC_PARENT, WS_CHILD, x, y, width, height);
        description.hWndParent = parent;
        ASSERT_EQ(1, Create(win, description));
    }

    // A description of a window of the given style at a place and size.
    PANEKITWNDCLASS Placed(UINT mask, DWORD style, int x, int y, int width, int height) {
        PANEKITWNDCLASS description = Description(mask);
        description.dwStyle = style;
        description.x = x;
        description.y = y;
        description.cx = width;
        description.cy = height;
        return description;
    }

private:
    std::vector<HWND> windows_;
};

}  // namespace testwindows

#endif
