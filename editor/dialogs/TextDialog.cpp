#include "editor/dialogs/TextDialog.h"

#include <commctrl.h>

#include <cwchar>

#include "editor/app/EditorState.h"
#include "editor/document/PatternReplacement.h"
#include "editor/views/PlaneView.h"
#include "resources/resource.h"
#include "text/GdiFont.h"
#include "text/TextLayout.h"
#include "text/Utf8.h"

namespace {

// A face every Japanese Windows has; its cell is made the frame's height.
const wchar_t DefaultFace[] = L"ＭＳ ゴシック";
const int PreviewGap = 4;

// The alignment box's items, in TextAlign's order: "標準" is the text's own
// start (left, or right for right-to-left text).
const wchar_t* const AlignNames[] = {L"標準", L"左", L"中央", L"右"};

// What the dialog last ended with, offered again the next time.
struct TextChoice {
    bool made = false;
    std::wstring text;
    LOGFONTW font = {};
    LOGFONTW secondFont = {};
    unsigned step = 0;
    TextStyle style;
    TextAlign align = TextAlign::Start;
    int top = TextFrameOptions::Centred;
};
TextChoice lastChoice;

TextDialogData& DataOf(HWND dialog) {
    return *reinterpret_cast<TextDialogData*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

std::wstring ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string Utf8Of(const std::wstring& text) {
    if (text.empty()) return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

// The fonts of the chain, first and second; null with the status to show
// when one cannot be had.
bool OpenFonts(const TextDialogData& data, FontChain* fonts, wchar_t* status, std::size_t size) {
    std::string problem;
    for (const LOGFONTW* font : {&data.font, &data.secondFont}) {
        if (font != &data.font && !font->lfFaceName[0]) break;
        std::unique_ptr<GdiFont> opened = GdiFont::Open(*font, &problem);
        if (!opened) {
            std::swprintf(status, size, L"ﾌｫﾝﾄ「%ls」を使えません", font->lfFaceName);
            return false;
        }
        fonts->Add(std::move(opened));
    }
    return true;
}

// Lays the text out again and says how it went in the status line.
void Compose(HWND dialog, TextDialogData& data) {
    data.result.reset();
    std::u32string characters;
    FontChain fonts;
    wchar_t status[160] = L"";
    if (!OpenFonts(data, &fonts, status, 160)) {
        // The status says which font.
    } else if (data.text.empty() || !DecodeUtf8(Utf8Of(data.text), &characters)) {
        std::swprintf(status, 160, L"文字を入力してください");
    } else {
        TextStrip strip;
        strip.LayOut(fonts, ExpandLineBreaks(characters), data.style, true);
        TextFrameOptions options;
        options.columns = data.columns;
        options.rows = data.rows;
        options.step = data.step;
        options.align = data.align;
        options.top = data.top;
        options.controlCode = data.controlCode;
        options.wait = data.wait;
        TextPatternResult made = MakeTextPattern(strip, options);
        switch (made.status) {
        case TextPatternStatus::Made:
            std::swprintf(status, 160, strip.Missing().empty() ? L"%u 枚" : L"%u 枚 (ﾌｫﾝﾄにない文字は省きました)",
                          static_cast<unsigned>(made.pattern->frameCount));
            break;
        case TextPatternStatus::TallerThanFrame:
            if (strip.Height() > data.rows)
                std::swprintf(status, 160, L"文字の高さ %u ﾄﾞｯﾄが画面の %u ﾄﾞｯﾄを超えています", strip.Height(),
                              data.rows);
            else
                std::swprintf(status, 160, L"文字の高さ %u ﾄﾞｯﾄが上端 %d から画面の %u ﾄﾞｯﾄを超えています",
                              strip.Height(), data.top, data.rows);
            break;
        case TextPatternStatus::TooManyFrames:
            std::swprintf(status, 160, L"%u 枚を超えます: 文字を減らしてください",
                          static_cast<unsigned>(LedPattern::MaxFrames));
            break;
        case TextPatternStatus::OutOfMemory: std::swprintf(status, 160, L"メモリが足りません"); break;
        }
        data.result = std::move(made.pattern);
    }
    SetDlgItemTextW(dialog, IDC_TEXT_STATUS, status);
    EnableWindow(GetDlgItem(dialog, IDOK), data.result != nullptr);
    InvalidateRect(GetDlgItem(dialog, IDC_TEXT_PREVIEW), nullptr, FALSE);
}

void ShowFontName(HWND dialog, int id, const LOGFONTW& font) {
    wchar_t name[LF_FACESIZE + 32] = L"";
    std::string problem;
    std::unique_ptr<GdiFont> opened = font.lfFaceName[0] ? GdiFont::Open(font, &problem) : nullptr;
    if (opened) std::swprintf(name, LF_FACESIZE + 32, L"%ls  %u ﾄﾞｯﾄ", font.lfFaceName, opened->Height());
    else std::swprintf(name, LF_FACESIZE + 32, L"%ls", font.lfFaceName);
    SetDlgItemTextW(dialog, id, name);
    if (id == IDC_TEXT_SECOND_FONT_NAME) EnableWindow(GetDlgItem(dialog, IDC_TEXT_SECOND_FONT_CLEAR), font.lfFaceName[0]);
}

void SetSpin(HWND dialog, int spin, int lowest, int highest, int value) {
    SendDlgItemMessageW(dialog, spin, UDM_SETRANGE32, static_cast<WPARAM>(lowest), static_cast<LPARAM>(highest));
    SendDlgItemMessageW(dialog, spin, UDM_SETPOS32, 0, static_cast<LPARAM>(value));
}

void OnInitDialog(HWND dialog, TextDialogData& data) {
    if (lastChoice.made) {
        data.text = lastChoice.text;
        data.font = lastChoice.font;
        data.secondFont = lastChoice.secondFont;
        data.step = lastChoice.step > data.columns ? data.columns : lastChoice.step;
        data.style = lastChoice.style;
        data.align = lastChoice.align;
        data.top = lastChoice.top < static_cast<int>(data.rows) ? lastChoice.top : TextFrameOptions::Centred;
    } else if (!data.font.lfFaceName[0]) {
        data.font.lfHeight = static_cast<LONG>(data.rows);
        data.font.lfWeight = FW_NORMAL;
        data.font.lfCharSet = DEFAULT_CHARSET;
        std::wcscpy(data.font.lfFaceName, DefaultFace);
    }
    wchar_t size[32];
    std::swprintf(size, 32, L"%u x %u", data.columns, data.rows);
    SetDlgItemTextW(dialog, IDC_TEXT_FRAME_SIZE, size);
    SetSpin(dialog, IDC_TEXT_STEP_SPIN, 0, static_cast<int>(data.columns), static_cast<int>(data.step));
    SetSpin(dialog, IDC_TEXT_SPACING_SPIN, TextStyle::MinSpacing, TextStyle::MaxSpacing, data.style.spacing);
    SetSpin(dialog, IDC_TEXT_LINE_SPACING_SPIN, 0, static_cast<int>(TextStyle::MaxLineSpacing),
            static_cast<int>(data.style.lineSpacing));
    const bool setTop = data.top != TextFrameOptions::Centred;
    SetSpin(dialog, IDC_TEXT_TOP_SPIN, 0, static_cast<int>(data.rows) - 1, setTop ? data.top : 0);
    CheckDlgButton(dialog, IDC_TEXT_SET_TOP, setTop ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(dialog, IDC_TEXT_TOP), setTop);
    EnableWindow(GetDlgItem(dialog, IDC_TEXT_TOP_SPIN), setTop);
    for (const wchar_t* name : AlignNames)
        SendDlgItemMessageW(dialog, IDC_TEXT_ALIGN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageW(dialog, IDC_TEXT_ALIGN, CB_SETCURSEL, static_cast<WPARAM>(data.align), 0);
    SetDlgItemTextW(dialog, IDC_TEXT_STRING, data.text.c_str());
    ShowFontName(dialog, IDC_TEXT_FONT_NAME, data.font);
    ShowFontName(dialog, IDC_TEXT_SECOND_FONT_NAME, data.secondFont);
    Compose(dialog, data);
}

void OnChooseFont(HWND dialog, TextDialogData& data, bool second) {
    LOGFONTW& font = second ? data.secondFont : data.font;
    LOGFONTW chosen = font;
    if (!chosen.lfFaceName[0]) chosen = data.font;
    CHOOSEFONTW request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = dialog;
    request.lpLogFont = &chosen;
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontW(&request)) return;
    // The size chosen is taken as the cell's height, ascent and descent
    // together, so that 12 points on a 96-dpi screen are the 16 rows of a
    // frame, rather than 16 rows of em and a taller cell.
    if (chosen.lfHeight < 0) chosen.lfHeight = -chosen.lfHeight;
    font = chosen;
    ShowFontName(dialog, second ? IDC_TEXT_SECOND_FONT_NAME : IDC_TEXT_FONT_NAME, font);
    Compose(dialog, data);
}

void OnClearSecondFont(HWND dialog, TextDialogData& data) {
    data.secondFont = LOGFONTW();
    ShowFontName(dialog, IDC_TEXT_SECOND_FONT_NAME, data.secondFont);
    Compose(dialog, data);
}

// A number box's value within its range, else the fallback.
int NumberIn(HWND dialog, int id, int lowest, int highest, int fallback) {
    BOOL valid = FALSE;
    const int value = static_cast<int>(GetDlgItemInt(dialog, id, &valid, lowest < 0));
    return valid && value >= lowest && value <= highest ? value : fallback;
}

void OnSettingsChanged(HWND dialog, TextDialogData& data) {
    data.text = ItemText(dialog, IDC_TEXT_STRING);
    data.step = static_cast<unsigned>(NumberIn(dialog, IDC_TEXT_STEP, 0, static_cast<int>(data.columns), 0));
    data.style.spacing = NumberIn(dialog, IDC_TEXT_SPACING, TextStyle::MinSpacing, TextStyle::MaxSpacing, 0);
    data.style.lineSpacing =
        static_cast<unsigned>(NumberIn(dialog, IDC_TEXT_LINE_SPACING, 0, TextStyle::MaxLineSpacing, 0));
    const LRESULT align = SendDlgItemMessageW(dialog, IDC_TEXT_ALIGN, CB_GETCURSEL, 0, 0);
    data.align = align >= 0 && align < 4 ? static_cast<TextAlign>(align) : TextAlign::Start;
    const bool setTop = IsDlgButtonChecked(dialog, IDC_TEXT_SET_TOP) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, IDC_TEXT_TOP), setTop);
    EnableWindow(GetDlgItem(dialog, IDC_TEXT_TOP_SPIN), setTop);
    data.top = setTop ? NumberIn(dialog, IDC_TEXT_TOP, 0, static_cast<int>(data.rows) - 1, 0) : TextFrameOptions::Centred;
    Compose(dialog, data);
}

// The first frames side by side, each LED a square, as many as fit.
void DrawPreview(const DRAWITEMSTRUCT& item, const TextDialogData& data) {
    const RECT& box = item.rcItem;
    HBRUSH background = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(item.hDC, &box, background);
    DeleteObject(background);
    if (!data.result) return;
    const LedPattern& pattern = *data.result;
    if (pattern.columns == 0 || pattern.rows == 0) return;
    const int width = box.right - box.left - 2 * PreviewGap, height = box.bottom - box.top - 2 * PreviewGap;
    int scale = height / static_cast<int>(pattern.rows);
    if (scale > width / static_cast<int>(pattern.columns)) scale = width / static_cast<int>(pattern.columns);
    if (scale < 1) return;
    const int frameWidth = scale * pattern.columns;
    HBRUSH lit = CreateSolidBrush(LitColour), unlit = CreateSolidBrush(UnlitColour);
    for (std::uint32_t frame = 0; frame < pattern.frameCount; ++frame) {
        const int left = box.left + PreviewGap + static_cast<int>(frame) * (frameWidth + PreviewGap);
        if (left + frameWidth > box.right - PreviewGap) break;
        for (unsigned y = 0; y < pattern.rows; ++y)
            for (unsigned x = 0; x < pattern.columns; ++x) {
                // A cell apart from its neighbours when there is room for it.
                const int inset = scale >= 3 ? 1 : 0;
                RECT led = {left + static_cast<int>(x) * scale, box.top + PreviewGap + static_cast<int>(y) * scale,
                            left + static_cast<int>(x + 1) * scale - inset,
                            box.top + PreviewGap + static_cast<int>(y + 1) * scale - inset};
                FillRect(item.hDC, &led, pattern.GetPixel(frame, x, y) ? lit : unlit);
            }
    }
    DeleteObject(lit);
    DeleteObject(unlit);
}

void OnOk(HWND dialog, TextDialogData& data) {
    if (!data.result) return;
    lastChoice.made = true;
    lastChoice.text = data.text;
    lastChoice.font = data.font;
    lastChoice.secondFont = data.secondFont;
    lastChoice.step = data.step;
    lastChoice.style = data.style;
    lastChoice.align = data.align;
    lastChoice.top = data.top;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK TextDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        // The record is kept only once the controls are filled, so that the
        // changes their filling reports are not taken for the user's.
        OnInitDialog(dialog, *reinterpret_cast<TextDialogData*>(lParam));
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDC_TEXT_PREVIEW || !GetWindowLongPtrW(dialog, DWLP_USER)) return FALSE;
        DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), DataOf(dialog));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: OnOk(dialog, DataOf(dialog)); break;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
        case IDC_TEXT_FONT: OnChooseFont(dialog, DataOf(dialog), false); break;
        case IDC_TEXT_SECOND_FONT: OnChooseFont(dialog, DataOf(dialog), true); break;
        case IDC_TEXT_SECOND_FONT_CLEAR: OnClearSecondFont(dialog, DataOf(dialog)); break;
        case IDC_TEXT_STRING:
        case IDC_TEXT_STEP:
        case IDC_TEXT_SPACING:
        case IDC_TEXT_LINE_SPACING:
        case IDC_TEXT_TOP:
            if (HIWORD(wParam) == EN_CHANGE && GetWindowLongPtrW(dialog, DWLP_USER))
                OnSettingsChanged(dialog, DataOf(dialog));
            break;
        case IDC_TEXT_ALIGN:
            if (HIWORD(wParam) == CBN_SELCHANGE && GetWindowLongPtrW(dialog, DWLP_USER))
                OnSettingsChanged(dialog, DataOf(dialog));
            break;
        case IDC_TEXT_SET_TOP:
            if (HIWORD(wParam) == BN_CLICKED && GetWindowLongPtrW(dialog, DWLP_USER))
                OnSettingsChanged(dialog, DataOf(dialog));
            break;
        }
        return FALSE;
    }
    return FALSE;
}

void OnFrameText(HWND window) {
    TextDialogData data;
    data.columns = editor.pattern->columns;
    data.rows = editor.pattern->rows;
    // The pattern keeps its display mode and wait; only its frames are the text's.
    data.controlCode = editor.pattern->header.controlCode;
    data.wait = editor.pattern->header.wait;
    if (DialogBoxParamW(GetModuleHandleW(nullptr), L"TEXTDIALOG", window, TextDialogProcedure,
                        reinterpret_cast<LPARAM>(&data)) != IDOK)
        return;
    ReplacePattern(window, std::move(data.result));
}
