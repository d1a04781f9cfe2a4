// Pictures of frames drawn into owner-drawn controls (the previews of the
// picture import, the Effects dialog and the Preview List window), as
// PatternRender draws them, at the largest scale that fits, centred.
#ifndef LUMIGRID_EDITOR_PICTUREVIEW_H
#define LUMIGRID_EDITOR_PICTUREVIEW_H

#include <windows.h>

#include <cstdint>

#include "pattern/document/PictureCanvas.h"
#include "picture/PatternRender.h"

// The largest scale at which count frames side by side fit width x height;
// at least 1.
unsigned FittingScale(const LedPattern& pattern, std::uint32_t count, int width, int height, RenderStyle style);
// The picture centred in the box, on the style's background.
void DrawRgbPicture(HDC dc, const RECT& box, const RgbPicture& picture, RenderStyle style);
// Frames first .. first + count - 1 side by side; only the background when
// there is no pattern or no such frame.
void DrawPictureView(const DRAWITEMSTRUCT& item, const LedPattern* pattern, std::uint32_t first, std::uint32_t count,
                     RenderStyle style);
// Picture i of the pattern whole: its planes side by side, a cell apart, as
// the Preview List and the preview GIF show them; a partner past the last
// frame dark.
void DrawPictureOf(const DRAWITEMSTRUCT& item, const LedPattern* pattern, std::uint32_t picture, Planes planes,
                   RenderStyle style);

#endif
