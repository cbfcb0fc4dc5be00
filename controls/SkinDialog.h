#pragma once
// A dialog that paints a bitmap as its whole background and can take that bitmap's outline:
// every pixel of the key colour is cut out of the window. Static children are drawn
// transparently over the picture.
#include "controls/SkinRegion.h"
#include "platform/Dialog.h"

class CSkinDialog : public CDialog {
public:
    explicit CSkinDialog(UINT templateId, HWND parent = nullptr);

    // Loads the bitmap resource as the new background (the old one is deleted) and rebuilds the
    // window region; false, with no bitmap kept, when the resource cannot be loaded.
    bool SetBitmap(UINT bitmapId);
    // Each rebuilds the window region; set them after the window has its final size.
    void SetShaped(bool shaped);
    void SetKeyColor(COLORREF key);
    void ReleaseBitmap();

    bool m_transparentStatics = true;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void RebuildRegion();
    bool OnEraseBkgnd(HDC dc);

    bool m_shaped = false;
    HBRUSH m_hollowBrush;
    COLORREF m_keyColor = 0;
    CGdiObject<HBITMAP> m_bitmap;
};
