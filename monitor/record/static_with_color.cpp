#include "record/static_with_color.h"

#include <string>

StaticWithColor::StaticWithColor(HWND coveredStatic, COLORREF colour)
    : zPane(coveredStatic, zSizeWithParent()), static_(coveredStatic), colour_(colour)
{
    show();
}

StaticWithColor::~StaticWithColor() = default;

void StaticWithColor::onSize() { invalidate(true); }

void StaticWithColor::draw(HDC dc, const RECT& client)
{
    SetBkColor(dc, RGB(192, 192, 192));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    HPEN pen = CreatePen(PS_SOLID, 1, face);
    HBRUSH brush = CreateSolidBrush(face);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, client.left, client.top, client.right, client.bottom);

    SetTextColor(dc, colour_);
    // The covered static's own font, so the legend reads like the labels
    // around it.
    HGDIOBJ oldFont = nullptr;
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(static_, WM_GETFONT, 0, 0)))
        oldFont = SelectObject(dc, font);
    char text[256] = {0};
    const int n = GetWindowTextA(static_, text, sizeof text);
    if (n > 0) TextOutA(dc, 0, 0, text, n);
    if (oldFont) SelectObject(dc, oldFont);

    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}
