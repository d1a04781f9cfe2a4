#include "editor/app/DialogPlacement.h"

#include <set>
#include <string>

namespace {

HHOOK hook = nullptr;
// The dialogs already placed: a later activation leaves them where the user put them.
std::set<HWND> placed;

bool IsDialog(HWND window) {
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    return std::wstring(className) == L"#32770";
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && IsDialog(window) && placed.insert(window).second) {
        HWND owner = GetWindow(window, GW_OWNER);
        // Child dialogs (the slider) and dialogs of no window stay put.
        if (owner && !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) CentreOver(window, owner);
    } else if (code == HCBT_DESTROYWND) {
        placed.erase(window);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

void StartCentringDialogs() {
    if (!hook) hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

void StopCentringDialogs() {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
    placed.clear();
}

void CentreOver(HWND window, HWND owner) {
    RECT box, over;
    GetWindowRect(window, &box);
    GetWindowRect(owner, &over);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = box.right - box.left, height = box.bottom - box.top;
    int x = over.left + (over.right - over.left - width) / 2;
    int y = over.top + (over.bottom - over.top - height) / 2;
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
