#include "editor/app/Application.h"

#include <commctrl.h>

#include <cwchar>

#include "editor/app/EditorState.h"
#include "editor/app/MainWindow.h"
#include "editor/grid/GridWindow.h"
#include "editor/grid/Playback.h"
#include "editor/views/SliderWindow.h"
#include "editor/views/StatusBar.h"
#include "editor/views/ViewLayout.h"
#include "resources/resource.h"

namespace {

const wchar_t MainClassName[] = L"LUMIGRID";
const wchar_t GridClassName[] = L"LUMIGRIDEDIT";
const int GridWindowId = 1;
const wchar_t StartTitle[] = L"Lumigrid Ver " LUMIGRID_VERSION;
const wchar_t TitleFormat[] = L"Lumigrid ver " LUMIGRID_VERSION L"  [ %4d / %4d ]";

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

// The trackbar keeps its template's place at start-up and otherwise spans
// the slider's width, so that each of many pages has room on it.
void PlaceTrackbar() {
    HWND trackbar = GetDlgItem(editor.sliderWindow, IDC_FRAME_SLIDER);
    RECT box = editor.trackbarBox;
    if (!editor.startUpLayout) {
        RECT slider;
        GetClientRect(editor.sliderWindow, &slider);
        box.right = slider.right - box.left > box.left ? slider.right - box.left : box.left + 1;
    }
    RECT now;
    GetWindowRect(trackbar, &now);
    MapWindowPoints(nullptr, editor.sliderWindow, reinterpret_cast<POINT*>(&now), 2);
    if (now.left != box.left || now.top != box.top || now.right != box.right || now.bottom != box.bottom)
        MoveWindow(trackbar, box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
}

void KeepStartUpPlaces() {
    RECT client;
    GetClientRect(editor.mainWindow, &client);
    editor.firstClientSize = {client.right, client.bottom};
    GetWindowRect(GetDlgItem(editor.sliderWindow, IDC_FRAME_SLIDER), &editor.trackbarBox);
    MapWindowPoints(nullptr, editor.sliderWindow, reinterpret_cast<POINT*>(&editor.trackbarBox), 2);
}

void CreateSurface() {
    HDC windowDc = GetDC(editor.sliderWindow);
    editor.surface = CreateCompatibleDC(windowDc);
    editor.surfaceBitmap = CreateCompatibleBitmap(windowDc, SurfaceWidth, SurfaceHeight);
    editor.keptSurfaceBitmap = static_cast<HBITMAP>(SelectObject(editor.surface, editor.surfaceBitmap));
    ReleaseDC(editor.sliderWindow, windowDc);
}

}  // namespace

bool StartUp(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW mainClass = MainClass(instance);
    if (!RegisterClassExW(&mainClass)) return false;
    editor.menu = LoadMenuW(instance, L"mainmenu");
    editor.accelerators = LoadAcceleratorsW(instance, L"MAINACCEL");
    editor.mainWindow = CreateWindowExW(0, MainClassName, StartTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                        editor.menu, instance, nullptr);
    if (!editor.mainWindow) return false;
    WNDCLASSEXW gridClass = GridClass(instance);
    if (!RegisterClassExW(&gridClass)) return false;
    editor.gridWindow = CreateWindowExW(WS_EX_CLIENTEDGE, GridClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                                        editor.mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(GridWindowId)),
                                        instance, nullptr);
    if (!editor.gridWindow) return false;
    editor.sliderWindow = CreateDialogParamW(instance, L"SliderWindow", editor.mainWindow, SliderDialogProcedure,
                                             reinterpret_cast<LPARAM>(&editor));
    CreateStatusBar(instance);
    KeepStartUpPlaces();
    CreateSurface();

    editor.pattern.reset(new LedPattern);
    editor.pattern->Create(16, 16);
    editor.pattern->SetFrameCount(2);
    editor.pattern->modified = false;
    editor.views[0] = PlaneView(editor.pattern.get(), 10, 10, 330, 330, 0);
    editor.views[1] = PlaneView(editor.pattern.get(), 330, 10, 650, 330, 1);

    editor.editMode = EditXor;
    editor.planeCount = 2;
    editor.frameCount = 2;
    editor.targetPlane = 0;
    editor.firstFrame = 0;
    editor.transparent = 1;
    editor.clipboard.reset();
    editor.displayList.Release();
    editor.penDown = 0;
    editor.lastCell = NoCell;
    editor.history.Clear();
    editor.playback.playing = false;
    editor.tools = DrawingTools();
    editor.zoom.cell = 0;
    editor.zoom.scrollX = 0;
    editor.zoom.scrollY = 0;
    editor.statusBarChoice = StatusBarChoice::FollowLayout;

    editor.MarkMenuRadio(IDM_EDIT_XOR_MODE, IDM_EDIT_ERASE_MODE, IDM_EDIT_XOR_MODE);
    editor.MarkMenuRadio(IDM_VIEW_ONE_PLANE, IDM_VIEW_TWO_PLANES, IDM_VIEW_TWO_PLANES);
    CheckMenuItem(editor.menu, IDM_VIEW_TRANSPARENT, MF_BYCOMMAND | MF_CHECKED);
    editor.MarkMenuRadio(IDM_TOOLS_PENCIL, IDM_TOOLS_SELECT, IDM_TOOLS_PENCIL);
    UpdateLayout();
    UpdateSlider();
    return true;
}

void TearDown() {
    editor.tools = DrawingTools();
    editor.history.Clear();
    editor.playback.playing = false;
    if (editor.accelerators) DestroyAcceleratorTable(editor.accelerators);
    editor.accelerators = nullptr;
    editor.displayList.Release();
    editor.clipboard.reset();
    for (PlaneView& view : editor.views) view = PlaneView();
    editor.pattern.reset();
    if (editor.surface) {
        SelectObject(editor.surface, editor.keptSurfaceBitmap);
        DeleteObject(editor.surfaceBitmap);
        DeleteDC(editor.surface);
    }
    editor.surface = nullptr;
    editor.surfaceBitmap = nullptr;
    editor.keptSurfaceBitmap = nullptr;
    editor.surfaceWidth = SurfaceWidth;
    editor.surfaceHeight = SurfaceHeight;
    editor.gridWindow = nullptr;
    editor.sliderWindow = nullptr;
    editor.statusBar = nullptr;
    editor.startUpLayout = true;
    // The classes go with the session, so that a new one can register them.
    HINSTANCE instance = GetModuleHandleW(nullptr);
    UnregisterClassW(GridClassName, instance);
    UnregisterClassW(MainClassName, instance);
}

bool HandleBeforeDispatch(MSG& message) {
    if (StopPlaybackOnInput(message)) return true;
    // The slider dialog still gets no dialog-message filtering.
    return editor.accelerators && TranslateAcceleratorW(editor.mainWindow, editor.accelerators, &message);
}

void UpdateLayout() {
    // Until start-up has made them all, there is nothing to place.
    if (!editor.gridWindow || !editor.sliderWindow || !editor.surface) return;
    editor.startUpLayout = IsStartUpLayout();
    RECT client;
    RECT slider;
    GetClientRect(editor.mainWindow, &client);
    client.bottom -= PlaceStatusBar(client);
    GetWindowRect(editor.sliderWindow, &slider);
    int sliderHeight = slider.bottom - slider.top;
    MoveWindow(editor.sliderWindow, 0, client.bottom - sliderHeight, client.right, sliderHeight, TRUE);
    PlaceTrackbar();
    // A maximise left the slider blank until it was clicked: its children
    // are painted anew with it.
    RedrawWindow(editor.sliderWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    MoveWindow(editor.gridWindow, 0, 0, client.right, client.bottom - sliderHeight, TRUE);
    LayOutViews();
}

void UpdateTitle() {
    wchar_t title[64];
    std::swprintf(title, 64, TitleFormat, editor.firstFrame, editor.frameCount);
    SetWindowTextW(editor.mainWindow, title);
}
