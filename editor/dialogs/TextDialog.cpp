#include "editor/dialogs/TextDialog.h"

#include <commctrl.h>

#include <cwchar>

#include "editor/app/WideText.h"
#include "editor/views/GdiObjects.h"
#include "editor/views/PlaneView.h"
#include "pattern/win32/DialogRecord.h"
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
struct LastText {
    bool made = false;
    TextChoice choice;
    TextFrameOptions frame;
};
LastText last;

std::wstring ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item, &text[0], static_cast<int>(text.size()))));
    return text;
}

// The fonts of the chain, first and second; null with the status to show
// when one cannot be had.
bool OpenFonts(const TextChoice& choice, FontChain* fonts, wchar_t* status, std::size_t size) {
    std::string problem;
    for (const LOGFONTW* font : {&choice.font, &choice.secondFont}) {
        if (font != &choice.font && !font->lfFaceName[0]) break;
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
// What the status line says of a text that could not be made.
void RefusalText(TextPatternStatus status, const TextStrip& strip, const TextFrameOptions& frame, wchar_t* text,
                 std::size_t size) {
    switch (status) {
    case TextPatternStatus::Made:
        break;
    case TextPatternStatus::TallerThanFrame:
        if (strip.Height() > frame.rows)
            std::swprintf(text, size, L"文字の高さ %u ﾄﾞｯﾄが画面の %u ﾄﾞｯﾄを超えています", strip.Height(), frame.rows);
        else
            std::swprintf(text, size, L"文字の高さ %u ﾄﾞｯﾄが上端 %d から画面の %u ﾄﾞｯﾄを超えています",
                          strip.Height(), frame.top, frame.rows);
        break;
    case TextPatternStatus::TooManyFrames:
        std::swprintf(text, size, L"%u 枚を超えます: 文字を減らしてください",
                      static_cast<unsigned>(LedPattern::MaxFrames));
        break;
    case TextPatternStatus::OutOfMemory: std::swprintf(text, size, L"メモリが足りません"); break;
    }
}

void Compose(HWND dialog, TextDialogData& data) {
    const TextChoice& choice = data.choice;
    data.result.reset();
    std::u32string characters;
    FontChain fonts;
    wchar_t status[160] = L"";
    if (!OpenFonts(choice, &fonts, status, 160)) {
        // The status says which font.
    } else if (choice.text.empty() || !DecodeUtf8(Utf8FromWide(choice.text), &characters)) {
        std::swprintf(status, 160, L"文字を入力してください");
    } else {
        TextStrip strip;
        strip.LayOut(fonts, ExpandLineBreaks(characters), choice.style, true);
        TextPatternResult made = MakeTextPattern(strip, data.frame);
        if (made.status == TextPatternStatus::Made)
            std::swprintf(status, 160, strip.Missing().empty() ? L"%u 枚" : L"%u 枚 (ﾌｫﾝﾄにない文字は省きました)",
                          static_cast<unsigned>(made.pattern->frameCount));
        else
            RefusalText(made.status, strip, data.frame, status, 160);
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

// The choice the dialog opens with: the last one, its step and top row kept
// within this pattern's frame, or the default font at the frame's height.
void TakeLastChoice(TextDialogData& data) {
    TextFrameOptions& frame = data.frame;
    if (last.made) {
        data.choice = last.choice;
        frame.step = last.frame.step > frame.columns ? frame.columns : last.frame.step;
        frame.align = last.frame.align;
        frame.top = last.frame.top < static_cast<int>(frame.rows) ? last.frame.top : TextFrameOptions::Centred;
    } else if (!data.choice.font.lfFaceName[0]) {
        LOGFONTW& font = data.choice.font;
        font.lfHeight = static_cast<LONG>(frame.rows);
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        std::wcscpy(font.lfFaceName, DefaultFace);
    }
}

void OnInitDialog(HWND dialog, TextDialogData& data) {
    TakeLastChoice(data);
    const TextFrameOptions& frame = data.frame;
    const TextChoice& choice = data.choice;
    wchar_t size[32];
    std::swprintf(size, 32, L"%u x %u", frame.columns, frame.rows);
    SetDlgItemTextW(dialog, IDC_TEXT_FRAME_SIZE, size);
    SetSpin(dialog, IDC_TEXT_STEP_SPIN, 0, static_cast<int>(frame.columns), static_cast<int>(frame.step));
    SetSpin(dialog, IDC_TEXT_SPACING_SPIN, TextStyle::MinSpacing, TextStyle::MaxSpacing, choice.style.spacing);
    SetSpin(dialog, IDC_TEXT_LINE_SPACING_SPIN, 0, static_cast<int>(TextStyle::MaxLineSpacing),
            static_cast<int>(choice.style.lineSpacing));
    const bool setTop = frame.top != TextFrameOptions::Centred;
    SetSpin(dialog, IDC_TEXT_TOP_SPIN, 0, static_cast<int>(frame.rows) - 1, setTop ? frame.top : 0);
    CheckDlgButton(dialog, IDC_TEXT_SET_TOP, setTop ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(dialog, IDC_TEXT_TOP), setTop);
    EnableWindow(GetDlgItem(dialog, IDC_TEXT_TOP_SPIN), setTop);
    for (const wchar_t* name : AlignNames)
        SendDlgItemMessageW(dialog, IDC_TEXT_ALIGN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageW(dialog, IDC_TEXT_ALIGN, CB_SETCURSEL, static_cast<WPARAM>(frame.align), 0);
    SetDlgItemTextW(dialog, IDC_TEXT_STRING, choice.text.c_str());
    ShowFontName(dialog, IDC_TEXT_FONT_NAME, choice.font);
    ShowFontName(dialog, IDC_TEXT_SECOND_FONT_NAME, choice.secondFont);
    Compose(dialog, data);
}

void OnChooseFont(HWND dialog, TextDialogData& data, bool second) {
    LOGFONTW& font = second ? data.choice.secondFont : data.choice.font;
    LOGFONTW chosen = font;
    if (!chosen.lfFaceName[0]) chosen = data.choice.font;
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
    data.choice.secondFont = LOGFONTW();
    ShowFontName(dialog, IDC_TEXT_SECOND_FONT_NAME, data.choice.secondFont);
    Compose(dialog, data);
}

// A number box's value within its range, else the fallback.
int NumberIn(HWND dialog, int id, int lowest, int highest, int fallback) {
    BOOL valid = FALSE;
    const int value = static_cast<int>(GetDlgItemInt(dialog, id, &valid, lowest < 0));
    return valid && value >= lowest && value <= highest ? value : fallback;
}

void OnSettingsChanged(HWND dialog, TextDialogData& data) {
    TextFrameOptions& frame = data.frame;
    TextStyle& style = data.choice.style;
    data.choice.text = ItemText(dialog, IDC_TEXT_STRING);
    frame.step = static_cast<unsigned>(NumberIn(dialog, IDC_TEXT_STEP, 0, static_cast<int>(frame.columns), 0));
    style.spacing = NumberIn(dialog, IDC_TEXT_SPACING, TextStyle::MinSpacing, TextStyle::MaxSpacing, 0);
    style.lineSpacing = static_cast<unsigned>(NumberIn(dialog, IDC_TEXT_LINE_SPACING, 0, TextStyle::MaxLineSpacing, 0));
    const LRESULT align = SendDlgItemMessageW(dialog, IDC_TEXT_ALIGN, CB_GETCURSEL, 0, 0);
    frame.align = align >= 0 && align < 4 ? static_cast<TextAlign>(align) : TextAlign::Start;
    const bool setTop = IsDlgButtonChecked(dialog, IDC_TEXT_SET_TOP) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, IDC_TEXT_TOP), setTop);
    EnableWindow(GetDlgItem(dialog, IDC_TEXT_TOP_SPIN), setTop);
    frame.top = setTop ? NumberIn(dialog, IDC_TEXT_TOP, 0, static_cast<int>(frame.rows) - 1, 0) : TextFrameOptions::Centred;
    Compose(dialog, data);
}

// The first screens side by side, each LED a square, as many as fit: a
// picture's planes meet as on the sign, and pictures stand apart.
void DrawPreview(const DRAWITEMSTRUCT& item, const TextDialogData& data) {
    const RECT& box = item.rcItem;
    {
        OwnedBrush background(CreateSolidBrush(RGB(0, 0, 0)));
        FillRect(item.hDC, &box, background);
    }
    if (!data.result) return;
    const LedPattern& pattern = *data.result;
    if (pattern.columns == 0 || pattern.rows == 0) return;
    const unsigned planes = PlaneCount(TextPlanes(data.frame));
    const int width = box.right - box.left - 2 * PreviewGap, height = box.bottom - box.top - 2 * PreviewGap;
    int scale = height / static_cast<int>(pattern.rows);
    if (scale > width / static_cast<int>(pattern.columns * planes))
        scale = width / static_cast<int>(pattern.columns * planes);
    if (scale < 1) return;
    const int frameWidth = scale * pattern.columns;
    const int pictureGap = planes > 1 ? 3 * PreviewGap : PreviewGap;
    OwnedBrush lit(CreateSolidBrush(LitColour)), unlit(CreateSolidBrush(UnlitColour));
    for (std::uint32_t frame = 0; frame < pattern.frameCount; ++frame) {
        const int picture = static_cast<int>(frame / planes), plane = static_cast<int>(frame % planes);
        const int pictureLeft = box.left + PreviewGap + picture * (static_cast<int>(planes) * frameWidth + pictureGap);
        // Whole pictures only.
        if (pictureLeft + static_cast<int>(planes) * frameWidth > box.right - PreviewGap) break;
        const int left = pictureLeft + plane * frameWidth;
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
}

void OnOk(HWND dialog, const TextDialogData& data) {
    if (!data.result) return;
    last.made = true;
    last.choice = data.choice;
    last.frame = data.frame;
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, TextDialogData& data, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: OnOk(dialog, data); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    case IDC_TEXT_FONT: OnChooseFont(dialog, data, false); break;
    case IDC_TEXT_SECOND_FONT: OnChooseFont(dialog, data, true); break;
    case IDC_TEXT_SECOND_FONT_CLEAR: OnClearSecondFont(dialog, data); break;
    case IDC_TEXT_STRING:
    case IDC_TEXT_STEP:
    case IDC_TEXT_SPACING:
    case IDC_TEXT_LINE_SPACING:
    case IDC_TEXT_TOP:
        if (HIWORD(wParam) == EN_CHANGE) OnSettingsChanged(dialog, data);
        break;
    case IDC_TEXT_ALIGN:
        if (HIWORD(wParam) == CBN_SELCHANGE) OnSettingsChanged(dialog, data);
        break;
    case IDC_TEXT_SET_TOP:
        if (HIWORD(wParam) == BN_CLICKED) OnSettingsChanged(dialog, data);
        break;
    }
}

INT_PTR CALLBACK TextDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    TextDialogData* data = DialogRecord<TextDialogData>(dialog);
    switch (message) {
    case WM_INITDIALOG:
        // The record is kept only once the controls are filled, so that the
        // changes their filling reports are not taken for the user's.
        OnInitDialog(dialog, *reinterpret_cast<TextDialogData*>(lParam));
        KeepDialogRecord(dialog, lParam);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDC_TEXT_PREVIEW || !data) return FALSE;
        DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *data);
        return TRUE;
    case WM_COMMAND:
        if (data) OnCommand(dialog, *data, wParam);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

bool AskText(HWND owner, TextDialogData& data) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), L"TEXTDIALOG", owner, TextDialogProcedure,
                           reinterpret_cast<LPARAM>(&data)) == IDOK;
}
