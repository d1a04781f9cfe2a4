#include "editor/app/Application.h"

#include <commctrl.h>

#include "editor/app/DialogPlacement.h"
#include "editor/app/EditorState.h"
#include "editor/app/MainWindow.h"
#include "editor/app/Refresh.h"
#include "editor/document/RecoveryKeeping.h"
#include "editor/document/RecoveryOffer.h"
#include "editor/grid/GridWindow.h"
#include "editor/grid/Playback.h"
#include "editor/grid/SliderWindow.h"
#include "editor/views/GridView.h"
#include "editor/views/MainLayout.h"
#include "editor/views/MenuMarks.h"
#include "editor/views/StatusBar.h"
#include "resources/resource.h"

namespace {

const wchar_t MainClassName[] = L"LUMIGRID";
const wchar_t GridClassName[] = L"LUMIGRIDEDIT";
const int GridWindowId = 1;
const wchar_t StartTitle[] = L"Lumigrid Ver " LUMIGRID_VERSION;

WNDCLASSEXW MainClass(HINSTANCE instance) {
    WNDCLASSEXW mainClass = {};
    mainClass.cbSize = sizeof mainClass;
    mainClass.lpfnWndProc = MainWindowProcedure;
    mainClass.hInstance = instance;
    // The program's own icon, in the sizes the system asks for; the system's
    // application icon where the module has none.
    mainClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_LUMIGRID));
    if (!mainClass.hIcon) mainClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    mainClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_LUMIGRID), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                      LR_SHARED));
    mainClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    mainClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    mainClass.lpszClassName = MainClassName;
    return mainClass;
}

// The grid's class is the main one's description with its own procedure,
// no icons and a white background.
WNDCLASSEXW GridClass(HINSTANCE instance) {
    WNDCLASSEXW gridClass = MainClass(instance);
    gridClass.lpfnWndProc = GridWindowProcedure;
    gridClass.hIcon = nullptr;
    gridClass.hIconSm = nullptr;
    gridClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    gridClass.lpszClassName = GridClassName;
    return gridClass;
}

// The main window with its menu and shortcuts, the grid window and the slider.
bool CreateWindows(EditorState& state, HINSTANCE instance) {
    EditorWindows& windows = state.windows;
    WNDCLASSEXW mainClass = MainClass(instance);
    if (!RegisterClassExW(&mainClass)) return false;
    windows.menu = LoadMenuW(instance, L"mainmenu");
    windows.accelerators = LoadAcceleratorsW(instance, L"MAINACCEL");
    windows.mainWindow = CreateWindowExW(0, MainClassName, StartTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                         windows.menu, instance, nullptr);
    if (!windows.mainWindow) return false;
    WNDCLASSEXW gridClass = GridClass(instance);
    if (!RegisterClassExW(&gridClass)) return false;
    windows.gridWindow = CreateWindowExW(WS_EX_CLIENTEDGE, GridClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100,
                                         100, windows.mainWindow,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(GridWindowId)), instance,
                                         nullptr);
    if (!windows.gridWindow) return false;
    windows.sliderWindow = CreateDialogParamW(instance, L"SliderWindow", windows.mainWindow, SliderDialogProcedure,
                                              reinterpret_cast<LPARAM>(&state));
    return true;
}

// The 16 x 16 pattern of two frames, unmodified, in the views' start-up boxes.
void CreatePattern(EditorState& state) {
    state.pattern.reset(new LedPattern);
    state.pattern->Create(16, 16);
    state.pattern->SetFrameCount(2);
    state.pattern->modified = false;
    for (int i = 0; i < 2; ++i) {
        const RECT& box = ViewBoxes[i];
        state.views[i] = PlaneView(state.pattern.get(), box.left, box.top, box.right, box.bottom, i);
    }
}

}  // namespace

bool StartUp(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    EditorState& state = editor;
    if (!CreateWindows(state, instance)) return false;
    CreateStatusBar(state.windows, instance);
    KeepStartUpPlaces(state);
    CreateSurface(state, state.windows.sliderWindow);
    CreatePattern(state);
    const HMENU menu = state.windows.menu;
    MarkMenuRadio(menu, IDM_EDIT_XOR_MODE, IDM_EDIT_ERASE_MODE, IDM_EDIT_XOR_MODE);
    MarkMenuRadio(menu, IDM_VIEW_ONE_PLANE, IDM_VIEW_TWO_PLANES, IDM_VIEW_TWO_PLANES);
    CheckMenuCommand(menu, IDM_VIEW_TRANSPARENT, true);
    MarkMenuRadio(menu, IDM_TOOLS_PENCIL, IDM_TOOLS_SELECT, IDM_TOOLS_PENCIL);
    Refresh(state, RefreshPart::Layout | RefreshPart::Slider);
    StartKeepingWork(state);
    StartCentringDialogs();
    return true;
}

void OfferRecovery() { OfferRecoveredWork(editor); }

void TearDown() {
    EditorState& state = editor;
    // A clean exit: the copy of unsaved work is not needed any more.
    RemoveRecoveryFile(state);
    StopCentringDialogs();
    if (state.windows.accelerators) DestroyAcceleratorTable(state.windows.accelerators);
    ResetEditorState(state);
    // The classes go with the session, so that a new one can register them.
    HINSTANCE instance = GetModuleHandleW(nullptr);
    UnregisterClassW(GridClassName, instance);
    UnregisterClassW(MainClassName, instance);
}

bool HandleBeforeDispatch(MSG& message) {
    EditorState& state = editor;
    if (StopPlaybackOnInput(state, message)) return true;
    // The slider dialog still gets no dialog-message filtering.
    return state.windows.accelerators &&
           TranslateAcceleratorW(state.windows.mainWindow, state.windows.accelerators, &message);
}
