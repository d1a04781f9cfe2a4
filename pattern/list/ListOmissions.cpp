#include "pattern/list/ListOmissions.h"

#include <map>

namespace {

PatternSize SizeOf(const EntryPlan& plan) { return PatternSize{plan.header.columns, plan.header.rows}; }

bool SameSize(const PatternSize& a, const PatternSize& b) { return a.columns == b.columns && a.rows == b.rows; }

std::string SizeText(const PatternSize& size) {
    return std::to_string(size.columns) + " x " + std::to_string(size.rows);
}

}  // namespace

void ListOmissions::Add(std::size_t index, const char* text, const EntryPlan& plan) {
    if (plan.kind == EntryKind::Reset) return;
    noted_.push_back(Noted{index, text, plan});
}

bool ListOmissions::CommonSize(PatternSize* size) const {
    // Count per size, and remember where each size was first met.
    std::map<unsigned, std::pair<std::size_t, std::size_t>> counts;   // size -> (count, first position)
    for (std::size_t i = 0; i < noted_.size(); ++i) {
        if (noted_[i].plan.kind != EntryKind::Pattern) continue;
        PatternSize here = SizeOf(noted_[i].plan);
        auto found = counts.emplace(here.columns << 8 | here.rows, std::make_pair(std::size_t{0}, i)).first;
        ++found->second.first;
    }
    if (counts.empty()) return false;
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second.first > best->second.first ||
            (it->second.first == best->second.first && it->second.second < best->second.second))
            best = it;
    *size = SizeOf(noted_[best->second.second].plan);
    return true;
}

std::vector<EntryOmission> ListOmissions::All() const {
    PatternSize common{0, 0};
    const bool haveCommon = CommonSize(&common);
    std::vector<EntryOmission> all;
    for (const Noted& entry : noted_) {
        if (entry.plan.kind == EntryKind::Skipped) {
            all.push_back(EntryOmission{entry.index, entry.text, Omission::WholeEntry, entry.plan});
            continue;
        }
        if (entry.plan.unpairedLastFrame)
            all.push_back(EntryOmission{entry.index, entry.text, Omission::LastFrame, entry.plan});
        if (haveCommon && !SameSize(SizeOf(entry.plan), common))
            all.push_back(EntryOmission{entry.index, entry.text, Omission::OtherSize, entry.plan});
    }
    return all;
}

std::string DescribeOmission(const EntryOmission& omission, const PatternSize& commonSize) {
    switch (omission.what) {
    case Omission::WholeEntry:
        return DescribeSkip(omission.plan);
    case Omission::LastFrame: {
        const unsigned frames = omission.plan.header.FrameCount();
        return "its last frame (" + std::to_string(frames) + " of " + std::to_string(frames) +
               ") is left out, as the display shows frames in pairs";
    }
    case Omission::OtherSize:
        return "its frames are " + SizeText(SizeOf(omission.plan)) + ", not " + SizeText(commonSize) +
               " as most in the list, so the HEX file cannot be read back at one size";
    }
    return "";
}
