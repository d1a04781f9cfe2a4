#include "panekit/Window.h"

#include <cstring>

#include "panekit/src/WindowSupport.h"

namespace window = panekit::window;

// The record's layout is that of the 32-bit build, where it is 72 bytes.
#ifndef _WIN64
static_assert(sizeof(PANEKITWNDCLASS) == PANEKITWNDCLASS_MINIMUM_SIZE, "tag_PANEKITWNDCLASS layout");
#endif

namespace {

const UINT requiredForCreation = PWC_WNDPROC | PWC_CLASSNAME | PWC_STYLE;

// The standard icon and cursor are integer resource names, the same for the A
// and W functions; the headers spell them for the W ones in a Unicode build.
LPCSTR standardResource(LPCWSTR name) { return reinterpret_cast<LPCSTR>(name); }

bool has(const PANEKITWNDCLASS* description, UINT bits) {
    return (description->fMask & bits) == bits;
}

// Shows lpszTitle, " - [", lpszFilename and "]".
bool showTitleWithFilename(HWND window, const PANEKITWNDCLASS* description) {
    char title[CWin::ComposedTitleCapacity];
    window::TextBuilder text(title, sizeof title);
    text.append(description->lpszTitle);
    text.append(" - [");
    text.append(description->lpszFilename);
    text.append("]");
    return SetWindowTextA(window, title) != 0;
}

// The window whose handle was given as hWndParent when it was created: the
// parent of a child window, the owner of a top-level one.
bool readParent(HWND window, HWND* parent) {
    LONG_PTR style;
    if (!window::readWindowLong(window, GWL_STYLE, &style)) return false;
    *parent = (style & WS_CHILD) ? GetAncestor(window, GA_PARENT) : GetWindow(window, GW_OWNER);
    return true;
}

// One of the window's style words, as Get reports it.
bool readStyle(HWND window, int index, DWORD* style) {
    LONG_PTR value;
    if (!window::readWindowLong(window, index, &value)) return false;
    *style = static_cast<DWORD>(value);
    return true;
}

}  // namespace

CWin::CWin(HINSTANCE instance)
    : m_AppInstance(instance), m_WindowHandle(nullptr), m_Style(0), m_ExStyle(0) {
    m_ClassName[0] = '\0';
    m_ReadTitle[0] = '\0';
}

CWin::CWin(const CWin& other) : m_AppInstance(nullptr), m_WindowHandle(nullptr) { *this = other; }

CWin& CWin::operator=(const CWin& other) {
    if (this == &other) return *this;
    m_AppInstance = other.m_AppInstance;
    m_WindowHandle = other.m_WindowHandle;
    std::memcpy(m_ClassName, other.m_ClassName, sizeof m_ClassName);
    m_Style = other.m_Style;
    m_ExStyle = other.m_ExStyle;
    std::memcpy(m_ReadTitle, other.m_ReadTitle, sizeof m_ReadTitle);
    return *this;
}

CWin::~CWin() {}

int CWin::Initialize(PANEKITWNDCLASS* description) {
    if (!description || description->cbSize < PANEKITWNDCLASS_MINIMUM_SIZE) return 0;
    if (!has(description, requiredForCreation) || !description->lpszClassName) return 0;
    window::copyText(m_ClassName, sizeof m_ClassName, description->lpszClassName);

    WNDCLASSEXA windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = description->lpfnWndProc;
    windowClass.hInstance = m_AppInstance;
    windowClass.lpszClassName = m_ClassName;
    windowClass.hIcon = has(description, PWC_ICON) ? description->hIcon : LoadIconA(nullptr, standardResource(IDI_APPLICATION));
    windowClass.hCursor = has(description, PWC_CURSOR) ? description->hCursor : LoadCursorA(nullptr, standardResource(IDC_ARROW));
    windowClass.hbrBackground = has(description, PWC_BACKGROUND)
                                    ? description->hbrBackground
                                    : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.hIconSm = has(description, PWC_SMALLICON) ? description->hIconSm : nullptr;
    if (!RegisterClassExA(&windowClass)) return 0;

    m_Style = description->dwStyle;
    m_ExStyle = has(description, PWC_EXSTYLE) ? description->dwExStyle : 0;
    bool placed = has(description, PWC_POSITION);
    bool sized = has(description, PWC_SIZE);
    m_WindowHandle = CreateWindowExA(
        m_ExStyle, m_ClassName, has(description, PWC_TITLE) ? description->lpszTitle : "", m_Style,
        placed ? description->x : CW_USEDEFAULT, placed ? description->y : CW_USEDEFAULT,
        sized ? description->cx : CW_USEDEFAULT, sized ? description->cy : CW_USEDEFAULT,
        has(description, PWC_PARENT) ? description->hWndParent : nullptr,
        has(description, PWC_MENU) ? description->hMenu : nullptr, m_AppInstance, nullptr);
    return m_WindowHandle ? 1 : 0;
}

int CWin::Set(PANEKITWNDCLASS* description) {
    if (!description || description->fMask == 0) return 0;
    HWND window = m_WindowHandle;

    if (has(description, PWC_WNDPROC) &&
        !window::changeWindowLong(window, GWLP_WNDPROC,
                                  reinterpret_cast<LONG_PTR>(description->lpfnWndProc)))
        return 0;
    if (has(description, PWC_TITLE) && !SetWindowTextA(window, description->lpszTitle)) return 0;
    if (has(description, PWC_FILENAME) && !showTitleWithFilename(window, description)) return 0;
    if (has(description, PWC_STYLE)) {
        if (!window::changeWindowLong(window, GWL_STYLE, static_cast<LONG_PTR>(description->dwStyle)))
            return 0;
        m_Style = description->dwStyle;
    }
    if (has(description, PWC_EXSTYLE)) {
        if (!window::changeWindowLong(window, GWL_EXSTYLE,
                                      static_cast<LONG_PTR>(description->dwExStyle)))
            return 0;
        m_ExStyle = description->dwExStyle;
    }
    if (has(description, PWC_MENU) && !SetMenu(window, description->hMenu)) return 0;

    bool placed = has(description, PWC_POSITION);
    bool sized = has(description, PWC_SIZE);
    if (placed || sized) {
        UINT flags = SWP_NOZORDER | (placed ? 0 : SWP_NOMOVE) | (sized ? 0 : SWP_NOSIZE);
        if (!SetWindowPos(window, nullptr, description->x, description->y, description->cx,
                          description->cy, flags))
            return 0;
    }
    return 1;
}

int CWin::Get(PANEKITWNDCLASS* description) {
    HWND window = m_WindowHandle;
    if (!description || !window || !IsWindow(window)) return 0;
    bool complete = true;

    if (has(description, PWC_WNDPROC)) {
        LONG_PTR procedure;
        if (window::readWindowLong(window, GWLP_WNDPROC, &procedure))
            description->lpfnWndProc = reinterpret_cast<WNDPROC>(procedure);
        else
            complete = false;
    }
    if (has(description, PWC_TITLE)) {
        SetLastError(0);
        if (GetWindowTextA(window, m_ReadTitle, sizeof m_ReadTitle) == 0 && GetLastError() != 0) {
            m_ReadTitle[0] = '\0';
            complete = false;
        }
        description->lpszTitle = m_ReadTitle;
    }
    if (has(description, PWC_STYLE) && !readStyle(window, GWL_STYLE, &description->dwStyle)) complete = false;
    if (has(description, PWC_EXSTYLE) && !readStyle(window, GWL_EXSTYLE, &description->dwExStyle)) complete = false;
    if (has(description, PWC_POSITION)) {
        POINT position;
        if (window::placedPosition(window, &position)) {
            description->x = position.x;
            description->y = position.y;
        } else {
            complete = false;
        }
    }
    if (has(description, PWC_SIZE)) {
        RECT outer;
        if (GetWindowRect(window, &outer)) {
            description->cx = outer.right - outer.left;
            description->cy = outer.bottom - outer.top;
        } else {
            complete = false;
        }
    }
    if (has(description, PWC_PARENT) && !readParent(window, &description->hWndParent)) complete = false;
    return complete ? 1 : 0;
}

HINSTANCE CWin::GetAppInstance() { return m_AppInstance; }

HWND CWin::GetWindowHandle() { return m_WindowHandle; }
