// What a pane draws, read back pixel by pixel: its draw operation runs on a
// 32-bit bitmap of the given size that is first filled with one colour.
#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

#include "zapp/zapp.h"

struct PanePicture {
    int w = 0, h = 0;
    std::vector<COLORREF> px;  // top row first
    COLORREF at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
    bool operator==(const PanePicture& o) const { return w == o.w && h == o.h && px == o.px; }
};

inline PanePicture drawnPicture(zPane& pane, int w, int h, COLORREF background)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    const RECT client = {0, 0, w, h};
    HBRUSH fill = CreateSolidBrush(background);
    FillRect(dc, &client, fill);
    DeleteObject(fill);
    pane.draw(dc, client);
    GdiFlush();
    PanePicture p;
    p.w = w;
    p.h = h;
    p.px.resize(static_cast<size_t>(w) * h);
    const DWORD* d = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < p.px.size(); ++i)
        p.px[i] = RGB((d[i] >> 16) & 0xFF, (d[i] >> 8) & 0xFF, d[i] & 0xFF);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return p;
}
