#include "controls/RegionRuns.h"

#include <algorithm>

std::vector<RegionRect> ComputeRegionRuns(const PixelRows& bitmap, std::uint32_t keyPixel,
                                          const ClientPlacement& client) {
    std::vector<RegionRect> runs;
    const int scanWidth = std::max(0, std::min(bitmap.width, client.width));
    const int scanHeight = std::max(0, std::min(bitmap.height, client.height));
    const std::uint32_t key = keyPixel & 0xFFFFFFu;
    for (int y = 0; y < scanHeight; ++y) {
        const std::uint32_t* row = bitmap.pixels + y * bitmap.stride;
        const int top = client.offsetY + y;
        int start = 0;
        for (int x = 0; x < scanWidth; ++x) {
            if ((row[x] & 0xFFFFFFu) != key) continue;
            if (start != x)
                runs.push_back({client.offsetX + start, top, client.offsetX + x, top + 1});
            start = x + 1;
        }
        if (start != scanWidth)
            runs.push_back({client.offsetX + start, top, client.offsetX + scanWidth, top + 1});
    }
    return runs;
}

std::vector<RegionRect> JoinIdenticalRows(const std::vector<RegionRect>& runs) {
    std::vector<RegionRect> joined;
    std::size_t bandStart = 0;  // first rectangle of the last band in `joined`
    std::size_t i = 0;
    while (i < runs.size()) {
        std::size_t rowEnd = i;
        while (rowEnd < runs.size() && runs[rowEnd].top == runs[i].top) ++rowEnd;
        const std::size_t bandSize = joined.size() - bandStart;
        bool same = bandSize == rowEnd - i && bandSize > 0 &&
                    joined[bandStart].bottom == runs[i].top;
        for (std::size_t k = 0; same && k < bandSize; ++k)
            same = joined[bandStart + k].left == runs[i + k].left &&
                   joined[bandStart + k].right == runs[i + k].right;
        if (same) {
            for (std::size_t k = 0; k < bandSize; ++k) joined[bandStart + k].bottom = runs[i].bottom;
        } else {
            bandStart = joined.size();
            joined.insert(joined.end(), runs.begin() + i, runs.begin() + rowEnd);
        }
        i = rowEnd;
    }
    return joined;
}
