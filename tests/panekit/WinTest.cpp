#include "panekit/Window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/TestWindows.h"

namespace {

using namespace testwindows;

const UINT required = PWC_WNDPROC | PWC_CLASSNAME | PWC_STYLE;
const UINT answerToTheTestMessage = 4242;

LRESULT CALLBACK AnsweringProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) return answerToTheTestMessage;
    return DefWindowProcA(window, message, wParam, lParam);
}

class WinTest : public WindowTest {};

TEST_F(WinTest, InitializeRefusesAShortRecordAndMissingRequiredFields) {
    std::string name = UniqueClassName();
    PANEKITWNDCLASS description = Description(required);
    description.lpszClassName = name.c_str();
    description.dwStyle = WS_OVERLAPPEDWINDOW;
    description.cbSize = 71;
    CWin win(instance);
    EXPECT_EQ(0, win.Initialize(&description));
    EXPECT_EQ(nullptr, win.GetWindowHandle());

    description.cbSize = sizeof description;
    for (UINT missing : {PWC_WNDPROC, PWC_CLASSNAME, PWC_STYLE}) {
        description.fMask = required & ~missing;
        EXPECT_EQ(0, win.Initialize(&description)) << "without mask bit " << missing;
        EXPECT_EQ(nullptr, win.GetWindowHandle());
    }
    EXPECT_FALSE(ClassIsRegistered(instance, name)) << "nothing is registered before the checks pass";
    EXPECT_EQ(0, win.Initialize(nullptr));
}

TEST_F(WinTest, TheRequiredFieldsAloneGiveADefaultWindowOfADefaultClass) {
    std::string name = UniqueClassName();
    // Exactly 72 bytes declared, and nothing but the required fields.
    PANEKITWNDCLASS description = Description(required);
    description.cbSize = 72;
    description.lpszClassName = name.c_str();
    description.dwStyle = WS_OVERLAPPEDWINDOW;
    description.lpszTitle = "not asked for";
    description.x = description.y = description.cx = description.cy = 10;
    description.dwExStyle = WS_EX_TOOLWINDOW;
    CWin win(instance);
    ASSERT_EQ(1, win.Initialize(&description));
    HWND window = Keep(win.GetWindowHandle());
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ("", Title(window));
    EXPECT_EQ(name, win.m_ClassName);
    EXPECT_EQ(static_cast<DWORD>(WS_OVERLAPPEDWINDOW), win.m_Style);
    EXPECT_EQ(0u, win.m_ExStyle);
    EXPECT_EQ(nullptr, GetWindow(window, GW_OWNER));
    EXPECT_EQ(nullptr, GetMenu(window));

    // The platform's default size, as a window made directly with defaults
    // gets it.
    HWND reference = Keep(CreateWindowExA(0, name.c_str(), "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                          nullptr, instance, nullptr));
    RECT made, expected;
    GetWindowRect(window, &made);
    GetWindowRect(reference, &expected);
    EXPECT_EQ(Width(expected), Width(made));
    EXPECT_EQ(Height(expected), Height(made));
    // The platform may cascade default positions; the record's unasked
    // position must play no part.
    EXPECT_FALSE(made.left == 10 && made.top == 10);

    WNDCLASSEXA windowClass;
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExA(instance, name.c_str(), &windowClass));
    EXPECT_EQ(0u, windowClass.style);
    EXPECT_EQ(0, windowClass.cbClsExtra);
    EXPECT_EQ(0, windowClass.cbWndExtra);
    EXPECT_EQ(nullptr, windowClass.lpszMenuName);
    EXPECT_EQ(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)), windowClass.hIcon);
    EXPECT_EQ(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)), windowClass.hCursor);
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), windowClass.hbrBackground);
}

TEST_F(WinTest, InitializeUsesEveryFieldItsMaskNames) {
    CWin owner(instance);
    CreatePopup(owner, 0, 0, 50, 50);
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "Item");
    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_WARNING));
    HICON smallIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ERROR));
    HCURSOR cursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));

    PANEKITWNDCLASS description =
        Description(PWC_TITLE | PWC_FILENAME | PWC_EXSTYLE | PWC_MENU | PWC_ICON | PWC_SMALLICON |
                    PWC_BACKGROUND | PWC_POSITION | PWC_SIZE | PWC_PARENT | PWC_CURSOR);
    description.dwStyle = WS_OVERLAPPEDWINDOW;
    description.lpszTitle = "Pattern";
    description.lpszFilename = "only for Set";
    description.dwExStyle = WS_EX_TOOLWINDOW;
    description.hMenu = menu;
    description.hIcon = icon;
    description.hIconSm = smallIcon;
    description.hbrBackground = brush;
    description.hCursor = cursor;
    description.x = 30;
    description.y = 40;
    description.cx = 320;
    description.cy = 200;
    description.hWndParent = owner.GetWindowHandle();
    CWin win(instance);
    ASSERT_EQ(1, Create(win, description));
    HWND window = win.GetWindowHandle();

    EXPECT_EQ("Pattern", Title(window));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(30, rect.left);
    EXPECT_EQ(40, rect.top);
    EXPECT_EQ(320, Width(rect));
    EXPECT_EQ(200, Height(rect));
    EXPECT_EQ(static_cast<DWORD>(WS_EX_TOOLWINDOW), win.m_ExStyle);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(menu, GetMenu(window));
    EXPECT_EQ(owner.GetWindowHandle(), GetWindow(window, GW_OWNER));

    WNDCLASSEXA windowClass;
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExA(instance, win.m_ClassName, &windowClass));
    EXPECT_EQ(icon, windowClass.hIcon);
    EXPECT_EQ(smallIcon, windowClass.hIconSm);
    EXPECT_EQ(cursor, windowClass.hCursor);
    EXPECT_EQ(brush, windowClass.hbrBackground);
}

TEST_F(WinTest, AClassNameAlreadyRegisteredIsRefusedAndNoWindowIsMade) {
    std::string name = UniqueClassName();
    PANEKITWNDCLASS description = Description(required);
    description.lpszClassName = name.c_str();
    description.dwStyle = WS_POPUP;
    CWin first(instance);
    ASSERT_EQ(1, first.Initialize(&description));
    Keep(first.GetWindowHandle());

    CWin second(instance);
    EXPECT_EQ(0, second.Initialize(&description));
    EXPECT_EQ(nullptr, second.GetWindowHandle());
    EXPECT_EQ(name, second.m_ClassName) << "the name is taken before registering";
    EXPECT_EQ(1, CountWindowsOfClass(name));
}

TEST_F(WinTest, ClassNamesAreCutToTheirBuffer) {
    std::string name = UniqueClassName() + std::string(300, 'n');
    PANEKITWNDCLASS description = Description(required);
    description.lpszClassName = name.c_str();
    description.dwStyle = WS_POPUP;
    CWin win(instance);
    ASSERT_EQ(1, win.Initialize(&description));
    Keep(win.GetWindowHandle());
    EXPECT_EQ(name.substr(0, 255), win.m_ClassName);
    char registered[300];
    GetClassNameA(win.GetWindowHandle(), registered, sizeof registered);
    EXPECT_EQ(name.substr(0, 255), registered);
}

TEST_F(WinTest, SetWithAnEmptyMaskFailsAndChangesNothing) {
    CWin win(instance);
    PANEKITWNDCLASS description = Description(PWC_TITLE);
    description.dwStyle = WS_POPUP;
    description.lpszTitle = "Before";
    ASSERT_EQ(1, Create(win, description));
    PANEKITWNDCLASS change = Description(0);
    change.lpszTitle = "After";
    EXPECT_EQ(0, win.Set(&change));
    EXPECT_EQ("Before", Title(win.GetWindowHandle()));
    change.fMask = PWC_CLASSNAME | PWC_ICON | PWC_PARENT;
    EXPECT_EQ(1, win.Set(&change)) << "bits Set ignores ask for nothing that can fail";
}

TEST_F(WinTest, SetPositionOnlyMovesAndSizeOnlyResizes) {
    CWin win(instance);
    CreatePopup(win, 10, 20, 100, 60);
    HWND window = win.GetWindowHandle();
    PANEKITWNDCLASS change = Description(PWC_POSITION);
    change.x = 70;
    change.y = 80;
    change.cx = 5;
    change.cy = 5;
    EXPECT_EQ(1, win.Set(&change));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(70, rect.left);
    EXPECT_EQ(80, rect.top);
    EXPECT_EQ(100, Width(rect));
    EXPECT_EQ(60, Height(rect));

    change = Description(PWC_SIZE);
    change.x = 1;
    change.y = 1;
    change.cx = 150;
    change.cy = 90;
    EXPECT_EQ(1, win.Set(&change));
    GetWindowRect(window, &rect);
    EXPECT_EQ(70, rect.left);
    EXPECT_EQ(80, rect.top);
    EXPECT_EQ(150, Width(rect));
    EXPECT_EQ(90, Height(rect));

    change = Description(PWC_POSITION | PWC_SIZE);
    change.x = 5;
    change.y = 6;
    change.cx = 40;
    change.cy = 30;
    EXPECT_EQ(1, win.Set(&change));
    GetWindowRect(window, &rect);
    EXPECT_EQ(5, rect.left);
    EXPECT_EQ(6, rect.top);
    EXPECT_EQ(40, Width(rect));
    EXPECT_EQ(30, Height(rect));
}

TEST_F(WinTest, SetStopsAtTheFirstFailedChangeAndKeepsTheEarlierOnes) {
    CWin parent(instance);
    CreatePopup(parent, 0, 0, 200, 200);
    CWin child(instance);
    CreateChildOf(child, parent.GetWindowHandle(), 10, 10, 50, 50);
    HMENU menu = CreateMenu();

    // A child window cannot have a menu: the title before it changes, the
    // position after it does not.
    PANEKITWNDCLASS change = Description(PWC_TITLE | PWC_MENU | PWC_POSITION);
    change.lpszTitle = "Changed";
    change.hMenu = menu;
    change.x = 99;
    change.y = 99;
    EXPECT_EQ(0, child.Set(&change));
    EXPECT_EQ("Changed", Title(child.GetWindowHandle()));
    RECT rect = RectInParent(child.GetWindowHandle());
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(10, rect.top);
    DestroyMenu(menu);
}

TEST_F(WinTest, StylesAreChangedAlsoFromAndToZero) {
    CWin win(instance);
    CreatePopup(win, 0, 0, 40, 40);
    HWND window = win.GetWindowHandle();
    ASSERT_EQ(0, GetWindowLongPtrA(window, GWL_EXSTYLE));

    PANEKITWNDCLASS change = Description(PWC_EXSTYLE);
    change.dwExStyle = WS_EX_TOOLWINDOW;
    EXPECT_EQ(1, win.Set(&change)) << "a previous value of 0 is no failure";
    EXPECT_EQ(static_cast<DWORD>(WS_EX_TOOLWINDOW), win.m_ExStyle);
    EXPECT_EQ(WS_EX_TOOLWINDOW, GetWindowLongPtrA(window, GWL_EXSTYLE));

    change.dwExStyle = 0;
    EXPECT_EQ(1, win.Set(&change));
    EXPECT_EQ(0u, win.m_ExStyle);
    EXPECT_EQ(0, GetWindowLongPtrA(window, GWL_EXSTYLE));

    change = Description(PWC_STYLE);
    change.dwStyle = WS_POPUP | WS_BORDER;
    EXPECT_EQ(1, win.Set(&change));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_BORDER), win.m_Style);
    EXPECT_EQ(WS_POPUP | WS_BORDER, GetWindowLongPtrA(window, GWL_STYLE) & (WS_POPUP | WS_BORDER));
}

TEST_F(WinTest, SetOnAWindowThatIsGoneFails) {
    CWin win(instance);
    CreatePopup(win, 0, 0, 40, 40);
    DestroyWindow(win.GetWindowHandle());
    PANEKITWNDCLASS change = Description(PWC_STYLE);
    change.dwStyle = WS_POPUP | WS_BORDER;
    EXPECT_EQ(0, win.Set(&change));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP), win.m_Style) << "only a change made is remembered";
    change = Description(PWC_WNDPROC);
    change.lpfnWndProc = AnsweringProcedure;
    EXPECT_EQ(0, win.Set(&change));
}

TEST_F(WinTest, SetReplacesTheWindowProcedure) {
    CWin win(instance);
    CreatePopup(win, 0, 0, 40, 40);
    HWND window = win.GetWindowHandle();
    EXPECT_EQ(0, SendMessageA(window, WM_APP, 0, 0));
    PANEKITWNDCLASS change = Description(PWC_WNDPROC);
    change.lpfnWndProc = AnsweringProcedure;
    EXPECT_EQ(1, win.Set(&change));
    EXPECT_EQ(static_cast<LRESULT>(answerToTheTestMessage), SendMessageA(window, WM_APP, 0, 0));
}

TEST_F(WinTest, SetShowsTheTitleWithTheDocumentName) {
    CWin win(instance);
    CreatePopup(win, 0, 0, 40, 40);
    HWND window = win.GetWindowHandle();
    PANEKITWNDCLASS change = Description(PWC_FILENAME);
    change.lpszTitle = "Editor";
    change.lpszFilename = "heart.led";
    EXPECT_EQ(1, win.Set(&change));
    EXPECT_EQ("Editor - [heart.led]", Title(window));

    change.fMask = PWC_TITLE | PWC_FILENAME;
    change.lpszFilename = nullptr;
    EXPECT_EQ(1, win.Set(&change));
    EXPECT_EQ("Editor - []", Title(window)) << "the composed title comes last";

    change.fMask = PWC_TITLE;
    EXPECT_EQ(1, win.Set(&change));
    EXPECT_EQ("Editor", Title(window));
}

TEST_F(WinTest, AComposedTitleStopsAt1023Characters) {
    CWin win(instance);
    CreatePopup(win, 0, 0, 40, 40);
    std::string title(1000, 't');
    std::string name(100, 'n');
    PANEKITWNDCLASS change = Description(PWC_FILENAME);
    change.lpszTitle = title.c_str();
    change.lpszFilename = name.c_str();
    EXPECT_EQ(1, win.Set(&change));
    EXPECT_EQ(title + " - [" + name.substr(0, 19), Title(win.GetWindowHandle()));

    // A title that fills the buffer by itself gets nothing of the rest.
    std::string longTitle(1100, 'L');
    change.lpszTitle = longTitle.c_str();
    EXPECT_EQ(1, win.Set(&change));
    EXPECT_EQ(longTitle.substr(0, 1023), Title(win.GetWindowHandle()));
}

TEST_F(WinTest, GetReadsTheWindowAsItIsNow) {
    CWin parent(instance);
    CreatePopup(parent, 200, 150, 300, 200);
    CWin child(instance);
    CreateChildOf(child, parent.GetWindowHandle(), 10, 20, 60, 40);
    SetWindowPos(child.GetWindowHandle(), nullptr, 15, 25, 70, 45, SWP_NOZORDER);
    SetWindowTextA(child.GetWindowHandle(), "Now");
    SetWindowLongPtrA(child.GetWindowHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsweringProcedure));

    PANEKITWNDCLASS read = Description(PWC_TITLE | PWC_STYLE | PWC_EXSTYLE | PWC_POSITION | PWC_SIZE |
                                       PWC_PARENT | PWC_WNDPROC | PWC_MENU | PWC_CLASSNAME);
    read.lpfnWndProc = nullptr;
    read.lpszClassName = "untouched";
    read.hMenu = reinterpret_cast<HMENU>(7);
    EXPECT_EQ(1, child.Get(&read));
    EXPECT_STREQ("Now", read.lpszTitle);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(child.GetWindowHandle(), GWL_STYLE)), read.dwStyle);
    EXPECT_TRUE(read.dwStyle & WS_CHILD);
    EXPECT_EQ(0u, read.dwExStyle);
    EXPECT_EQ(15, read.x) << "a child's position is in its parent's client area";
    EXPECT_EQ(25, read.y);
    EXPECT_EQ(70, read.cx);
    EXPECT_EQ(45, read.cy);
    EXPECT_EQ(parent.GetWindowHandle(), read.hWndParent);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(AnsweringProcedure), read.lpfnWndProc);
    EXPECT_STREQ("untouched", read.lpszClassName) << "fields Get does not read stay";
    EXPECT_EQ(reinterpret_cast<HMENU>(7), read.hMenu);

    read = Description(PWC_POSITION | PWC_PARENT);
    read.hWndParent = reinterpret_cast<HWND>(7);
    EXPECT_EQ(1, parent.Get(&read));
    EXPECT_EQ(200, read.x) << "a top-level window's position is on the screen";
    EXPECT_EQ(150, read.y);
    EXPECT_EQ(nullptr, read.hWndParent) << "no owner";
}

TEST_F(WinTest, WhatGetReadsSetPutsBack) {
    CWin owner(instance);
    CreatePopup(owner, 0, 0, 30, 30);
    CWin win(instance);
    PANEKITWNDCLASS description = Description(PWC_TITLE | PWC_POSITION | PWC_SIZE | PWC_PARENT);
    description.dwStyle = WS_POPUP | WS_BORDER;
    description.lpszTitle = "Kept";
    description.x = 40;
    description.y = 50;
    description.cx = 160;
    description.cy = 120;
    description.hWndParent = owner.GetWindowHandle();
    ASSERT_EQ(1, Create(win, description));

    PANEKITWNDCLASS read = Description(PWC_TITLE | PWC_STYLE | PWC_POSITION | PWC_SIZE | PWC_PARENT);
    ASSERT_EQ(1, win.Get(&read));
    EXPECT_EQ(owner.GetWindowHandle(), read.hWndParent) << "a top-level window's owner";
    std::string title = read.lpszTitle;

    PANEKITWNDCLASS scramble = Description(PWC_TITLE | PWC_POSITION | PWC_SIZE);
    scramble.lpszTitle = "Changed";
    scramble.x = scramble.y = 0;
    scramble.cx = scramble.cy = 10;
    ASSERT_EQ(1, win.Set(&scramble));
    EXPECT_EQ(1, win.Set(&read));
    EXPECT_EQ("Kept", Title(win.GetWindowHandle()));
    EXPECT_EQ("Kept", title);
    RECT rect;
    GetWindowRect(win.GetWindowHandle(), &rect);
    EXPECT_EQ(40, rect.left);
    EXPECT_EQ(50, rect.top);
    EXPECT_EQ(160, Width(rect));
    EXPECT_EQ(120, Height(rect));
}

TEST_F(WinTest, GetWithoutAWindowFails) {
    CWin win(instance);
    PANEKITWNDCLASS read = Description(PWC_TITLE);
    EXPECT_EQ(0, win.Get(&read));
    CreatePopup(win, 0, 0, 30, 30);
    DestroyWindow(win.GetWindowHandle());
    EXPECT_EQ(0, win.Get(&read));
}

TEST_F(WinTest, AnAssignedCopyRefersToTheSameWindow) {
    CWin win(instance);
    CreatePopup(win, 0, 0, 30, 30);
    CWin copy(nullptr);
    copy = win;
    EXPECT_EQ(win.GetWindowHandle(), copy.GetWindowHandle());
    EXPECT_EQ(instance, copy.GetAppInstance());
    EXPECT_STREQ(win.m_ClassName, copy.m_ClassName);
    EXPECT_EQ(win.m_Style, copy.m_Style);
    PANEKITWNDCLASS change = Description(PWC_TITLE);
    change.lpszTitle = "Through the copy";
    EXPECT_EQ(1, copy.Set(&change));
    EXPECT_EQ("Through the copy", Title(win.GetWindowHandle()));
}

}  // namespace
