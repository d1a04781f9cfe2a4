#include "editor/document/PatternLoading.h"

#include <cwchar>

namespace {

std::wstring Formatted(const wchar_t* format, unsigned first, unsigned second = 0) {
    wchar_t text[256];
    std::swprintf(text, 256, format, first, second);
    return text;
}

bool HasNoPixels(const LedPattern& pattern) { return pattern.columns == 0 || pattern.rows == 0; }

}  // namespace

std::wstring PatternLoadMessage(const PatternLoadResult& loaded) {
    const LedFileHeader& header = loaded.fileHeader;
    switch (loaded.status) {
    case PatternLoadStatus::Loaded:
        break;
    case PatternLoadStatus::EndsEarly:
        return Formatted(L"このファイルは %u 枚のうち %u 枚目までで終わっています。\n"
                         L"読み込めた分だけを表示します。残りは空白で、制御コードは Animation、ｳｪｲﾄは 0 になります。",
                         header.FrameCount(), loaded.framesRead);
    case PatternLoadStatus::CannotOpen:
        return L"ファイルを開けませんでした。";
    case PatternLoadStatus::NotPatternFile:
        return L"このファイルはパターンファイルではありません。";
    case PatternLoadStatus::TooManyFrames:
        return Formatted(L"このパターンファイルは %u 枚あり、扱える %u 枚を超えています。\n読み込めません。",
                         header.FrameCount(), LedPattern::MaxFrames);
    case PatternLoadStatus::RowBytesMismatch:
        return L"このパターンファイルは壊れています (1 行のバイト数が列数と合いません)。\n読み込めません。";
    case PatternLoadStatus::OutOfMemory:
        return L"メモリが足りないため、このパターンファイルを読み込めません。";
    }
    if (loaded.pattern && HasNoPixels(*loaded.pattern))
        return Formatted(L"このパターンファイルは大きさが %u x %u ﾄﾞｯﾄで、表示できるﾄﾞｯﾄがありません。\n読み込めません。",
                         loaded.pattern->columns, loaded.pattern->rows);
    return L"";
}

std::unique_ptr<LedPattern> ChooseAndLoadPattern(HWND owner) {
    CFile chooser(PatternFileFilter);
    char chosen[CFile::FilenameCapacity] = "";
    if (!chooser.ShowDialog(owner, chosen, 1)) return nullptr;
    PatternLoadResult loaded = ReadPatternFile(chosen);
    return AcceptLoadedPattern(owner, loaded);
}

std::unique_ptr<LedPattern> AcceptLoadedPattern(HWND owner, PatternLoadResult& loaded) {
    const std::wstring message = PatternLoadMessage(loaded);
    const bool usable = loaded.pattern && !HasNoPixels(*loaded.pattern);
    if (!message.empty())
        MessageBoxW(owner, message.c_str(), L"エラー", MB_OK | (usable ? MB_ICONWARNING : MB_ICONERROR));
    if (!usable) return nullptr;
    LedPattern& pattern = *loaded.pattern;
    if (pattern.frameCount == 0) {
        // Nothing the file held is lost: it had no frame to keep.
        const bool modified = pattern.modified;
        pattern.SetFrameCount(1);
        pattern.modified = modified;
    }
    return std::move(loaded.pattern);
}
