// Prints how long building the splash window's region takes, from the bitmap's bits and the
// per-pixel way, as `name: value unit` lines (the best of several runs).
#include "controls/SkinRegion.h"

#include <algorithm>
#include <cstdio>

namespace {

template <class Build>
double BestMs(Build build, int runs) {
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        ::QueryPerformanceCounter(&start);
        CRegion region = build();
        ::QueryPerformanceCounter(&end);
        if (!region) return -1;
        best = std::min(best, 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart);
    }
    return best;
}

}  // namespace

int main() {
    CGdiObject<HBITMAP> splash(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(201)));
    if (!splash) return 1;
    BITMAP size{};
    ::GetObjectA(splash.Get(), sizeof size, &size);
    const SkinGeometry geometry{size.bmWidth, size.bmHeight, {0, 0, size.bmWidth, size.bmHeight}};
    const COLORREF key = RGB(255, 0, 255);
    std::printf("shell.region.build_ms: %.2f ms\n",
                BestMs([&] { return BuildSkinRegion(splash.Get(), key, geometry); }, 20));
    std::printf("shell.region.per_pixel_ms: %.2f ms\n",
                BestMs([&] { return BuildSkinRegionByPixels(splash.Get(), key, geometry); }, 3));
    return 0;
}
