// The fast region builder against the per-pixel reference, compared as GetRegionData gives them.
#include "controls/SkinRegion.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

std::vector<char> RegionData(HRGN region) {
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    std::vector<char> data(size);
    EXPECT_EQ(::GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())), size);
    return data;
}

DWORD RectCount(const std::vector<char>& data) {
    return reinterpret_cast<const RGNDATAHEADER*>(data.data())->nCount;
}

// A screen-compatible bitmap, as LoadBitmap gives, painted from a function of (x, y).
CGdiObject<HBITMAP> MakeBitmap(int width, int height, const std::function<COLORREF(int, int)>& colour) {
    CWindowDC screen(nullptr);
    CGdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(screen.Get(), width, height));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels[y * width + x] = ColorRefToPixel(colour(x, y));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ::SetDIBits(screen.Get(), bitmap.Get(), 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    return bitmap;
}

COLORREF Noise(int x, int y, unsigned density) {
    unsigned h = static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
    h = (h ^ (h >> 13)) * 0x5bd1e995u;
    return (h >> 8) % 100 < density ? kMagenta : RGB(x * 3, y * 5, 90);
}

// An outline much like a splash picture: an ellipse on a magenta ground, a hole inside it.
COLORREF Ellipse(int x, int y, int width, int height) {
    const double dx = (x - width / 2.0) / (width / 2.0), dy = (y - height / 2.0) / (height / 2.0);
    const double r = dx * dx + dy * dy;
    return r > 1.0 || r < 0.05 ? kMagenta : RGB(20, 40 + y % 100, 200);
}

struct Case {
    const char* name;
    int bitmapWidth, bitmapHeight;
    SkinGeometry geometry;
    std::function<COLORREF(int, int)> colour;
};

TEST(SkinRegion, FastBuilderGivesTheReferenceRegion) {
    const SkinGeometry borderless{120, 80, {0, 0, 120, 80}};
    const SkinGeometry framed{128, 107, {4, 23, 120, 80}};
    const std::vector<Case> cases = {
        {"no key pixel", 120, 80, borderless, [](int, int) { return RGB(1, 2, 3); }},
        {"all key", 120, 80, borderless, [](int, int) { return kMagenta; }},
        {"noise", 120, 80, borderless, [](int x, int y) { return Noise(x, y, 40); }},
        {"dense noise in a frame", 120, 80, framed, [](int x, int y) { return Noise(x, y, 90); }},
        {"ellipse", 120, 80, borderless, [](int x, int y) { return Ellipse(x, y, 120, 80); }},
        {"ellipse in a frame", 120, 80, framed, [](int x, int y) { return Ellipse(x, y, 120, 80); }},
        {"bitmap larger than client", 200, 150, framed, [](int x, int y) { return Ellipse(x, y, 200, 150); }},
        {"bitmap smaller than client", 50, 30, framed, [](int x, int y) { return Noise(x, y, 30); }},
        {"near-key colours stay opaque", 120, 80, borderless,
         [](int x, int y) { return (x + y) % 3 == 0 ? kMagenta : (x + y) % 3 == 1 ? RGB(254, 0, 255) : RGB(255, 1, 255); }},
        {"key only in last column", 120, 80, borderless, [](int x, int) { return x == 119 ? kMagenta : RGB(0, 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGdiObject<HBITMAP> bitmap = MakeBitmap(c.bitmapWidth, c.bitmapHeight, c.colour);
        ASSERT_TRUE(bitmap);
        CRegion fast = BuildSkinRegion(bitmap.Get(), kMagenta, c.geometry);
        CRegion reference = BuildSkinRegionByPixels(bitmap.Get(), kMagenta, c.geometry);
        ASSERT_TRUE(fast);
        ASSERT_TRUE(reference);
        EXPECT_TRUE(::EqualRgn(fast.Get(), reference.Get()));
        const std::vector<char> fastData = RegionData(fast.Get());
        const std::vector<char> referenceData = RegionData(reference.Get());
        EXPECT_EQ(RectCount(fastData), RectCount(referenceData));
        EXPECT_EQ(fastData, referenceData);
    }
}

TEST(SkinRegion, SplashBitmapGivesTheReferenceRegion) {
    CGdiObject<HBITMAP> splash(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(201)));
    ASSERT_TRUE(splash);
    BITMAP size{};
    ::GetObjectA(splash.Get(), sizeof size, &size);
    const SkinGeometry geometries[] = {
        {size.bmWidth, size.bmHeight, {0, 0, size.bmWidth, size.bmHeight}},
        {size.bmWidth - 100, size.bmHeight - 50, {0, 0, size.bmWidth - 100, size.bmHeight - 50}},
    };
    for (const SkinGeometry& g : geometries) {
        SCOPED_TRACE(g.windowWidth);
        CRegion fast = BuildSkinRegion(splash.Get(), kMagenta, g);
        CRegion reference = BuildSkinRegionByPixels(splash.Get(), kMagenta, g);
        const std::vector<char> fastData = RegionData(fast.Get());
        EXPECT_EQ(fastData, RegionData(reference.Get()));
        // The splash is shaped: its region is neither empty nor its full rectangle.
        RECT box{};
        EXPECT_EQ(::GetRgnBox(fast.Get(), &box), COMPLEXREGION);
    }
}

TEST(SkinRegion, FrameIsTheWindowWithoutItsClientArea) {
    const SkinGeometry framed{128, 107, {4, 23, 120, 80}};
    CRegion frame = CreateFrameRegion(framed);
    EXPECT_TRUE(::PtInRegion(frame.Get(), 0, 0));
    EXPECT_TRUE(::PtInRegion(frame.Get(), 127, 106));
    EXPECT_TRUE(::PtInRegion(frame.Get(), 3, 50));
    EXPECT_FALSE(::PtInRegion(frame.Get(), 4, 23));
    EXPECT_FALSE(::PtInRegion(frame.Get(), 123, 102));

    // An all-key bitmap leaves only the frame; the client area beyond the bitmap stays cut out.
    CGdiObject<HBITMAP> bitmap = MakeBitmap(10, 10, [](int x, int) { return x < 5 ? kMagenta : RGB(0, 0, 0); });
    CRegion region = BuildSkinRegion(bitmap.Get(), kMagenta, framed);
    EXPECT_TRUE(::PtInRegion(region.Get(), 0, 0));
    EXPECT_FALSE(::PtInRegion(region.Get(), 4 + 4, 23));
    EXPECT_TRUE(::PtInRegion(region.Get(), 4 + 5, 23));
    EXPECT_TRUE(::PtInRegion(region.Get(), 4 + 9, 23 + 9));
    EXPECT_FALSE(::PtInRegion(region.Get(), 4 + 10, 23));
    EXPECT_FALSE(::PtInRegion(region.Get(), 4 + 5, 23 + 10));
}

}  // namespace
