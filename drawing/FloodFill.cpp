#include "drawing/FloodFill.h"

#include <vector>

CellMask FillRegion(const LedPattern& pattern, std::uint32_t frame, GridCell seed) {
    CellMask region(pattern.columns, pattern.rows);
    if (frame >= pattern.frameCount || !region.Contains(seed.column, seed.row)) return region;
    const bool state = pattern.GetPixel(frame, seed.column, seed.row);
    auto joins = [&](int column, int row) {
        return !region.Has(column, row) && pattern.GetPixel(frame, column, row) == state;
    };
    // Each entry is a cell from which a run of the row is still to be taken.
    std::vector<GridCell> pending{seed};
    while (!pending.empty()) {
        const GridCell cell = pending.back();
        pending.pop_back();
        if (!joins(cell.column, cell.row)) continue;
        int first = cell.column, last = cell.column;
        while (first > 0 && joins(first - 1, cell.row)) --first;
        while (last + 1 < pattern.columns && joins(last + 1, cell.row)) ++last;
        region.AddRun(cell.row, first, last);
        // One entry for each run of joining cells above and below.
        for (int row : {cell.row - 1, cell.row + 1}) {
            if (row < 0 || row >= pattern.rows) continue;
            bool inRun = false;
            for (int column = first; column <= last; ++column) {
                const bool joining = joins(column, row);
                if (joining && !inRun) pending.push_back({column, row});
                inRun = joining;
            }
        }
    }
    return region;
}
