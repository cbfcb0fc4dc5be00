#pragma once
// Window regions of skinned windows: the frame plus every opaque run of the background bitmap.
#include <windows.h>

#include "controls/RegionRuns.h"
#include "platform/Handle.h"

using CRegion = CGdiObject<HRGN>;

// A window's size and where its client area lies in it, as the region is built against.
struct SkinGeometry {
    int windowWidth;
    int windowHeight;
    ClientPlacement client;
};

SkinGeometry GetSkinGeometry(HWND window);

// The window rectangle with the client rectangle cut out (empty for a borderless child).
CRegion CreateFrameRegion(const SkinGeometry& geometry);

// The frame plus one rectangle per run of pixels that are not exactly `key`, over the part of
// the bitmap the client area shows. Reads the bitmap's bits once; the bitmap must not be
// selected into a device context. Null only when the system is out of regions.
CRegion BuildSkinRegion(HBITMAP bitmap, COLORREF key, const SkinGeometry& geometry);

// The same region built the slow, plain way: GetPixel on every pixel and one union per run.
// Kept as the reference the fast builder is checked against, and as its fallback when the
// bitmap's bits cannot be read.
CRegion BuildSkinRegionByPixels(HBITMAP bitmap, COLORREF key, const SkinGeometry& geometry);
