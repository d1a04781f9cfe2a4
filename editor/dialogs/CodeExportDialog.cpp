#include "editor/dialogs/CodeExportDialog.h"

#include <algorithm>
#include <cstdio>

#include "editor/app/WideText.h"
#include "editor/views/ScanPathView.h"
#include "export/FlashFit.h"
#include "export/LayoutPresets.h"
#include "pattern/win32/DialogRecord.h"
#include "text/Utf8.h"
#include "resources/resource.h"

namespace {

// The choices of the lists, in the order of their enumerations.
const wchar_t* const LanguageNames[] = {L"C/C++", L"Python", L"JSON", L"XBM", L"Rust", L"ﾊﾞｲﾅﾘ", L"Intel HEX"};
const unsigned RotateDegrees[] = {0, 90, 180, 270};
const wchar_t* const RotateNames[] = {L"なし", L"右に 90°", L"180°", L"右に 270°"};
const wchar_t* const MirrorNames[] = {L"なし", L"左右", L"上下"};
const wchar_t NoController[] = L"指定なし";

void AddString(HWND dialog, int id, const std::wstring& text) {
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int Selected(HWND dialog, int id) {
    LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 0 : static_cast<int>(index);
}

void Select(HWND dialog, int id, int index) { SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int PresetIndex(const char* name) {
    for (std::size_t i = 0; i < LayoutPresetCount; ++i)
        if (std::string(LayoutPresets[i].name) == name) return static_cast<int>(i);
    return 0;
}

void FillLists(HWND dialog, const ExportOptions& options) {
    for (std::size_t i = 0; i < LayoutPresetCount; ++i) AddString(dialog, IDC_CODE_LAYOUT, Widened(LayoutPresets[i].name));
    const LayoutPreset* preset = PresetOfLayout(options.layout);
    Select(dialog, IDC_CODE_LAYOUT, PresetIndex(preset ? preset->name : DefaultLayoutPreset));
    for (const wchar_t* name : LanguageNames) AddString(dialog, IDC_CODE_LANGUAGE, name);
    Select(dialog, IDC_CODE_LANGUAGE, static_cast<int>(options.language));
    for (const wchar_t* name : RotateNames) AddString(dialog, IDC_CODE_ROTATE, name);
    Select(dialog, IDC_CODE_ROTATE, static_cast<int>(options.layout.rotate / 90));
    for (const wchar_t* name : MirrorNames) AddString(dialog, IDC_CODE_MIRROR, name);
    Select(dialog, IDC_CODE_MIRROR, static_cast<int>(options.layout.mirror));
    AddString(dialog, IDC_CODE_CONTROLLER, NoController);
    int controller = 0;
    for (std::size_t i = 0; i < ControllerCount; ++i) {
        AddString(dialog, IDC_CODE_CONTROLLER, Widened(Controllers[i].name));
        if (options.mcu == Controllers[i].name) controller = static_cast<int>(i + 1);
    }
    Select(dialog, IDC_CODE_CONTROLLER, controller);
}

std::wstring DialogText(HWND dialog, int id) {
    wchar_t text[256] = L"";
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

// The record's options as the controls have them; the pictures those chosen.
void ReadChoices(HWND dialog, CodeExport& choice) {
    ExportOptions& options = choice.options;
    ApplyLayoutPreset(LayoutPresets[Selected(dialog, IDC_CODE_LAYOUT)], options.layout);
    options.language = static_cast<CodeLanguage>(Selected(dialog, IDC_CODE_LANGUAGE));
    options.name = Utf8FromWide(DialogText(dialog, IDC_CODE_NAME));
    options.layout.rotate = RotateDegrees[Selected(dialog, IDC_CODE_ROTATE)];
    options.layout.mirror = static_cast<Mirror>(Selected(dialog, IDC_CODE_MIRROR));
    options.layout.invert = IsDlgButtonChecked(dialog, IDC_CODE_INVERT) == BST_CHECKED;
    const int controller = Selected(dialog, IDC_CODE_CONTROLLER);
    options.mcu = controller == 0 ? std::string() : Controllers[controller - 1].name;
    choice.everyPicture = IsDlgButtonChecked(dialog, IDC_CODE_EVERY_PICTURE) == BST_CHECKED;
    options.pictures = choice.everyPicture ? PictureRange{0, 0} : PictureRange{choice.editedPicture, 1};
}

// The picture the preview shows: the edited one, or the first of all.
std::uint32_t ShownPicture(const CodeExport& choice) { return choice.everyPicture ? 0 : choice.editedPicture; }

std::wstring HexDump(const std::string& bytes) {
    std::wstring text;
    wchar_t value[8];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::swprintf(value, 8, L"%02X", static_cast<unsigned>(static_cast<unsigned char>(bytes[i])));
        text += value;
        text += (i % 16 == 15 || i + 1 == bytes.size()) ? L"\r\n" : L" ";
    }
    return text;
}

// The shown picture's output: code as it will be written, binary and HEX
// data as the bytes.
std::wstring PreviewText(const CodeExport& choice) {
    ExportOptions one = choice.options;
    one.pictures = PictureRange{ShownPicture(choice), 1};
    one.mcu.clear();
    const ExportResult result = ExportCode(*choice.pattern, one);
    if (!result.Made()) return std::wstring();
    if (!IsTextLanguage(one.language)) return HexDump(result.output);
    std::wstring text;
    for (char c : result.output) {
        if (c == '\n') text += L'\r';
        text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return text;
}

void Update(HWND dialog) {
    CodeExport* choice = DialogRecord<CodeExport>(dialog);
    if (!choice) return;
    ReadChoices(dialog, *choice);
    const ExportResult plan = PlanExport(*choice->pattern, choice->options);
    SetDlgItemTextW(dialog, IDC_CODE_READERS, Widened(LayoutPresets[Selected(dialog, IDC_CODE_LAYOUT)].readers).c_str());
    SetDlgItemTextW(dialog, IDC_CODE_SIZE, CodeExportSizeText(plan, choice->options).c_str());
    const std::wstring preview = plan.Made() ? PreviewText(*choice) : std::wstring();
    SetDlgItemTextW(dialog, IDC_CODE_PREVIEW, preview.c_str());
    // The frame's lines in view, the header above them a scroll away.
    std::size_t frame = std::wstring::npos;
    for (const wchar_t* start : {L"frame 0", L"\"frames\"", L"_bits[]"})
        if (frame == std::wstring::npos) frame = preview.find(start);
    if (frame != std::wstring::npos)
        SendDlgItemMessageW(dialog, IDC_CODE_PREVIEW, EM_LINESCROLL, 0,
                            static_cast<LPARAM>(std::count(preview.begin(), preview.begin() + static_cast<std::ptrdiff_t>(frame), L'\n')));
    EnableWindow(GetDlgItem(dialog, IDOK), plan.Made());
    InvalidateRect(GetDlgItem(dialog, IDC_CODE_SCAN_PATH), nullptr, FALSE);
}

void OnInitDialog(HWND dialog, LPARAM parameter) {
    const CodeExport& choice = *reinterpret_cast<const CodeExport*>(parameter);
    FillLists(dialog, choice.options);
    SetDlgItemTextW(dialog, IDC_CODE_NAME, Widened(ExportName(*choice.pattern, choice.options)).c_str());
    const bool every = choice.everyPicture || !choice.editedPictureExists;
    CheckRadioButton(dialog, IDC_CODE_EDITED_PICTURE, IDC_CODE_EVERY_PICTURE,
                     every ? IDC_CODE_EVERY_PICTURE : IDC_CODE_EDITED_PICTURE);
    EnableWindow(GetDlgItem(dialog, IDC_CODE_EDITED_PICTURE), choice.editedPictureExists);
    CheckDlgButton(dialog, IDC_CODE_INVERT, choice.options.layout.invert ? BST_CHECKED : BST_UNCHECKED);
    // The code in a fixed-pitch font, so that its pictures in comments keep their shape.
    SendDlgItemMessageW(dialog, IDC_CODE_PREVIEW, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    // Kept only now, so that the texts set above do not update before the dialog is ready.
    KeepDialogRecord(dialog, parameter);
    Update(dialog);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        if (IsWindowEnabled(GetDlgItem(dialog, IDOK))) EndDialog(dialog, IDOK);
        break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    case IDC_CODE_LANGUAGE:
        // XBM holds one layout: choosing it chooses that.
        if (HIWORD(wParam) == CBN_SELCHANGE && Selected(dialog, IDC_CODE_LANGUAGE) == static_cast<int>(CodeLanguage::Xbm))
            Select(dialog, IDC_CODE_LAYOUT, PresetIndex("xbm"));
        if (HIWORD(wParam) == CBN_SELCHANGE) Update(dialog);
        break;
    case IDC_CODE_LAYOUT:
    case IDC_CODE_ROTATE:
    case IDC_CODE_MIRROR:
    case IDC_CODE_CONTROLLER:
        if (HIWORD(wParam) == CBN_SELCHANGE) Update(dialog);
        break;
    case IDC_CODE_NAME:
        if (HIWORD(wParam) == EN_CHANGE) Update(dialog);
        break;
    case IDC_CODE_EDITED_PICTURE:
    case IDC_CODE_EVERY_PICTURE:
    case IDC_CODE_INVERT: Update(dialog); break;
    }
}

void OnDrawItem(HWND dialog, const DRAWITEMSTRUCT& item) {
    const CodeExport& choice = *DialogRecord<CodeExport>(dialog);
    const Planes planes = choice.options.layout.planes;
    const PictureCanvas picture = PictureOf(*choice.pattern, ShownPicture(choice), planes);
    const FrameCoder coder(choice.options.layout, PictureSize{picture.Width(), picture.Height()});
    DrawScanPath(item, picture, coder);
}

INT_PTR CALLBACK CodeExportDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, wParam);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDC_CODE_SCAN_PATH || !DialogRecord<CodeExport>(dialog)) return FALSE;
        OnDrawItem(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

std::wstring Number(std::uint64_t value) { return std::to_wstring(value); }

}  // namespace

bool AskCodeExport(HWND owner, CodeExport& choice) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), L"CodeExport", owner, CodeExportDialogProcedure,
                           reinterpret_cast<LPARAM>(&choice)) == IDOK;
}

std::wstring CodeExportSizeText(const ExportResult& plan, const ExportOptions& options) {
    const Controller* controller = options.mcu.empty() ? nullptr : FindController(options.mcu);
    const std::wstring flash =
        controller ? Widened(controller->name) + L" の " + Widened(SizeText(controller->flashBytes)) + L" ﾌﾗｯｼｭ" : L"";
    if (!plan.Made()) {
        if (options.language == CodeLanguage::Xbm) return L"XBM には xbm の配置しか出力できません。";
        if (controller && plan.flashPercent > 100)
            return Number(plan.dataBytes) + L" ﾊﾞｲﾄは" + flash + L"に収まりません。";
        return L"出力できません: " + Widened(plan.error);
    }
    const std::uint64_t frameData = static_cast<std::uint64_t>(plan.frameBytes) * plan.frames;
    std::wstring text = L"1 ﾌﾚｰﾑ " + Number(plan.frameBytes) + L" ﾊﾞｲﾄ、" + Number(plan.frames) + L" ﾌﾚｰﾑで " +
                        Number(frameData) + L" ﾊﾞｲﾄ";
    if (plan.dataBytes > frameData) text += L" (待ち時間とで " + Number(plan.dataBytes) + L" ﾊﾞｲﾄ)";
    if (controller) {
        wchar_t percent[32];
        std::swprintf(percent, 32, L"%.1f%%", plan.flashPercent);
        text += L"\r\n" + flash + L"の " + percent;
    }
    if (plan.avrArrayTooLarge) text += L"\r\n注意: 配列が 32767 ﾊﾞｲﾄを超え、avr-gcc では作れません。";
    if (plan.avrFarData) text += L"\r\n注意: 64 KiB より先は pgm_read_byte では読めません (pgm_read_byte_far で)。";
    return text;
}
