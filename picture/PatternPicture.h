// PatternPicture: frames of a pattern drawn (PatternRender) and written as a
// PNG file, all or nothing: the file appears only when every byte is written
// and an earlier file of that name stays as it was otherwise.
#ifndef LUMIGRID_PICTURE_PATTERNPICTURE_H
#define LUMIGRID_PICTURE_PATTERNPICTURE_H

#include <cstdint>

#include "picture/PatternRender.h"

enum class PictureFileStatus { Written, NoPixels, TooLarge, OutOfMemory, CannotWrite };

// Frames first .. first + count - 1, as RenderFrames draws them.
PictureFileStatus WritePatternPicture(const LedPattern& pattern, std::uint32_t first, std::uint32_t count,
                                      unsigned scale, unsigned framesPerRow, const char* path,
                                      RenderStyle style);

#endif
