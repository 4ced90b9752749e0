// The wait dialog shown while the main window runs the engine-kind check. It
// has no buttons and handles no commands.
#pragma once
#include "zapp/zapp.h"

class TWaitDlg : public zDialogFrame {
public:
    // Builds the dialog (hidden) from template 3500 of the resource library;
    // the caller centres it, shows it and deletes it with destroyNow().
    explicit TWaitDlg(zWindow* parent);
    bool built() const { return built_; }

protected:
    bool OnCommand(int id, int notifyCode, HWND ctl) override;

private:
    bool built_ = false;
};
