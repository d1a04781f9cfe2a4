#include "pattern/program/ProgramRecovery.h"

#include <cstdio>
#include <new>
#include <string>

#include "pattern/program/FrameBitmap.h"

const RecoveredEntry* EntryGrouper::Take(const ProgramItem& item, std::size_t index, bool* started) {
    *started = false;
    const bool followsSamePicture = hasBefore_ && before_.kind == ProgramItemKind::Picture && before_.word == item.word;
    before_ = item;
    hasBefore_ = true;
    switch (item.kind) {
    case ProgramItemKind::Start:
    case ProgramItemKind::End: return nullptr;
    case ProgramItemKind::Reset:
        current_ = RecoveredEntry{true, 0, 0, index, 1, item.firstFrame, 0};
        break;
    case ProgramItemKind::Picture:
        if (hasCurrent_ && !current_.reset && followsSamePicture && current_.frameCount + 2 <= LedPattern::MaxFrames) {
            ++current_.itemCount;
            current_.frameCount += 2;
            return &current_;
        }
        current_ = RecoveredEntry{false, item.controlCode, item.wait, index, 1, item.firstFrame, 2};
        break;
    case ProgramItemKind::ScrollBlock:
    case ProgramItemKind::AnimationBlock:
        current_ = RecoveredEntry{false, item.controlCode, 0, index, 1, item.firstFrame, 2 * static_cast<std::size_t>(item.pairs)};
        break;
    }
    hasCurrent_ = true;
    *started = true;
    return &current_;
}

std::vector<RecoveredEntry> RecoverDisplayList(const ProgramListing& listing) {
    std::vector<RecoveredEntry> entries;
    EntryGrouper grouper;
    for (std::size_t i = 0; i < listing.items.size(); ++i) {
        bool started = false;
        const RecoveredEntry* entry = grouper.Take(listing.items[i], i, &started);
        if (!entry) continue;
        if (started) entries.push_back(*entry);
        else entries.back() = *entry;
    }
    return entries;
}

std::unique_ptr<LedPattern> EmptyRecoveredPattern(std::uint8_t columns, std::uint8_t rows, const RecoveredEntry& entry,
                                                  std::size_t count) {
    std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
    if (!pattern || count > LedPattern::MaxFrames) return nullptr;
    pattern->Create(columns, rows);
    pattern->SetFrameCount(static_cast<std::uint32_t>(count));
    if (pattern->frameCount != count) return nullptr;
    pattern->header.controlCode = entry.controlCode;
    pattern->header.wait = entry.wait;
    pattern->modified = false;
    return pattern;
}

std::unique_ptr<LedPattern> RecoverFrames(const std::uint8_t* image, const ProgramListing& listing,
                                          const RecoveredEntry& entry, std::size_t first, std::size_t count) {
    std::unique_ptr<LedPattern> pattern = EmptyRecoveredPattern(listing.columns, listing.rows, entry, count);
    if (!pattern) return nullptr;
    for (std::size_t f = 0; f < count; ++f) {
        const std::size_t frame = first + f;
        // A block holds all its frames; a run of pictures two each.
        const ProgramItem& item = listing.items[entry.firstItem + (entry.itemCount == 1 ? 0 : (frame - entry.firstFrame) / 2)];
        ReadFrameBitmap(image + listing.FrameOffset(item, frame), listing.columns, listing.rows,
                        pattern->frames.get() + f * pattern->FrameSize());
    }
    return pattern;
}

bool EntryWalk::Next(ProgramItem* item) {
    if (!program_.Next(item)) return false;
    bool started = false;
    entry_ = grouper_.Take(*item, index_++, &started);
    startedEntry_ = entry_ && started;
    if (startedEntry_) {
        if (started_ > 0 && !previousReset_) ++pattern_;
        previousReset_ = entry_->reset;
        ++started_;
    }
    return true;
}

bool SurveyProgram(ImageSource& image, std::uint8_t columns, std::uint8_t rows, ProgramSurvey* survey,
                   ProgramReadError* error) {
    *survey = ProgramSurvey();
    EntryWalk walk(image, columns, rows);
    ProgramItem item;
    while (walk.Next(&item)) {
        ++survey->items;
        survey->pictures += item.kind == ProgramItemKind::Picture;
        survey->scrolls += item.kind == ProgramItemKind::ScrollBlock;
        survey->animations += item.kind == ProgramItemKind::AnimationBlock;
        survey->resets += item.kind == ProgramItemKind::Reset;
        survey->frames += 2 * static_cast<std::uint64_t>(item.pairs);
        const RecoveredEntry* entry = walk.Entry();
        if (!entry) continue;
        if (walk.EntryCount() > survey->entries.size()) {
            survey->entries.push_back(*entry);
            survey->patterns += !entry->reset;
        } else {
            survey->entries.back() = *entry;
        }
        if (!survey->oversized && entry->frameCount > LedPattern::MaxFrames) {
            survey->oversized = true;
            // Only a block, one item, holds more.
            survey->oversizedItem = item;
            survey->oversizedFrames = entry->frameCount;
        }
    }
    *error = walk.Program().Error();
    return walk.Program().Sound();
}

bool EntriesFitPatterns(const ProgramSurvey& survey, ProgramReadError* error) {
    if (!survey.oversized) return true;
    char word[8];
    std::snprintf(word, sizeof word, "%04X", survey.oversizedItem.word);
    error->offset = survey.oversizedItem.offset;
    error->what = std::string("the block ") + word + " holds " + std::to_string(survey.oversizedFrames) +
                  " frames; a pattern holds at most " + std::to_string(LedPattern::MaxFrames) +
                  ", so no pattern file builds it";
    return false;
}

RecoveryStatus RecoverPatterns(ImageSource& image, std::uint8_t columns, std::uint8_t rows,
                               const ProgramSurvey& survey, const RecoveredEntryReceiver& receive,
                               RecoveryNotes* notes) {
    EntryWalk walk(image, columns, rows);
    std::vector<std::uint8_t> bitmap(walk.Program().FrameBytes());
    std::unique_ptr<LedPattern> pattern;   // of the current entry, until it is whole
    std::size_t filled = 0;
    ProgramItem item;
    while (walk.Next(&item)) {
        if (!walk.Entry()) continue;
        const std::size_t e = walk.EntryCount() - 1;
        if (e >= survey.entries.size()) return RecoveryStatus::ChangedWhileRead;
        const RecoveredEntry& whole = survey.entries[e];
        if (walk.StartedEntry()) {
            // The pattern numbers are the survey's only while its entries are.
            if (walk.Entry()->reset != whole.reset) return RecoveryStatus::ChangedWhileRead;
            if (whole.reset) {
                if (!receive(whole, walk.PatternNumber(), nullptr)) return RecoveryStatus::Stopped;
                continue;
            }
            notes->animationBlocks += item.kind == ProgramItemKind::AnimationBlock;
            pattern = EmptyRecoveredPattern(columns, rows, whole, whole.frameCount);
            filled = 0;
            if (!pattern) return RecoveryStatus::OutOfMemory;
        }
        for (std::uint32_t f = 0; f < 2 * item.pairs; ++f) {
            if (!pattern || filled == pattern->frameCount || !walk.Program().ReadFrame(bitmap.data()))
                return RecoveryStatus::ChangedWhileRead;
            notes->paddedFrames += !BitmapPaddingIsClear(bitmap.data(), columns, rows);
            ReadFrameBitmap(bitmap.data(), columns, rows, pattern->frames.get() + filled * pattern->FrameSize());
            ++filled;
        }
        if (pattern && filled == pattern->frameCount && !receive(whole, walk.PatternNumber(), std::move(pattern)))
            return RecoveryStatus::Stopped;
    }
    if (!walk.Program().Sound() || walk.EntryCount() != survey.entries.size() || pattern)
        return RecoveryStatus::ChangedWhileRead;
    return RecoveryStatus::Recovered;
}

bool RecoverProgram(const std::uint8_t* image, std::size_t size, std::uint8_t columns, std::uint8_t rows,
                    RecoveredProgram* program, ProgramReadError* error) {
    RecoveredProgram recovered;
    RecoveryStatus status = RecoveryStatus::OutOfMemory;
    try {
        ProgramSurvey survey;
        MemoryImageSource surveyed(image, size);
        if (!SurveyProgram(surveyed, columns, rows, &survey, error) || !EntriesFitPatterns(survey, error))
            return false;
        MemoryImageSource source(image, size);
        auto keep = [&recovered](const RecoveredEntry& entry, std::size_t, std::unique_ptr<LedPattern> pattern) {
            recovered.entries.push_back(entry);
            recovered.patterns.push_back(std::move(pattern));
            return true;
        };
        status = RecoverPatterns(source, columns, rows, survey, keep, &recovered.notes);
    } catch (const std::bad_alloc&) {
    }
    if (status != RecoveryStatus::Recovered) {
        // The image in memory cannot change between the two reads.
        *error = ProgramReadError{0, "not enough memory for the patterns"};
        return false;
    }
    *program = std::move(recovered);
    return true;
}
