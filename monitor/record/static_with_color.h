// Repaints the text of a static of the template in a chosen colour, from
// the static's top-left corner; the gauges' legend.
#pragma once
#include "zapp/zapp.h"

class StaticWithColor : public zPane {
public:
    // Lays itself over the static and shows itself at once.
    StaticWithColor(HWND coveredStatic, COLORREF colour);
    ~StaticWithColor() override;

    void onSize() override;
    void draw(HDC dc, const RECT& client) override;

    COLORREF colour() const { return colour_; }

private:
    HWND static_;  // not owned
    COLORREF colour_;
};
