// TextLayout: text to the frames of a pattern, the one rule that the command
// line and the editor share.
//
// The text is set as a block of lines: a newline starts a new line, and the
// lines follow each other with lineSpacing empty rows between them. Each
// character comes from the first font of the chain that has it; the fonts of
// a line stand on the baseline of the tallest of them, as far as each stays
// within that font's height, which is the line's. In a line, characters
// follow each other at their own advance (a bitmap font's cell, a
// proportional font's advance) with spacing empty columns between them;
// combining marks are drawn over the character before them, and letters
// that join (Arabic) are kept together. Right-to-left runs are shown in
// their order by the bidirectional algorithm, and a font with shaping of its
// own shapes the runs that need it (TextScript.h, GlyphSource.h).
//
// The text is cut into screens of the sign, which are its pictures
// (PictureCanvas.h): in the Normal, Animation and On-Off modes a picture of
// two planes is two frames side by side, a screen of 2 x columns, split into
// its frames; in Scroll mode the board moves the frames along in order, so
// there a screen is one frame whatever the planes. Below, the screen's width
// is "width" and screen k is picture k.
//
// The block sits in every screen with its top at the row asked, or by
// default at (rows - height) / 2. Without a step, the block is cut into
// screen-wide pieces, and every line is aligned within the screens the
// widest line takes: screen k shows block columns k x width .. k x width +
// width - 1. With step N, the lines scroll together, aligned within the
// widest: screen k shows columns k x N - width .. k x N - 1, so the text
// enters from the right edge, moves N columns a screen, and the last screen
// is the first after it has wholly left. A text that reads right to left
// runs the other way: its first screen is the rightmost, and it enters from
// the left edge. One frame a screen, the count is rounded up to an even
// number with a dark frame, since the display program carries frames in
// pairs; it may not pass LedPattern::MaxFrames. Inverted, every pixel of
// every frame is the other way round: the background lit, the text dark.
//
// TextLayout.cpp sets the block, LineLayout.cpp each of its lines, and
// TextFrames.cpp cuts the block into frames.
#ifndef LUMIGRID_TEXT_TEXTLAYOUT_H
#define LUMIGRID_TEXT_TEXTLAYOUT_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pattern/document/LedPattern.h"
#include "pattern/document/PictureCanvas.h"
#include "text/FontChain.h"
#include "text/GlyphSource.h"
#include "text/LineLayout.h"

// A one-line text box's way of typing lines: "\n" is a newline and "\\" a
// backslash; any other backslash stays as it is.
std::u32string ExpandLineBreaks(const std::u32string& typed);

// How the characters are set, before the block is cut into frames.
struct TextStyle {
    static constexpr int MinSpacing = -1;
    static constexpr int MaxSpacing = 255;
    static constexpr unsigned MaxLineSpacing = 255;

    int spacing = 0;            // empty columns between characters; -1 overlaps them by one
    unsigned lineSpacing = 0;   // empty rows between lines
};

class TextStrip {
public:
    // Lays the text out in one font, as LayOut with a chain of that font.
    bool LayOut(GlyphSource& font, const std::u32string& text, bool skipMissing);
    // Lays the text out. Characters no font has are listed in Missing() once
    // each, in order, and left out when skipMissing; otherwise their presence
    // makes the layout fail (false).
    bool LayOut(FontChain& fonts, const std::u32string& text, const TextStyle& style, bool skipMissing);

    const std::u32string& Missing() const { return missing_; }
    // The block of lines: as high as all of them, as wide as the widest.
    unsigned Height() const { return height_; }
    std::uint64_t Width() const { return width_; }
    std::size_t LineCount() const { return lines_.size(); }
    std::uint64_t LineWidth(std::size_t line) const { return lines_[line].width; }
    // The text's first strongly directed character reads right to left.
    bool RightToLeft() const { return rightToLeft_; }
    // Whether a pixel of the block is lit, the lines flush left; false
    // outside the block.
    bool Lit(std::int64_t column, unsigned row) const;

    const TextLine& LineAt(std::size_t line) const { return lines_[line]; }

private:
    GlyphStore glyphs_;
    std::vector<TextLine> lines_;
    std::u32string missing_;
    unsigned height_ = 0;
    std::uint64_t width_ = 0;
    bool rightToLeft_ = false;
};

enum class TextAlign { Start, Left, Center, Right };   // Start: left, or right for right-to-left text

struct TextFrameOptions {
    static constexpr int Centred = -1;

    unsigned columns = 16;
    unsigned rows = 16;
    unsigned step = 0;   // 0: cut into frame-wide pieces; else 1 .. columns
    TextAlign align = TextAlign::Start;
    int top = Centred;   // the row of the block's top, 0 or more; Centred: (rows - height) / 2
    bool invert = false;
    std::uint8_t controlCode = ControlScroll;
    std::uint8_t wait = 1;
    Planes planes = Planes::One;   // of the sign's pictures
};

// The planes of a screen: one in Scroll mode, else the sign's.
Planes TextPlanes(const TextFrameOptions& options);
// A screen's columns: columns x its planes.
unsigned TextScreenWidth(const TextFrameOptions& options);

// Frames a strip this wide needs on screens of one frame, columns wide,
// rounded up to even, before the limit.
std::uint64_t TextFrameCount(std::uint64_t stripWidth, unsigned columns, unsigned step);
// Frames a strip this wide needs on the screens of the options.
std::uint64_t TextFrameCount(std::uint64_t stripWidth, const TextFrameOptions& options);
// The widest strip whose frames stay within LedPattern::MaxFrames: on
// screens of one frame, columns wide, and on the screens of the options.
std::uint64_t MaxStripWidth(unsigned columns, unsigned step);
std::uint64_t MaxStripWidth(const TextFrameOptions& options);
// The strip column at the left edge of a screen width columns wide of a text
// that reads left to right; negative before the text.
std::int64_t FirstStripColumn(std::uint32_t screen, unsigned width, unsigned step);

enum class TextPatternStatus { Made, TallerThanFrame, TooManyFrames, OutOfMemory };

struct TextPatternResult {
    std::unique_ptr<LedPattern> pattern;   // null unless Made
    TextPatternStatus status;
};

// The pattern of a strip: columns x rows frames, the header a new pattern
// gets with the chosen control code and wait (add-to-list flag 0). Taller
// than the frame means the block does not fit below the top asked. Planes
// not named are one: a screen is a frame.
TextPatternResult MakeTextPattern(const TextStrip& strip, const TextFrameOptions& options);

#endif
