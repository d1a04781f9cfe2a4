#include "editor/commands/HexExportReport.h"

#include <cstring>
#include <cwchar>

#include "editor/app/WideText.h"

namespace {

// The entry's file name without its folders: the lines stay short.
std::wstring ShortName(const std::string& text) {
    const std::size_t slash = text.find_last_of("\\/");
    return Widened(slash == std::string::npos ? text : text.substr(slash + 1));
}

std::wstring Printed(const wchar_t* format, unsigned first, unsigned second = 0, unsigned third = 0,
                     unsigned fourth = 0) {
    wchar_t text[256];
    std::swprintf(text, 256, format, first, second, third, fourth);
    return text;
}

std::wstring LoadProblem(PatternLoadStatus status) {
    switch (status) {
    case PatternLoadStatus::CannotOpen: return L"ファイルを開けません";
    case PatternLoadStatus::NotPatternFile: return L"パターンファイルではありません";
    case PatternLoadStatus::TooManyFrames: return L"枚数が 2048 枚を超えています";
    case PatternLoadStatus::RowBytesMismatch: return L"ファイルが壊れています";
    case PatternLoadStatus::OutOfMemory: return L"メモリが足りません";
    default: return L"読み込めません";
    }
}

}  // namespace

std::wstring OmissionReasonText(const EntryOmission& omission, const PatternSize& common) {
    const EntryPlan& plan = omission.plan;
    const unsigned frames = plan.header.FrameCount();
    switch (omission.what) {
    case Omission::WholeEntry:
        switch (plan.skipReason) {
        case SkipReason::NotLoaded: return LoadProblem(plan.loadStatus);
        case SkipReason::UnknownControlCode: return Printed(L"制御コード %u は使えません", plan.header.controlCode);
        case SkipReason::NoFramePair: return Printed(L"%u 枚しかなく、2 枚 1 組の表示になりません", frames);
        case SkipReason::None: break;
        }
        return L"";
    case Omission::LastFrame:
        return Printed(L"奇数枚 (%u 枚) のため、最後の 1 枚は含まれません", frames);
    case Omission::OtherSize:
        return Printed(L"大きさ %u x %u がリストの他のパターン (%u x %u) と違います", plan.header.columns,
                       plan.header.rows, common.columns, common.rows);
    }
    return L"";
}

std::wstring HexExportReportText(const ListOmissions& omissions) {
    const std::vector<EntryOmission> all = omissions.All();
    if (all.empty()) return L"";
    PatternSize common{0, 0};
    omissions.CommonSize(&common);
    std::wstring text = L"Hex File を作成しました。ただし、次のものは含まれていません:\n\n";
    for (std::size_t i = 0; i < all.size() && i < MaxReportedOmissions; ++i) {
        const EntryOmission& omission = all[i];
        text += Printed(L"%u 行目 ", static_cast<unsigned>(omission.index + 1)) + ShortName(omission.text) + L": " +
                OmissionReasonText(omission, common) + L"\n";
    }
    if (all.size() > MaxReportedOmissions)
        text += Printed(L"ほか %u 件\n", static_cast<unsigned>(all.size() - MaxReportedOmissions));
    text.pop_back();   // the last line's end
    return text;
}
