// LedPattern: the document the editor works on, an ordered sequence of
// monochrome frames of one size, with the header of its .led file.
//
// A frame is rows x rowBytes bytes, row-major, top row first. Pixel (x, y)
// is bit 0x80 >> (x & 7) of byte y * rowBytes + x / 8, set when the LED is
// lit. When columns is not a multiple of 8 the low bits of each row's last
// byte carry no pixel; they are kept as they are (InvertFrame sets them) and
// stored in files unchanged.
//
// Frame indices out of range are ignored by every operation (GetPixel gives
// false). Columns and rows are not checked: callers pass cells inside the
// picture.
//
// The frames lie one after another in one block, at most MaxFrames of them.
// SetFrameCount clamps a larger count to MaxFrames, so the pattern can never
// outgrow that. If the block for a new count cannot be allocated, the frames
// stay as they were.
#ifndef LUMIGRID_PATTERN_LEDPATTERN_H
#define LUMIGRID_PATTERN_LEDPATTERN_H

#include <cstddef>
#include <cstdint>
#include <memory>

#include "panekit/Platform.h"
#include "pattern/document/LedFileHeader.h"

class HexImageWriter;

class LedPattern {
public:
    static constexpr std::uint32_t MaxFrames = 2048;

    LedPattern();
    ~LedPattern();
    LedPattern(const LedPattern&) = delete;
    LedPattern& operator=(const LedPattern&) = delete;

    // Sets the size and one blank frame, no file name, modified cleared, and
    // a new header (Animation, wait 0). Callers follow it with SetFrameCount.
    void Create(std::uint8_t columns, std::uint8_t rows);
    // Frees the file name and every frame.
    void Release();

    void TogglePixel(std::uint32_t frame, unsigned x, unsigned y);
    void SetPixel(std::uint32_t frame, unsigned x, unsigned y);
    bool GetPixel(std::uint32_t frame, unsigned x, unsigned y) const;
    void InvertFrame(std::uint32_t frame);
    void ClearFrame(std::uint32_t frame);
    // Copy FrameSize() bytes from source into the frame, or out of it.
    void PasteFrame(std::uint32_t frame, const std::uint8_t* source);
    void CopyFrame(std::uint32_t frame, std::uint8_t* destination) const;
    void SetFrameCount(std::uint32_t count);
    void SetFileName(const char* path);
    // Makes the pattern a new, unnamed one: the next save asks for a file
    // name, so that no earlier file is overwritten with another pattern.
    void ForgetFileName() { SetFileName(nullptr); }
#ifdef _WIN32
    // Saves the pattern as its user asks (SaveDialog.cpp). A first save and
    // every save as choose the file in the save dialog and then the control
    // code in SaveDialog, whose list box is offered when listSelected; a plain
    // save of a named pattern writes silently with the add-to-list flag 0.
    // False when cancelled or when writing failed (the file is then as it was).
    bool Save(HWND owner, bool listSelected, bool saveAs);
#endif
    // Pushes the frame's display program bitmap into the writer (see
    // DisplayProgram.h); a frame out of range comes out as all unlit.
    void EmitFrame(HexImageWriter& writer, std::uint32_t frame) const;

    // Bytes of one frame: rows x row bytes.
    std::size_t FrameSize() const { return static_cast<std::size_t>(rows) * rowBytes; }
    // The frame's bytes, or null for a frame out of range.
    const std::uint8_t* Frame(std::uint32_t frame) const;
    // Row bytes for a number of columns: columns / 8, rounded up.
    static std::uint8_t RowBytesFor(std::uint8_t columns);

    // frameCount x FrameSize() bytes, frame after frame (one block, so that
    // loading a long pattern costs one allocation, not one per frame).
    std::unique_ptr<std::uint8_t[]> frames;
    std::uint32_t frameCount;
    std::uint8_t rows;
    std::uint8_t rowBytes;
    std::uint8_t columns;
    std::unique_ptr<char[]> fileName;
    LedFileHeader header;
    bool modified;

private:
    std::unique_ptr<std::uint8_t[]> NewFrames(std::uint32_t count) const;
    std::uint8_t* PixelByte(std::uint32_t frame, unsigned x, unsigned y) const;
};

#endif
