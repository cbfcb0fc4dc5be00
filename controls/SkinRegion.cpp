#include "controls/SkinRegion.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

BITMAP BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    ::GetObjectA(bitmap, sizeof info, &info);
    return info;
}

// Reads the whole bitmap as top-down 32-bit pixels; empty when the bits cannot be read.
std::vector<std::uint32_t> ReadPixels(HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    CWindowDC screen(nullptr);
    if (!screen.Get() ||
        ::GetDIBits(screen.Get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height)
        pixels.clear();
    return pixels;
}

CRegion RegionFromRects(const std::vector<RegionRect>& rects) {
    std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects.size());
    header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bound{0, 0, 0, 0};
    auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const RECT r{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        std::memcpy(&out[i], &r, sizeof r);
        ::UnionRect(&bound, &bound, &r);
    }
    header->rcBound = bound;
    return CRegion(::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                     reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

SkinGeometry GetSkinGeometry(HWND window) {
    RECT windowRect{}, clientRect{};
    ::GetWindowRect(window, &windowRect);
    ::GetClientRect(window, &clientRect);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    return {windowRect.right - windowRect.left, windowRect.bottom - windowRect.top,
            {origin.x - windowRect.left, origin.y - windowRect.top, clientRect.right, clientRect.bottom}};
}

CRegion CreateFrameRegion(const SkinGeometry& g) {
    CRegion frame(::CreateRectRgn(0, 0, g.windowWidth, g.windowHeight));
    CRegion client(::CreateRectRgn(g.client.offsetX, g.client.offsetY, g.client.offsetX + g.client.width,
                                   g.client.offsetY + g.client.height));
    if (!frame || !client) return CRegion();
    ::CombineRgn(frame.Get(), frame.Get(), client.Get(), RGN_DIFF);
    return frame;
}

CRegion BuildSkinRegion(HBITMAP bitmap, COLORREF key, const SkinGeometry& g) {
    const BITMAP size = BitmapSize(bitmap);
    const std::vector<std::uint32_t> pixels = ReadPixels(bitmap, size.bmWidth, size.bmHeight);
    if (pixels.empty()) return BuildSkinRegionByPixels(bitmap, key, g);

    const PixelRows rows{pixels.data(), size.bmWidth, size.bmHeight, size.bmWidth};
    const std::vector<RegionRect> rects =
        JoinIdenticalRows(ComputeRegionRuns(rows, ColorRefToPixel(key), g.client));
    CRegion region = CreateFrameRegion(g);
    if (!region || rects.empty()) return region;
    CRegion runs = RegionFromRects(rects);
    if (!runs) return CRegion();
    ::CombineRgn(region.Get(), region.Get(), runs.Get(), RGN_OR);
    return region;
}

CRegion BuildSkinRegionByPixels(HBITMAP bitmap, COLORREF key, const SkinGeometry& g) {
    CRegion region = CreateFrameRegion(g);
    if (!region) return region;
    const BITMAP size = BitmapSize(bitmap);
    CWindowDC screen(nullptr);
    CMemoryDC memory(screen.Get(), bitmap);
    if (!memory.Get()) return region;

    const int scanWidth = std::min<int>(size.bmWidth, g.client.width);
    const int scanHeight = std::min<int>(size.bmHeight, g.client.height);
    auto addRun = [&](int from, int to, int y) {
        CRegion run(::CreateRectRgn(g.client.offsetX + from, g.client.offsetY + y, g.client.offsetX + to,
                                    g.client.offsetY + y + 1));
        ::CombineRgn(region.Get(), region.Get(), run.Get(), RGN_OR);
    };
    for (int y = 0; y < scanHeight; ++y) {
        int start = 0;
        for (int x = 0; x < scanWidth; ++x) {
            if (::GetPixel(memory.Get(), x, y) != key) continue;
            if (start != x) addRun(start, x, y);
            start = x + 1;
        }
        if (start < scanWidth) addRun(start, scanWidth, y);
    }
    return region;
}
