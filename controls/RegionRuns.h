#pragma once
// The opaque runs of a skinned window's bitmap: the rectangles that make up its window region.
#include <cstddef>
#include <cstdint>
#include <vector>

// A rectangle in window coordinates, right and bottom exclusive (as a Win32 RECT).
struct RegionRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const RegionRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Rows of 32-bit pixels, top row first, each pixel 0x??RRGGBB (a 32-bit DIB's memory order read
// as a little-endian word); the top byte is ignored.
struct PixelRows {
    const std::uint32_t* pixels;
    int width;
    int height;
    std::ptrdiff_t stride;  // pixels from the start of one row to the start of the next
};

// Where the client area lies in the window, and its size.
struct ClientPlacement {
    int offsetX;
    int offsetY;
    int width;
    int height;
};

// 0x00RRGGBB of a COLORREF (0x00BBGGRR), so a key colour compares with PixelRows pixels.
constexpr std::uint32_t ColorRefToPixel(std::uint32_t colorRef) {
    return ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) | ((colorRef >> 16) & 0xFFu);
}

// Walks the part of the bitmap that the client area shows (the smaller width and height of the
// two) row by row and returns one rectangle, one pixel high, per run of pixels that are not the
// key colour, shifted by the client offset; rows top to bottom, runs left to right.
std::vector<RegionRect> ComputeRegionRuns(const PixelRows& bitmap, std::uint32_t keyPixel,
                                          const ClientPlacement& client);

// The same area with vertically adjacent rows of identical runs joined into one taller
// rectangle each, in the y-x banded order a region is built from fastest.
std::vector<RegionRect> JoinIdenticalRows(const std::vector<RegionRect>& runs);
