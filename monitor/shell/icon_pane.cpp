#include "shell/icon_pane.h"

QelIconPane::QelIconPane(zWindow* parent, const RECT& rect, int iconId, const std::string& module)
    : zPane(parent, rect), iconId_(iconId), module_(module.substr(0, MAX_PATH))
{
}

void QelIconPane::draw(HDC dc, const RECT& client)
{
    HMODULE module = zResId(iconId_, module_).module();
    HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(iconId_), IMAGE_ICON, 0,
                                               0, LR_DEFAULTSIZE));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    HPEN pen = CreatePen(PS_SOLID, 1, face);
    HBRUSH brush = CreateSolidBrush(face);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    if (icon) DrawIcon(dc, client.left, client.top, icon);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    if (icon) DestroyIcon(icon);
}
