// TextLayout: text to the frames of a pattern, the one rule that the command
// line and the editor share.
//
// The text is laid out as one strip: glyphs left to right from strip column
// 0, each advanced by its own width, no spacing between them; the strip is as
// high as the font's cell, and sits in every frame with its top at row
// (rows - height) / 2. Without a step, frame k shows strip columns
// k x columns .. k x columns + columns - 1 (the last piece padded dark). With
// step N, frame k shows columns k x N - columns .. k x N - 1: the text enters
// from the right edge, moves N columns a frame, and the last frame is the
// first after it has wholly left. The count is rounded up to an even number
// with a dark frame, since the display program carries frames in pairs, and
// may not pass LedPattern::MaxFrames. Inverted, every pixel of every frame is
// the other way round: the background lit, the text dark.
#ifndef LUMIGRID_TEXT_TEXTLAYOUT_H
#define LUMIGRID_TEXT_TEXTLAYOUT_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "GlyphSource.h"
#include "LedPattern.h"

// UTF-8 to code points; false for anything that is not well-formed UTF-8
// (overlong forms, surrogates, beyond U+10FFFF, cut-off sequences).
bool DecodeUtf8(const std::string& text, std::u32string* characters);
std::string EncodeUtf8(char32_t character);
// "U+3053 'こ'", as a user is shown a character.
std::string DescribeCharacter(char32_t character);

class TextStrip {
public:
    // Lays the text out in the font. Characters the font lacks are listed in
    // Missing() once each, in order, and left out when skipMissing; otherwise
    // their presence makes the layout fail (false).
    bool LayOut(GlyphSource& font, const std::u32string& text, bool skipMissing);

    const std::u32string& Missing() const { return missing_; }
    unsigned Height() const { return height_; }
    std::uint64_t Width() const { return width_; }
    // False outside the strip.
    bool Lit(std::int64_t column, unsigned row) const;

private:
    struct Placed {
        std::uint64_t column;
        const Glyph* glyph;
    };

    std::map<char32_t, Glyph> glyphs_;   // each character drawn once
    std::vector<Placed> placed_;         // in column order
    std::u32string missing_;
    unsigned height_ = 0;
    std::uint64_t width_ = 0;
};

struct TextFrameOptions {
    unsigned columns = 16;
    unsigned rows = 16;
    unsigned step = 0;   // 0: cut into frame-wide pieces; else 1 .. columns
    bool invert = false;
    std::uint8_t controlCode = ControlScroll;
    std::uint8_t wait = 1;
};

// Frames a strip this wide needs, rounded up to even, before the limit.
std::uint64_t TextFrameCount(std::uint64_t stripWidth, unsigned columns, unsigned step);
// The widest strip whose frames stay within LedPattern::MaxFrames.
std::uint64_t MaxStripWidth(unsigned columns, unsigned step);
// The strip column at the left edge of a frame; negative before the text.
std::int64_t FirstStripColumn(std::uint32_t frame, unsigned columns, unsigned step);

enum class TextPatternStatus { Made, TallerThanFrame, TooManyFrames, OutOfMemory };

struct TextPatternResult {
    std::unique_ptr<LedPattern> pattern;   // null unless Made
    TextPatternStatus status;
};

// The pattern of a strip: columns x rows frames, the header a new pattern
// gets with the chosen control code and wait (add-to-list flag 0).
TextPatternResult MakeTextPattern(const TextStrip& strip, const TextFrameOptions& options);

#endif
