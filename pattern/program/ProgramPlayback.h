// ProgramPlayback: a model of a sign playing its display program, what it
// shows tick by tick, for the previews (lumigrid-cli preview, the editor's
// Preview List window) and any later simulator.
//
// The board's exact timing is its own; the model assumes:
//   - a picture is its two planes, both shown at once; a sign of one plane
//     shows the two frames of each picture in turn, each as the picture
//     would be shown (and On-Off's dark after each);
//   - Normal, wait w: the picture for w ticks (a wait of 0 counts as 1);
//     Animation (written as Normal with wait 0): one tick each;
//   - On-Off, wait w: the picture for w ticks, then dark for w ticks (0
//     counts as 1 here too);
//   - a scroll block (and an older editor's Animation block): its pictures
//     one tick each, in order;
//   - reset: one dark tick, then the program goes on;
//   - end: the program starts again; one pass is start to end.
// The length of a tick is the caller's (lumigrid-cli --tick, 100 ms by
// default, as the editor's Play takes a wait of 1).
//
// A program comes from a HEX file through HexImageReader, or from a display
// list built exactly as Create Hex File builds it (every pattern file loaded
// as last saved, the same entries skipped) and read back the same way. A
// sign has one frame size: a list's patterns of another size than the
// sign's are left out, and said so.
#ifndef LUMIGRID_PATTERN_PROGRAMPLAYBACK_H
#define LUMIGRID_PATTERN_PROGRAMPLAYBACK_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pattern/document/PictureCanvas.h"
#include "pattern/list/DisplayList.h"
#include "pattern/list/ListOmissions.h"
#include "pattern/program/DisplayProgramReader.h"

// What the sign shows for a number of ticks: a picture, or nothing.
struct ShownPicture {
    bool dark;
    std::size_t item;     // of the listing, for a picture
    std::size_t frame;    // program-wide number of the picture's plane 0 (one plane: of the frame)
    std::uint32_t ticks;
};

struct ProgramPlayback {
    std::vector<std::uint8_t> image;
    ProgramListing listing;
    std::vector<ShownPicture> shown;   // one pass, in order
    std::uint64_t ticks = 0;           // of the pass
    Planes planes = Planes::Two;       // of the sign it was played on

    // Whether LED (x, y) of a plane (0 or 1; 0 alone with one plane) is lit
    // in what is shown.
    bool Lit(const ShownPicture& picture, unsigned plane, unsigned x, unsigned y) const;
};

// Walks the items of a program read at its size into what a sign of those
// planes shows.
void PlayProgram(ProgramPlayback& playback, Planes planes = Planes::Two);

// An entry of a list that adds nothing to what the sign shows, and why.
struct SkippedEntry {
    std::size_t index;
    std::string text;
    std::string why;
    // The same, for a reader to put in its own words: the whole entry
    // (plan.skipReason says why) or frames of another size than the sign's.
    Omission what;
    EntryPlan plan;
    PatternSize signSize;
};

struct PlaybackLoad {
    bool loaded = false;
    std::string problem;                 // when not loaded
    std::vector<SkippedEntry> skipped;   // of a list
    ProgramPlayback playback;
};

// The program of a HEX file, read at columns x rows, played on a sign of
// those planes.
PlaybackLoad LoadHexPlayback(const char* path, std::uint8_t columns, std::uint8_t rows, Planes planes = Planes::Two);
// The program of a list on a sign of columns x rows; 0 x 0 takes the size of
// the first pattern in the list (16 x 16 when there is none).
PlaybackLoad LoadListPlayback(const DisplayList& list, std::uint8_t columns, std::uint8_t rows,
                              Planes planes = Planes::Two);

#endif
