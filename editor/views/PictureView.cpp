#include "editor/views/PictureView.h"

#include <algorithm>
#include <vector>

#include "editor/views/GdiObjects.h"

namespace {

void FillBackground(HDC dc, const RECT& box, RenderStyle style) {
    if (style == RenderStyle::Editor) {
        FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    OwnedBrush ground(CreateSolidBrush(RGB(SignBackgroundColour.red, SignBackgroundColour.green,
                                           SignBackgroundColour.blue)));
    FillRect(dc, &box, ground);
}

}  // namespace

unsigned FittingScale(const LedPattern& pattern, std::uint32_t count, int width, int height, RenderStyle style) {
    for (unsigned scale = MaxScale; scale > 1; --scale) {
        std::uint64_t w = 0, h = 0;
        RenderedSize(pattern, count, scale, count, &w, &h, style);
        if (w <= static_cast<std::uint64_t>(width) && h <= static_cast<std::uint64_t>(height)) return scale;
    }
    return 1;
}

void DrawRgbPicture(HDC dc, const RECT& box, const RgbPicture& picture, RenderStyle style) {
    FillBackground(dc, box, style);
    if (picture.width <= 0 || picture.height <= 0) return;
    // Device-independent rows are BGR and padded to four bytes.
    const int stride = (picture.width * 3 + 3) & ~3;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * picture.height, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* from = &picture.pixels[(static_cast<std::size_t>(y) * picture.width + x) * 3];
            std::uint8_t* to = &rows[static_cast<std::size_t>(y) * stride + x * 3];
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;   // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int width = box.right - box.left, height = box.bottom - box.top;
    const int left = box.left + std::max(0, (width - picture.width) / 2);
    const int top = box.top + std::max(0, (height - picture.height) / 2);
    SetDIBitsToDevice(dc, left, top, picture.width, picture.height, 0, 0, 0, picture.height, rows.data(), &info,
                      DIB_RGB_COLORS);
}

void DrawPictureView(const DRAWITEMSTRUCT& item, const LedPattern* pattern, std::uint32_t first, std::uint32_t count,
                     RenderStyle style) {
    RgbPicture picture;
    if (pattern && first < pattern->frameCount && count <= pattern->frameCount - first) {
        const int width = item.rcItem.right - item.rcItem.left, height = item.rcItem.bottom - item.rcItem.top;
        RenderFrames(*pattern, first, count, FittingScale(*pattern, count, width, height, style), count, &picture,
                     style);
    }
    DrawRgbPicture(item.hDC, item.rcItem, picture, style);
}

void DrawPictureOf(const DRAWITEMSTRUCT& item, const LedPattern* pattern, std::uint32_t picture, Planes planes,
                   RenderStyle style) {
    const std::uint64_t first = static_cast<std::uint64_t>(picture) * PlaneCount(planes);
    if (!pattern || first >= pattern->frameCount) {
        DrawPictureView(item, nullptr, 0, 0, style);
        return;
    }
    if (first + PlaneCount(planes) <= pattern->frameCount) {
        DrawPictureView(item, pattern, static_cast<std::uint32_t>(first), PlaneCount(planes), style);
        return;
    }
    // The last frame and its dark partner.
    LedPattern pair;
    pair.Create(pattern->columns, pattern->rows);
    pair.SetFrameCount(PlaneCount(planes));
    if (pair.frameCount == PlaneCount(planes)) pair.PasteFrame(0, pattern->Frame(static_cast<std::uint32_t>(first)));
    DrawPictureView(item, &pair, 0, pair.frameCount, style);
}
