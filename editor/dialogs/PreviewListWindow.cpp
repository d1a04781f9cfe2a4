#include "editor/dialogs/PreviewListWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "editor/app/WideText.h"
#include "editor/commands/HexExportReport.h"
#include "editor/views/PictureView.h"
#include "pattern/win32/DialogRecord.h"
#include "picture/PreviewAnimation.h"
#include "resources/resource.h"

namespace {

const char GifFilter[] = "GIF Picture (*.gif)\0*.gif\0All Files (*.*)\0*.*\0";
const char GifExtension[] = "gif";

bool CanPlay(const PreviewListData& data) { return data.load.loaded && data.load.playback.ticks > 0; }

const ShownPicture* ShownAt(const PreviewListData& data) {
    if (!CanPlay(data)) return nullptr;
    const auto after = std::upper_bound(data.startTicks.begin(), data.startTicks.end(), data.tick);
    return &data.load.playback.shown[static_cast<std::size_t>(after - data.startTicks.begin()) - 1];
}

void ShowTick(HWND dialog, PreviewListData& data) {
    wchar_t text[64] = L"";
    if (CanPlay(data))
        std::swprintf(text, 64, L"%llu / %llu", static_cast<unsigned long long>(data.tick + 1),
                      static_cast<unsigned long long>(data.load.playback.ticks));
    SetDlgItemTextW(dialog, IDC_PREVIEW_TIME, text);
    SendDlgItemMessageW(dialog, IDC_PREVIEW_POSITION, TBM_SETPOS, TRUE, static_cast<LPARAM>(data.tick));
    InvalidateRect(GetDlgItem(dialog, IDC_PREVIEW_PICTURE), nullptr, FALSE);
}

void SetPlaying(HWND dialog, PreviewListData& data, bool playing) {
    data.playing = playing && CanPlay(data);
    KillTimer(dialog, PreviewTickTimer);
    if (data.playing) SetTimer(dialog, PreviewTickTimer, data.tickMilliseconds, nullptr);
    SetDlgItemTextW(dialog, IDC_PREVIEW_PLAY, data.playing ? L"一時停止(&P)" : L"再生(&P)");
}

// What was left out of the list, or why nothing plays.
void ShowSkipped(HWND dialog, const PreviewListData& data) {
    std::wstring text;
    if (!data.load.loaded) {
        text = L"ﾌﾟﾚﾋﾞｭｰできません: " + Widened(data.load.problem);
    } else {
        for (const SkippedEntry& entry : data.load.skipped) {
            const EntryOmission omission = {entry.index, entry.text, entry.what, entry.plan};
            text += std::to_wstring(entry.index + 1) + L" 行目 " + Widened(entry.text) + L": " +
                    OmissionReasonText(omission, entry.signSize) + L"\r\n";
        }
        if (text.empty()) text = L"(なし)";
        if (data.load.playback.ticks == 0) text = L"表示するものがありません\r\n" + text;
    }
    SetDlgItemTextW(dialog, IDC_PREVIEW_SKIPPED, text.c_str());
}

// The sign takes the room the window gains; the controls keep to its foot.
void KeepLayout(HWND dialog, ResizableLayout& layout) {
    layout.KeepFirstSize(dialog);
    layout.Keep(dialog, IDC_PREVIEW_PICTURE, AnchorAll);
    for (int id : {IDC_PREVIEW_PLAY, IDC_PREVIEW_TICK_LABEL, IDC_PREVIEW_TICK, IDC_PREVIEW_TICK_SPIN,
                   IDC_PREVIEW_TICK_UNIT, IDC_PREVIEW_TICK_NOTE, IDC_PREVIEW_SKIPPED_LABEL})
        layout.Keep(dialog, id, AnchorBottomLeft);
    layout.Keep(dialog, IDC_PREVIEW_POSITION, AnchorLeft | AnchorRight | AnchorBottom);
    layout.Keep(dialog, IDC_PREVIEW_SKIPPED, AnchorLeft | AnchorRight | AnchorBottom);
    for (int id : {IDC_PREVIEW_TIME, IDC_PREVIEW_SAVE_GIF, IDCANCEL}) layout.Keep(dialog, id, AnchorBottomRight);
}

void OnInitDialog(HWND dialog, PreviewListData& data) {
    std::uint64_t start = 0;
    for (const ShownPicture& shown : data.load.playback.shown) {
        data.startTicks.push_back(start);
        start += shown.ticks;
    }
    const std::uint64_t last = CanPlay(data) ? data.load.playback.ticks - 1 : 0;
    SendDlgItemMessageW(dialog, IDC_PREVIEW_POSITION, TBM_SETRANGEMIN, FALSE, 0);
    SendDlgItemMessageW(dialog, IDC_PREVIEW_POSITION, TBM_SETRANGEMAX, TRUE,
                        static_cast<LPARAM>(std::min<std::uint64_t>(last, 0x7FFFFFFF)));
    SendDlgItemMessageW(dialog, IDC_PREVIEW_TICK_SPIN, UDM_SETRANGE32, MinPreviewTick, MaxPreviewTick);
    SendDlgItemMessageW(dialog, IDC_PREVIEW_TICK_SPIN, UDM_SETPOS32, 0, static_cast<LPARAM>(data.tickMilliseconds));
    for (int id : {IDC_PREVIEW_PLAY, IDC_PREVIEW_POSITION, IDC_PREVIEW_SAVE_GIF})
        EnableWindow(GetDlgItem(dialog, id), CanPlay(data));
    ShowSkipped(dialog, data);
    ShowTick(dialog, data);
    SetPlaying(dialog, data, true);
    KeepLayout(dialog, data.layout);
}

void OnTimer(HWND dialog, PreviewListData& data) {
    if (!data.playing) return;
    // At the end the program starts again.
    data.tick = (data.tick + 1) % data.load.playback.ticks;
    ShowTick(dialog, data);
}

// A length outside the range is not taken: the note says the range, and
// the last length taken goes on.
void OnTickLengthChanged(HWND dialog, PreviewListData& data) {
    BOOL valid = FALSE;
    const UINT value = GetDlgItemInt(dialog, IDC_PREVIEW_TICK, &valid, FALSE);
    const bool inRange = valid && value >= MinPreviewTick && value <= MaxPreviewTick;
    wchar_t note[64] = L"";
    if (!inRange) std::swprintf(note, 64, L"%u ～ %u ms", MinPreviewTick, MaxPreviewTick);
    SetDlgItemTextW(dialog, IDC_PREVIEW_TICK_NOTE, note);
    if (!inRange || value == data.tickMilliseconds) return;
    data.tickMilliseconds = value;
    SetPlaying(dialog, data, data.playing);
}

// Leaving the box puts the length in use back in it.
void OnTickLengthLeft(HWND dialog, const PreviewListData& data) {
    BOOL valid = FALSE;
    if (GetDlgItemInt(dialog, IDC_PREVIEW_TICK, &valid, FALSE) == data.tickMilliseconds && valid) return;
    SetDlgItemInt(dialog, IDC_PREVIEW_TICK, data.tickMilliseconds, FALSE);
}

void OnSaveGif(HWND dialog, const PreviewListData& data) {
    CFile chooser(GifFilter);
    chooser.SetDefExt(GifExtension);
    char chosen[CFile::FilenameCapacity] = "";
    if (!chooser.ShowDialog(dialog, chosen, 0)) return;
    PreviewOptions options;
    options.tickMilliseconds = data.tickMilliseconds;
    options.scale = PreviewGifScale;
    options.planes = data.planes;
    const PreviewGifResult result = WritePreviewGif(data.load.playback, options, chosen);
    if (result.status == PreviewGifStatus::Written) return;
    std::wstring text = result.status == PreviewGifStatus::TooLarge ? L"画像が大きすぎます。"
                                                                     : L"ファイルに書き込めませんでした: " + Widened(result.problem);
    text += L"\nGIF ファイルは作成されませんでした。";
    MessageBoxW(dialog, text.c_str(), L"エラー", MB_OK | MB_ICONERROR);
}

void OnCommand(HWND dialog, PreviewListData& data, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDCANCEL:
    case IDOK:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_PREVIEW_PLAY:
        SetPlaying(dialog, data, !data.playing);
        break;
    case IDC_PREVIEW_SAVE_GIF:
        OnSaveGif(dialog, data);
        break;
    case IDC_PREVIEW_TICK:
        if (HIWORD(wParam) == EN_CHANGE) OnTickLengthChanged(dialog, data);
        else if (HIWORD(wParam) == EN_KILLFOCUS) OnTickLengthLeft(dialog, data);
        break;
    }
}

void DrawPicture(const DRAWITEMSTRUCT& item, const PreviewListData& data) {
    RgbPicture picture;
    if (const ShownPicture* shown = ShownAt(data)) {
        const ProgramListing& listing = data.load.playback.listing;
        LedPattern shape;
        shape.Create(listing.columns, listing.rows);
        const int width = item.rcItem.right - item.rcItem.left, height = item.rcItem.bottom - item.rcItem.top;
        const unsigned scale = FittingScale(shape, data.planes, width, height, RenderStyle::Sign);
        RenderShown(data.load.playback, *shown, scale, data.planes, RenderStyle::Sign, &picture);
    }
    DrawRgbPicture(item.hDC, item.rcItem, picture, RenderStyle::Sign);
}

void OnPositionMoved(HWND dialog, PreviewListData& data) {
    if (!CanPlay(data)) return;
    data.tick = static_cast<std::uint64_t>(SendDlgItemMessageW(dialog, IDC_PREVIEW_POSITION, TBM_GETPOS, 0, 0));
    ShowTick(dialog, data);
}

INT_PTR CALLBACK PreviewListProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    PreviewListData* data = DialogRecord<PreviewListData>(dialog);
    switch (message) {
    case WM_INITDIALOG:
        KeepDialogRecord(dialog, lParam);
        OnInitDialog(dialog, *reinterpret_cast<PreviewListData*>(lParam));
        return TRUE;
    case WM_TIMER:
        if (data && wParam == PreviewTickTimer) OnTimer(dialog, *data);
        return TRUE;
    case WM_HSCROLL:
        if (data) OnPositionMoved(dialog, *data);
        return TRUE;
    case WM_SIZE:
        if (data && wParam != SIZE_MINIMIZED) data->layout.Apply(dialog);
        return TRUE;
    case WM_GETMINMAXINFO:
        if (data) data->layout.LimitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDC_PREVIEW_PICTURE || !data) return FALSE;
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *data);
        return TRUE;
    case WM_COMMAND:
        if (data) OnCommand(dialog, *data, wParam);
        return TRUE;
    case WM_DESTROY:
        KillTimer(dialog, PreviewTickTimer);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void ShowPreviewList(HWND owner, PreviewListData& data) {
    DialogBoxParamW(GetModuleHandleW(nullptr), L"PREVIEWLIST", owner, PreviewListProcedure,
                    reinterpret_cast<LPARAM>(&data));
}
