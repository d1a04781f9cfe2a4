#include "pattern/program/ProgramPlayback.h"

#include <cstring>
#include <new>

#include "pattern/hex/HexImageReader.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/program/DisplayProgram.h"

namespace {

const std::uint8_t DefaultSignSide = 16;

std::uint32_t AtLeastOne(std::uint8_t wait) { return wait ? wait : 1; }

void Show(ProgramPlayback& playback, bool dark, std::size_t item, std::size_t frame, std::uint32_t ticks) {
    playback.shown.push_back(ShownPicture{dark, item, frame, ticks});
    playback.ticks += ticks;
}

std::string SizeText(unsigned columns, unsigned rows) { return std::to_string(columns) + "x" + std::to_string(rows); }

bool ReadProgram(PlaybackLoad& load, std::uint8_t columns, std::uint8_t rows, Planes planes) {
    ProgramPlayback& playback = load.playback;
    ProgramReadError error;
    if (!ReadDisplayProgram(playback.image.data(), playback.image.size(), columns, rows, &playback.listing, &error)) {
        char offset[16];
        std::snprintf(offset, sizeof offset, "%04zX", error.offset);
        load.problem = "offset " + std::string(offset) + " at " + SizeText(columns, rows) + ": " + error.what;
        return false;
    }
    try {
        PlayProgram(playback, planes);
    } catch (const std::bad_alloc&) {
        load.problem = "not enough memory for the pictures of the program";
        return false;
    }
    load.loaded = true;
    return true;
}

// Appends an entry to a list held in memory only, never saved.
void AppendEntry(DisplayList& list, const char* text) {
    DisplayListEntry* entry = new DisplayListEntry{std::unique_ptr<char[]>(new char[std::strlen(text) + 1]), nullptr};
    std::strcpy(entry->text.get(), text);
    if (list.last) list.last->next = entry;
    else list.first = entry;
    list.last = entry;
}

// The list's program as Create Hex File writes it, through a scratch HEX
// file read back as any HEX file is, so that a list plays exactly what the
// board would be given.
bool BuildImage(const DisplayList& list, std::vector<std::uint8_t>* image, std::string* problem) {
    CFile scratch(nullptr);
    // A fresh name in the temporary folder; the writer puts its file there.
    if (!scratch.OpenAsTemporary("lgp")) {
        *problem = "no scratch file could be made in the temporary folder";
        return false;
    }
    std::string path = scratch.GetFilename();
    scratch.Close();
    HexImageWriter writer;
    bool built = writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32));
    if (built) built = BuildDisplayProgram(list, writer);
    if (built) built = writer.Close();
    else writer.Discard();
    if (!built) {
        *problem = std::string("the program could not be built: ") + DescribeHexExportError(writer.Error());
        return false;
    }
    HexImage hex;
    HexReadError error;
    const bool read = ReadHexFile(path.c_str(), &hex, &error);
    CFile written(nullptr);
    if (written.Open(path.c_str(), 1)) {
        written.Close();
        written.Delete();
    }
    if (!read) {
        *problem = "the program could not be read back: " + error.Describe();
        return false;
    }
    *image = std::move(hex.bytes);
    return true;
}

}  // namespace

bool ProgramPlayback::Lit(const ShownPicture& picture, unsigned plane, unsigned x, unsigned y) const {
    if (picture.dark || plane >= PlaneCount(planes)) return false;
    return FramePixelLit(image.data(), listing, listing.items[picture.item], picture.frame + plane, x, y);
}

void PlayProgram(ProgramPlayback& playback, Planes planes) {
    playback.shown.clear();
    playback.ticks = 0;
    playback.planes = planes;
    // What the sign shows of a pair at once, and so how many times in turn.
    const unsigned turns = 2 / PlaneCount(planes);
    const std::vector<ProgramItem>& items = playback.listing.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ProgramItem& item = items[i];
        switch (item.kind) {
        case ProgramItemKind::Picture:
            for (unsigned turn = 0; turn < turns; ++turn) {
                Show(playback, false, i, item.firstFrame + turn, AtLeastOne(item.wait));
                if (item.controlCode == ControlOnOff) Show(playback, true, i, 0, AtLeastOne(item.wait));
            }
            break;
        case ProgramItemKind::ScrollBlock:
        case ProgramItemKind::AnimationBlock:
            for (std::uint32_t pair = 0; pair < item.pairs; ++pair)
                for (unsigned turn = 0; turn < turns; ++turn)
                    Show(playback, false, i, item.firstFrame + 2 * pair + turn, 1);
            break;
        case ProgramItemKind::Reset:
            Show(playback, true, i, 0, 1);
            break;
        case ProgramItemKind::Start:
        case ProgramItemKind::End:
            break;
        }
    }
}

PlaybackLoad LoadHexPlayback(const char* path, std::uint8_t columns, std::uint8_t rows, Planes planes) {
    PlaybackLoad load;
    HexImage hex;
    HexReadError error;
    if (!ReadHexFile(path, &hex, &error)) {
        load.problem = error.Describe();
        return load;
    }
    load.playback.image = std::move(hex.bytes);
    ReadProgram(load, columns, rows, planes);
    return load;
}

PlaybackLoad LoadListPlayback(const DisplayList& list, std::uint8_t columns, std::uint8_t rows, Planes planes) {
    PlaybackLoad load;
    DisplayList kept;
    std::size_t index = 0;
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next, ++index) {
        const EntryPlan plan = PlanEntry(entry->text.get());
        if (plan.kind == EntryKind::Skipped) {
            load.skipped.push_back(
                SkippedEntry{index, entry->text.get(), DescribeSkip(plan), Omission::WholeEntry, plan, {0, 0}});
            continue;
        }
        if (plan.kind == EntryKind::Pattern) {
            if (columns == 0 && rows == 0) {
                columns = plan.header.columns;
                rows = plan.header.rows;
            }
            if (plan.header.columns != columns || plan.header.rows != rows) {
                load.skipped.push_back(SkippedEntry{
                    index, entry->text.get(),
                    "its frames are " + SizeText(plan.header.columns, plan.header.rows) + ", the sign's " +
                        SizeText(columns, rows),
                    Omission::OtherSize, plan, {columns, rows}});
                continue;
            }
        }
        AppendEntry(kept, entry->text.get());
    }
    if (columns == 0 && rows == 0) columns = rows = DefaultSignSide;
    if (!BuildImage(kept, &load.playback.image, &load.problem)) return load;
    ReadProgram(load, columns, rows, planes);
    return load;
}
