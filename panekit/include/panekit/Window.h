// Window classes (Windows only): CWin registers a window class and creates one
// window from a tag_PANEKITWNDCLASS description; CMain is a main window with a
// base title, the current document shown in its title bar as
// title " - [" document "]", and layout rules for its child windows; CChild is
// a window placed and sized relative to its parent's client area.
//
// The classes add no message handling: the caller supplies the window
// procedure. They never destroy a window or unregister a class. Texts are
// narrow strings in the system code page. Their interface is made of the
// system's own window types, so this header, unlike the streams', brings in
// <windows.h>; only Win32 code includes it.
#ifndef PANEKIT_WINDOW_H
#define PANEKIT_WINDOW_H

#include "panekit/Platform.h"

#ifdef _WIN32
#include <windows.h>

// Which fields of a tag_PANEKITWNDCLASS are valid.
#define PWC_WNDPROC 0x0001
#define PWC_CLASSNAME 0x0002
#define PWC_TITLE 0x0004
#define PWC_FILENAME 0x0008
#define PWC_STYLE 0x0010
#define PWC_EXSTYLE 0x0020
#define PWC_MENU 0x0040
#define PWC_ICON 0x0080
#define PWC_SMALLICON 0x0100
#define PWC_BACKGROUND 0x0200
#define PWC_POSITION 0x0400
#define PWC_SIZE 0x0800
#define PWC_PARENT 0x1000
#define PWC_CURSOR 0x2000

// The smallest cbSize that Initialize accepts: the size of the record in the
// 32-bit build. A 64-bit record is larger (its pointers and handles are), and
// callers set cbSize to sizeof(tag_PANEKITWNDCLASS).
#define PANEKITWNDCLASS_MINIMUM_SIZE 72

// A window description, for creation (Initialize), changes (Set) and reading
// back (Get). The caller fills it; the library reads it and keeps nothing.
typedef struct tag_PANEKITWNDCLASS {
    UINT cbSize;
    UINT fMask;
    WNDPROC lpfnWndProc;
    const char* lpszClassName;
    const char* lpszTitle;
    const char* lpszFilename;
    DWORD dwStyle;
    DWORD dwExStyle;
    HMENU hMenu;
    HICON hIcon;
    HICON hIconSm;
    HBRUSH hbrBackground;
    int x;
    int y;
    int cx;
    int cy;
    HWND hWndParent;
    HCURSOR hCursor;
} PANEKITWNDCLASS;

class CChild;

// One layout rule of a CMain: CMain::Size applies, in this order,
// Move(x, y), Move(fx, fy), Resize(cx, cy) and Resize(fcx, fcy) to pChild.
typedef struct tag_CHILDWINDOWNODE {
    int x;
    int y;
    int cx;
    int cy;
    float fx;
    float fy;
    float fcx;
    float fcy;
    CChild* pChild;
    tag_CHILDWINDOWNODE* pNext;
} CHILDWINDOWNODE;

class PANEKIT_API CWin {
public:
    enum { ClassNameCapacity = 256, ComposedTitleCapacity = 1024 };

    HINSTANCE m_AppInstance;
    HWND m_WindowHandle;
    char m_ClassName[ClassNameCapacity];
    DWORD m_Style;
    DWORD m_ExStyle;

    explicit CWin(HINSTANCE instance);
    // Copies every member: both objects then refer to the same window.
    CWin(const CWin& other);
    CWin& operator=(const CWin& other);
    // Leaves the window alone.
    ~CWin();

    // Registers the class lpszClassName and creates the window. Needs cbSize
    // of at least PANEKITWNDCLASS_MINIMUM_SIZE and PWC_WNDPROC, PWC_CLASSNAME
    // and PWC_STYLE. 1 when the window was created, else 0.
    int Initialize(PANEKITWNDCLASS* description);
    // Changes, in this order, window procedure, title, title with document
    // name, style, extended style, menu, position and size, as the mask asks;
    // stops with 0 at the first change that fails, keeping the earlier ones.
    int Set(PANEKITWNDCLASS* description);
    // Reads the window as it is now into the fields the mask asks for: title,
    // style, extended style, position, size, parent and window procedure.
    // Other fields are left as they are. The title is this object's own copy,
    // valid until its next Get. Position is in the coordinates Set takes (the
    // parent's client area for a child window, the screen otherwise); the
    // parent of a top-level window is its owner. 1 when everything asked
    // could be read; 0 without a window or when a read failed.
    int Get(PANEKITWNDCLASS* description);
    HINSTANCE GetAppInstance();
    HWND GetWindowHandle();

private:
    char m_ReadTitle[ComposedTitleCapacity];
};

class PANEKIT_API CMain : public CWin {
public:
    enum { TitleCapacity = 256 };

    char m_Title[TitleCapacity];
    CHILDWINDOWNODE* m_ChildNodes;

    explicit CMain(HINSTANCE instance);
    // Copies make their own copy of the rule list, so each frees only its own.
    // Should memory run out while copying, the copy holds no rules.
    CMain(const CMain& other);
    CMain& operator=(const CMain& other);
    // Frees the rules; the child windows and their objects stay.
    ~CMain();

    // Needs PWC_TITLE besides what CWin needs; the title becomes the base
    // title that ChangeFilename shows.
    int Initialize(PANEKITWNDCLASS* description);
    // With PWC_FILENAME but no PWC_TITLE, adds PWC_TITLE to the caller's mask
    // and points lpszTitle at the base title. A title given here is shown but
    // not remembered.
    int Set(PANEKITWNDCLASS* description);
    // Appends a copy of the rule (its pNext is ignored). The number of rules
    // now held, or 0 when no memory was left.
    int AddChild(CHILDWINDOWNODE* node);
    void DeleteNodes();
    // Applies every rule, in the order they were added.
    void Size();
    // Shows the base title, " - [", the name and "]".
    int ChangeFilename(const char* name);

private:
    void CopyNodesFrom(const CMain& other);
};

class PANEKIT_API CChild : public CWin {
public:
    HWND m_Parent;

    explicit CChild(HINSTANCE instance);
    CChild(const CChild& other);
    CChild& operator=(const CChild& other);
    ~CChild();

    // Needs PWC_PARENT besides what CWin needs.
    int Initialize(PANEKITWNDCLASS* description);
    // With PWC_PARENT, moves the window to the new parent first.
    int Set(PANEKITWNDCLASS* description);

    // Placement, measured against m_Parent's client area (width W, height H);
    // nothing happens when m_Parent is null or not a window.
    // Left x when x >= 0, W + x when x < 0, and -1 keeps the current left
    // edge; the top likewise from y and H.
    void Move(int x, int y);
    // Left at W * x, top at H * y; a fraction of 0 keeps the current edge.
    void Move(float x, float y);
    // Width cx when cx > 0, W + cx when cx < 0, the current width when 0;
    // the height likewise from cy and H.
    void Resize(int cx, int cy);
    // Width W * cx, height H * cy; a fraction of 0 keeps the current extent.
    void Resize(float cx, float cy);
    // Products of fractions are truncated towards zero; a size that comes out
    // below 0 is 0, and a fraction that is not a finite number is taken as 0.
};

#endif

#endif
