// The editor's entry: start-up, the message loop, tear-down.
#include <windows.h>

#include "editor/app/Application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (!StartUp(instance)) return 0;
    OfferRecovery();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (HandleBeforeDispatch(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    TearDown();
    return static_cast<int>(message.wParam);
}
