// The About box: template 2000 and icon 2800 of the program's own resources,
// the caption and two text lines the main window loaded at its construction.
#pragma once
#include "zapp/zapp.h"

class TMainWindow;
class QelIconPane;

class TAboutDlg : public zDialogFrame {
public:
    explicit TAboutDlg(TMainWindow& main);
    // Shows the box centred over the main window until OK or Cancel.
    int run() { return runModal(); }

    QelIconPane* iconPane() const { return icon_; }

protected:
    bool OnInit() override;

private:
    TMainWindow& main_;
    std::string iconModule_;  // empty: the program's own resources
    QelIconPane* icon_ = nullptr;
};
