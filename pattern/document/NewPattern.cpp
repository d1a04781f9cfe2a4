#include "pattern/document/NewPattern.h"

#include <new>

std::unique_ptr<LedPattern> NewBlankPattern(int columns, int rows, std::uint32_t frames) {
    if (columns < 1 || columns > 255 || rows < 1 || rows > 255 || frames < 1 || frames > LedPattern::MaxFrames)
        return nullptr;
    std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
    if (!pattern) return nullptr;
    pattern->Create(static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows));
    pattern->SetFrameCount(frames);
    if (pattern->frameCount != frames) return nullptr;
    pattern->header.controlCode = ControlNormal;
    pattern->header.wait = 1;
    pattern->modified = false;
    return pattern;
}
