// A pane that paints one icon on the button-face colour, loading it at every
// paint (it keeps no icon between paints).
#pragma once
#include <string>

#include "zapp/zapp.h"

class QelIconPane : public zPane {
public:
    // An icon of the named module at a fixed rectangle of the parent; an
    // empty module name means the program's own resources. Created hidden.
    QelIconPane(zWindow* parent, const RECT& rect, int iconId, const std::string& module = "");

    void draw(HDC dc, const RECT& client) override;

private:
    int iconId_;
    std::string module_;
};
