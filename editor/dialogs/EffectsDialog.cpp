#include "editor/dialogs/EffectsDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "editor/views/PictureView.h"
#include "pattern/win32/DialogRecord.h"
#include "resources/resource.h"

namespace {

// The choices' names in the lists, by effect; lumigrid-cli's name follows.
struct EffectLabel {
    Effect effect;
    const wchar_t* label;
};
const EffectLabel EffectLabels[] = {
    {Effect::None, L"なし"},
    {Effect::ScrollLeft, L"左へｽｸﾛｰﾙ"},
    {Effect::ScrollRight, L"右へｽｸﾛｰﾙ"},
    {Effect::ScrollUp, L"上へｽｸﾛｰﾙ"},
    {Effect::ScrollDown, L"下へｽｸﾛｰﾙ"},
    {Effect::WipeLeft, L"左へﾜｲﾌﾟ"},
    {Effect::WipeRight, L"右へﾜｲﾌﾟ"},
    {Effect::WipeUp, L"上へﾜｲﾌﾟ"},
    {Effect::WipeDown, L"下へﾜｲﾌﾟ"},
    {Effect::Blinds, L"ﾌﾞﾗｲﾝﾄﾞ"},
    {Effect::SplitHorizontal, L"上下に分割"},
    {Effect::SplitVertical, L"左右に分割"},
    {Effect::Dissolve, L"ﾃﾞｨｿﾞﾙﾌﾞ"},
    {Effect::Blink, L"点滅"},
};

// What the dialog last ended with, offered again the next time.
struct EffectsChoice {
    EffectChoice choice;
    bool everyPicture = false;
};
EffectsChoice lastChoice = [] {
    EffectsChoice first;
    first.choice.in = Effect::ScrollLeft;
    return first;
}();

void FillEffects(HWND dialog, int id, Effect chosen) {
    for (const EffectLabel& entry : EffectLabels) {
        wchar_t text[64];
        std::swprintf(text, 64, L"%ls (%hs)", entry.label, NameOfEffect(entry.effect));
        const LRESULT index = SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendDlgItemMessageW(dialog, id, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(entry.effect));
        if (entry.effect == chosen) SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

Effect ChosenEffect(HWND dialog, int id) {
    const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return Effect::None;
    return static_cast<Effect>(SendDlgItemMessageW(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

// The number in a box, when it is one within low .. high.
bool FieldValue(HWND dialog, int edit, unsigned low, unsigned high, unsigned& value) {
    BOOL read = FALSE;
    const UINT number = GetDlgItemInt(dialog, edit, &read, FALSE);
    if (!read || number < low || number > high) return false;
    value = number;
    return true;
}

// A box outside its range makes no frames: the dialog says the range.
bool ReadFields(HWND dialog, EffectsDialogData& data, wchar_t* status, std::size_t capacity) {
    if (!FieldValue(dialog, IDC_EFFECT_STEP, 1, MaxEffectStep, data.choice.step)) {
        std::swprintf(status, capacity, L"ｽﾃｯﾌﾟは 1 から %u までで指定してください。", MaxEffectStep);
        return false;
    }
    if (!FieldValue(dialog, IDC_EFFECT_HOLD, 0, MaxEffectHold, data.choice.hold)) {
        std::swprintf(status, capacity, L"保持は 0 から %u までで指定してください。", MaxEffectHold);
        return false;
    }
    return true;
}

// The frames the pattern would have after OK.
std::uint64_t FramesAfterOk(const EffectsDialogData& data) {
    if (data.everyPicture) return data.result.pattern->frameCount;
    return FramesAfterReplacing(*data.pattern, data.editedPicture, static_cast<std::uint32_t>(data.result.frameCount),
                                data.planes);
}

void ShowStatus(HWND dialog, EffectsDialogData& data) {
    wchar_t status[160] = L"";
    std::uint64_t tooMany = data.result.frameCount;
    switch (data.result.status) {
    case EffectSequenceStatus::Made:
        tooMany = FramesAfterOk(data);
        if (tooMany <= LedPattern::MaxFrames) {
            std::swprintf(status, 160, L"%u 枚",
                          static_cast<unsigned>(data.everyPicture ? data.result.pattern->frameCount
                                                                  : data.result.frameCount));
            break;
        }
        // The pictures made do not fit beside the others.
        data.result.pattern.reset();
        [[fallthrough]];
    case EffectSequenceStatus::TooManyFrames:
        std::swprintf(status, 160, L"%llu 枚になり、%u 枚を超えます", static_cast<unsigned long long>(tooMany),
                      static_cast<unsigned>(LedPattern::MaxFrames));
        break;
    case EffectSequenceStatus::OutOfMemory: std::swprintf(status, 160, L"メモリが足りません"); break;
    case EffectSequenceStatus::NoFrames: std::swprintf(status, 160, L"ﾌﾚｰﾑがありません"); break;
    }
    SetDlgItemTextW(dialog, IDC_EFFECT_STATUS, status);
}

// Makes the pictures again with the choices as the dialog shows them.
void Remake(HWND dialog, EffectsDialogData& data) {
    data.choice.in = ChosenEffect(dialog, IDC_EFFECT_IN);
    data.choice.out = ChosenEffect(dialog, IDC_EFFECT_OUT);
    data.everyPicture = IsDlgButtonChecked(dialog, IDC_EFFECT_EVERY_FRAME) == BST_CHECKED;
    data.previewPicture = 0;
    wchar_t status[160] = L"";
    if (!ReadFields(dialog, data, status, 160)) {
        data.result = EffectSequenceResult();
        SetDlgItemTextW(dialog, IDC_EFFECT_STATUS, status);
        EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
        InvalidateRect(GetDlgItem(dialog, IDC_EFFECT_PREVIEW), nullptr, FALSE);
        return;
    }
    const LedPattern& pattern = *data.pattern;
    const std::uint32_t first = data.everyPicture ? 0 : data.editedPicture;
    const std::uint32_t count = data.everyPicture ? PictureCount(pattern.frameCount, data.planes) : 1;
    data.result = MakeEffectSequence(pattern, first, count, data.choice, data.planes);
    ShowStatus(dialog, data);
    EnableWindow(GetDlgItem(dialog, IDOK), data.result.pattern != nullptr);
    InvalidateRect(GetDlgItem(dialog, IDC_EFFECT_PREVIEW), nullptr, FALSE);
}

void OnInitDialog(HWND dialog, EffectsDialogData& data) {
    FillEffects(dialog, IDC_EFFECT_IN, data.choice.in);
    FillEffects(dialog, IDC_EFFECT_OUT, data.choice.out);
    SendDlgItemMessageW(dialog, IDC_EFFECT_STEP_SPIN, UDM_SETRANGE32, 1, MaxEffectStep);
    SendDlgItemMessageW(dialog, IDC_EFFECT_STEP_SPIN, UDM_SETPOS32, 0, static_cast<LPARAM>(data.choice.step));
    SendDlgItemMessageW(dialog, IDC_EFFECT_HOLD_SPIN, UDM_SETRANGE32, 0, MaxEffectHold);
    SendDlgItemMessageW(dialog, IDC_EFFECT_HOLD_SPIN, UDM_SETPOS32, 0, static_cast<LPARAM>(data.choice.hold));
    CheckRadioButton(dialog, IDC_EFFECT_EDITED_FRAME, IDC_EFFECT_EVERY_FRAME,
                     data.everyPicture ? IDC_EFFECT_EVERY_FRAME : IDC_EFFECT_EDITED_FRAME);
    Remake(dialog, data);
    SetTimer(dialog, EffectsPreviewTimer, EffectsPreviewInterval, nullptr);
}

void OnPreviewTimer(HWND dialog, EffectsDialogData& data) {
    if (!data.result.pattern) return;
    data.previewPicture = (data.previewPicture + 1) % PictureCount(data.result.pattern->frameCount, data.planes);
    InvalidateRect(GetDlgItem(dialog, IDC_EFFECT_PREVIEW), nullptr, FALSE);
}

void OnCommand(HWND dialog, EffectsDialogData& data, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        if (!data.result.pattern) return;
        lastChoice.choice = data.choice;
        lastChoice.everyPicture = data.everyPicture;
        EndDialog(dialog, IDOK);
        return;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return;
    case IDC_EFFECT_IN:
    case IDC_EFFECT_OUT:
        if (HIWORD(wParam) == CBN_SELCHANGE) Remake(dialog, data);
        return;
    case IDC_EFFECT_STEP:
    case IDC_EFFECT_HOLD:
        if (HIWORD(wParam) == EN_CHANGE) Remake(dialog, data);
        return;
    case IDC_EFFECT_EDITED_FRAME:
    case IDC_EFFECT_EVERY_FRAME:
        Remake(dialog, data);
        return;
    }
}

INT_PTR CALLBACK EffectsDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    EffectsDialogData* data = DialogRecord<EffectsDialogData>(dialog);
    switch (message) {
    case WM_INITDIALOG:
        // The record is kept only once the controls are filled, so that the
        // changes their filling reports are not taken for the user's.
        OnInitDialog(dialog, *reinterpret_cast<EffectsDialogData*>(lParam));
        KeepDialogRecord(dialog, lParam);
        return TRUE;
    case WM_TIMER:
        if (data && wParam == EffectsPreviewTimer) OnPreviewTimer(dialog, *data);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDC_EFFECT_PREVIEW || !data) return FALSE;
        DrawPictureOf(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), data->result.pattern.get(),
                      data->previewPicture, data->planes, RenderStyle::Sign);
        return TRUE;
    case WM_COMMAND:
        if (data) OnCommand(dialog, *data, wParam);
        return TRUE;
    case WM_DESTROY:
        KillTimer(dialog, EffectsPreviewTimer);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

bool AskEffects(HWND owner, EffectsDialogData& data) {
    data.choice = lastChoice.choice;
    data.everyPicture = lastChoice.everyPicture;
    return DialogBoxParamW(GetModuleHandleW(nullptr), L"EFFECTSDIALOG", owner, EffectsDialogProcedure,
                           reinterpret_cast<LPARAM>(&data)) == IDOK;
}
