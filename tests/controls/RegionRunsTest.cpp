#include "controls/RegionRuns.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kKey = 0x00FF00FF;

// A bitmap drawn as text: '.' is the key colour, any other character an opaque pixel.
struct TextBitmap {
    explicit TextBitmap(const std::vector<std::string>& rows)
        : width(rows.empty() ? 0 : static_cast<int>(rows[0].size())), height(static_cast<int>(rows.size())) {
        for (const std::string& row : rows)
            for (char c : row) pixels.push_back(c == '.' ? kKey : c == 'n' ? 0x00FE00FF : 0x00102030);
    }
    PixelRows Rows() const { return {pixels.data(), width, height, width}; }
    std::vector<std::uint32_t> pixels;
    int width;
    int height;
};

std::set<std::pair<int, int>> Covered(const std::vector<RegionRect>& rects) {
    std::set<std::pair<int, int>> points;
    for (const RegionRect& r : rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) points.insert({x, y});
    return points;
}

struct RunsCase {
    const char* name;
    std::vector<std::string> bitmap;
    ClientPlacement client;
    std::vector<RegionRect> expected;
};

class RegionRunsTable : public testing::TestWithParam<RunsCase> {};

TEST_P(RegionRunsTable, RunsFollowThePixelWalk) {
    const RunsCase& c = GetParam();
    const TextBitmap bitmap(c.bitmap);
    EXPECT_EQ(ComputeRegionRuns(bitmap.Rows(), kKey, c.client), c.expected);
}

const RunsCase kRunsCases[] = {
    {"NoKeyPixelGivesOneRunPerRow", {"###", "###"}, {0, 0, 3, 2}, {{0, 0, 3, 1}, {0, 1, 3, 2}}},
    {"FullyKeyColouredRowAddsNothing", {"##.", "...", "#.#"}, {0, 0, 3, 3},
     {{0, 0, 2, 1}, {0, 2, 1, 3}, {2, 2, 3, 3}}},
    {"LastPixelOpaqueAddsFinalRun", {".#.##"}, {0, 0, 5, 1}, {{1, 0, 2, 1}, {3, 0, 5, 1}}},
    {"KeyRunsInsideRowSplitIt", {"#..#..##"}, {0, 0, 8, 1}, {{0, 0, 1, 1}, {3, 0, 4, 1}, {6, 0, 8, 1}}},
    {"ColourNextToKeyIsOpaque", {".n."}, {0, 0, 3, 1}, {{1, 0, 2, 1}}},
    {"BitmapWiderAndTallerThanClientIsCut", {"#.###", "#####", "#####"}, {0, 0, 3, 2},
     {{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 3, 2}}},
    {"ClientLargerThanBitmapShowsOnlyTheBitmap", {"#.", "##"}, {0, 0, 6, 5},
     {{0, 0, 1, 1}, {0, 1, 2, 2}}},
    {"ClientOffsetShiftsEveryRun", {".#", "#."}, {4, 22, 2, 2}, {{5, 22, 6, 23}, {4, 23, 5, 24}}},
    {"EmptyClientGivesNoRuns", {"##"}, {0, 0, 0, 0}, {}},
};
INSTANTIATE_TEST_SUITE_P(Cases, RegionRunsTable, testing::ValuesIn(kRunsCases),
                         [](const testing::TestParamInfo<RunsCase>& info) { return info.param.name; });

TEST(RegionRuns, TopByteOfPixelsIsIgnoredAndRowsFollowTheStride) {
    // Two rows of three pixels stored with a stride of four; the padding pixel is never read.
    const std::vector<std::uint32_t> pixels = {0xFF00FF00, 0xAAFF00FF, 0x00000000, 0x12345678,
                                               0x00FF00FF, 0x00FF00FF, 0x01FFFFFF, 0x00FF00FF};
    const PixelRows rows{pixels.data(), 3, 2, 4};
    const std::vector<RegionRect> expected = {{0, 0, 1, 1}, {2, 0, 3, 1}, {2, 1, 3, 2}};
    EXPECT_EQ(ComputeRegionRuns(rows, kKey, {0, 0, 3, 2}), expected);
}

TEST(RegionRuns, ColorRefKeyMatchesPixelOrder) {
    EXPECT_EQ(ColorRefToPixel(0x00FF00FF), 0x00FF00FFu);
    EXPECT_EQ(ColorRefToPixel(0x00332211), 0x00112233u);  // COLORREF is 0x00BBGGRR
}

TEST(JoinIdenticalRows, JoinsOnlyAdjacentRowsWithTheSameRuns) {
    const TextBitmap bitmap({
        "#..#",
        "#..#",
        "#..#",
        "##.#",
        "....",
        "##.#",
        "##.#",
    });
    const std::vector<RegionRect> runs = ComputeRegionRuns(bitmap.Rows(), kKey, {2, 3, 4, 7});
    const std::vector<RegionRect> joined = JoinIdenticalRows(runs);
    const std::vector<RegionRect> expected = {
        {2, 3, 3, 6}, {5, 3, 6, 6}, {2, 6, 4, 7}, {5, 6, 6, 7}, {2, 8, 4, 10}, {5, 8, 6, 10}};
    EXPECT_EQ(joined, expected);
    EXPECT_EQ(Covered(joined), Covered(runs));
}

TEST(JoinIdenticalRows, CoversTheSamePixelsOnARandomBitmap) {
    std::vector<std::string> rows;
    unsigned seed = 12345;
    for (int y = 0; y < 40; ++y) {
        std::string row;
        for (int x = 0; x < 30; ++x) {
            seed = seed * 1103515245u + 12345u;
            // Rows repeat in pairs now and then, so some bands get joined.
            row += ((seed >> 16) % 3 == 0) ? '.' : '#';
        }
        rows.push_back(row);
        if (y % 5 == 0) rows.push_back(row);
    }
    const TextBitmap bitmap(rows);
    const std::vector<RegionRect> runs = ComputeRegionRuns(bitmap.Rows(), kKey, {1, 1, 30, 48});
    const std::vector<RegionRect> joined = JoinIdenticalRows(runs);
    EXPECT_LT(joined.size(), runs.size());
    EXPECT_EQ(Covered(joined), Covered(runs));
}

}  // namespace
