// CSkinDialog on real windows: its region after the owners' three setters, painting, statics.
#include "controls/SkinDialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kBorderless = 100, kFramed = 101, kBitmap = 200;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

std::vector<char> RegionData(HRGN region) {
    std::vector<char> data(::GetRegionData(region, 0, nullptr));
    ::GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    return data;
}

std::vector<char> WindowRegion(HWND window) {
    CRegion region(::CreateRectRgn(0, 0, 0, 0));
    EXPECT_NE(::GetWindowRgn(window, region.Get()), ERROR);
    return RegionData(region.Get());
}

// A dialog made as the splash makes it: the window gets its size, then the three setters.
struct CTestSkinDialog : CSkinDialog {
    CTestSkinDialog(UINT templateId, int clientWidth, int clientHeight) : CSkinDialog(templateId) {
        EXPECT_TRUE(Create(nullptr));
        RECT r{0, 0, clientWidth, clientHeight};
        ::AdjustWindowRectEx(&r, ::GetWindowLongA(m_hWnd, GWL_STYLE), FALSE, ::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOMOVE);
    }
    void Skin() {
        EXPECT_TRUE(SetBitmap(kBitmap));
        SetShaped(true);
        SetKeyColor(kMagenta);
    }
};

std::vector<char> ReferenceRegion(HWND window) {
    CGdiObject<HBITMAP> bitmap(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kBitmap)));
    CRegion region = BuildSkinRegionByPixels(bitmap.Get(), kMagenta, GetSkinGeometry(window));
    return RegionData(region.Get());
}

TEST(SkinDialog, RegionFollowsTheBitmapAfterTheOwnersSetters) {
    struct Case { UINT templateId; int width, height; };
    const Case cases[] = {
        {kBorderless, 64, 48},   // the bitmap's size
        {kBorderless, 40, 30},   // smaller than the bitmap: its top-left part
        {kBorderless, 90, 70},   // larger: the rest stays cut out
        {kFramed, 64, 48},       // caption and border stay in the region
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.templateId << " " << c.width << "x" << c.height);
        CTestSkinDialog dialog(c.templateId, c.width, c.height);
        dialog.Skin();
        const std::vector<char> shaped = WindowRegion(dialog);
        EXPECT_EQ(shaped, ReferenceRegion(dialog));

        // Shaped off: the full window rectangle again.
        dialog.SetShaped(false);
        RECT window{};
        ::GetWindowRect(dialog, &window);
        CRegion full(::CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top));
        EXPECT_EQ(WindowRegion(dialog), RegionData(full.Get()));
        EXPECT_NE(shaped, RegionData(full.Get()));
    }
}

TEST(SkinDialog, MissingBitmapResourceKeepsNoBitmap) {
    CTestSkinDialog dialog(kBorderless, 64, 48);
    dialog.Skin();
    EXPECT_FALSE(dialog.SetBitmap(999));
    // Without a bitmap the background is left to the dialog's default erase.
    CWindowDC screen(nullptr);
    CGdiObject<HBITMAP> canvas(::CreateCompatibleBitmap(screen.Get(), 64, 48));
    CMemoryDC dc(screen.Get(), canvas.Get());
    ::SetPixel(dc.Get(), 20, 20, RGB(1, 2, 3));
    ::SendMessageA(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    CGdiObject<HBITMAP> bitmap(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kBitmap)));
    CMemoryDC source(screen.Get(), bitmap.Get());
    EXPECT_NE(::GetPixel(dc.Get(), 20, 20), ::GetPixel(source.Get(), 20, 20));
}

TEST(SkinDialog, PaintsTheBitmapUnscaledAtTheTopLeft) {
    CTestSkinDialog dialog(kBorderless, 40, 30);
    dialog.Skin();
    CWindowDC screen(nullptr);
    CGdiObject<HBITMAP> canvas(::CreateCompatibleBitmap(screen.Get(), 64, 48));
    CMemoryDC dc(screen.Get(), canvas.Get());
    ::PatBlt(dc.Get(), 0, 0, 64, 48, BLACKNESS);
    EXPECT_TRUE(::SendMessageA(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0));

    CGdiObject<HBITMAP> bitmap(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kBitmap)));
    CMemoryDC source(screen.Get(), bitmap.Get());
    for (POINT p : {POINT{0, 0}, POINT{20, 15}, POINT{39, 29}, POINT{10, 25}})
        EXPECT_EQ(::GetPixel(dc.Get(), p.x, p.y), ::GetPixel(source.Get(), p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(::GetPixel(dc.Get(), 45, 10), RGB(0, 0, 0));  // only the client area's size is copied
}

TEST(SkinDialog, StaticsAreTransparentOverThePicture) {
    CTestSkinDialog dialog(kBorderless, 64, 48);
    dialog.Skin();
    HWND label = ::GetDlgItem(dialog, 1000);
    ASSERT_TRUE(label);
    CWindowDC dc(label);
    ::SetBkMode(dc.Get(), OPAQUE);
    const LRESULT brush = ::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                                         reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(::GetBkMode(dc.Get()), TRANSPARENT);

    dialog.m_transparentStatics = false;
    ::SetBkMode(dc.Get(), OPAQUE);
    const LRESULT solid = ::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                                         reinterpret_cast<LPARAM>(label));
    EXPECT_NE(reinterpret_cast<HGDIOBJ>(solid), ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(::GetBkMode(dc.Get()), OPAQUE);
}

}  // namespace
