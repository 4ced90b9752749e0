// Dialog frames built from dialog templates of any module.
#pragma once

#include "zapp/app.h"
#include "zapp/window.h"

#include <map>
#include <string>

// A dialog built from a dialog template (zResId: template id and module).
// Two-step construction: the constructor only stores the template, so that a
// derived class's constructor can call create() or runModal() and receive its
// own OnInit/OnCommand calls.
//
// Modeless: create() builds the dialog (hidden unless the template says
// WS_VISIBLE); zApp's loop routes its keyboard messages through
// IsDialogMessage. A modeless dialog is closed with closeLater(): it hides at
// once and is destroyed by the message loop afterwards, when no handler of
// this layer runs; the C++ object is deleted then (its virtual destructor
// runs at that moment). Such a dialog must therefore be made with new. Until
// then its members stay readable, e.g. a validity flag right after a
// construction that failed and closed the dialog.
//
// Modal: runModal() builds the dialog (or takes the one create() built, so a
// caller may configure it first), disables the owner's top-level window,
// shows the dialog, runs the modal hook (zapp/seams.h) and a message loop
// until endModal(code); the window is destroyed and the code returned. The
// object is not deleted.
//
// Notifications: WM_COMMAND goes to OnCommand (list box selection changes
// arrive as LBN_SELCHANGE, also for lists without LBS_NOTIFY once a
// zListBoxUnsorted is attached to them).
// WM_HELP (F1; the loop sends it for F1 in a dialog) goes to OnHelp.
// WM_CTLCOLORDLG / WM_CTLCOLORSTATIC / WM_CTLCOLORBTN give the backgrounds set
// with setBackground / setControlBackground. Everything else goes to OnMessage.
class zDialogFrame : public zWindow {
public:
  zDialogFrame(zWindow* parent, const zResId& dialogTemplate);
  ~zDialogFrame() override;

  // Builds the modeless dialog. False when the module or the template cannot
  // be found or the dialog cannot be created; lastError() tells why.
  bool create();
  // Runs the dialog modally (building it first unless create() did); the
  // endModal code, IDCANCEL when the loop ended otherwise (WM_QUIT, window
  // destroyed), or -1 when it could not be built (lastError() tells why).
  int runModal();
  // Ends the modal loop with this code (a no-op for a modeless dialog).
  void endModal(int code);
  // Closes a modeless dialog: hide now, destroy and delete from the message
  // loop later. For a modal dialog it is endModal(IDCANCEL).
  void closeLater();
  // Destroys the window and deletes the object now. Never from inside one of
  // this dialog's own handlers (use closeLater there).
  void destroyNow();

  bool isModal() const { return modal_; }
  bool closing() const { return closing_; }
  DWORD lastError() const { return lastError_; }
  const zResId& dialogTemplate() const { return template_; }

  // Dialog background (WM_CTLCOLORDLG), e.g. GetSysColor(COLOR_BTNFACE).
  void setBackground(COLORREF colour);
  // Background of one control (statics, check boxes, group boxes: answered
  // on WM_CTLCOLORSTATIC / WM_CTLCOLORBTN).
  void setControlBackground(int controlId, COLORREF colour);

  HWND control(int id) const;
  void setCaption(const std::string& text) { setText(text); }

  // The dialog procedure (returns what a DLGPROC returns).
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
  // WM_INITDIALOG. Return true to let the system set the default focus.
  virtual bool OnInit();
  // WM_COMMAND: control or menu id, notification code, control window.
  // Return true when handled. Default: IDOK / IDCANCEL end a modal dialog
  // with that code; IDCANCEL (also Escape and the close box) closes a
  // modeless one with closeLater().
  virtual bool OnCommand(int id, int notifyCode, HWND ctl);
  // F1 / WM_HELP. Return true when handled. Default: false.
  virtual bool OnHelp();
  // Any other message; the value a dialog procedure returns (FALSE: the
  // default processing applies).
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);

  void onDestroyed() override;

private:
  bool build(bool modal);
  HBRUSH brushFor(COLORREF c);

  zResId template_;
  bool modal_ = false;
  bool ended_ = false;
  int endCode_ = 0;
  bool closing_ = false;
  bool deleteOnDestroy_ = false;
  DWORD lastError_ = 0;
  bool hasBackground_ = false;
  COLORREF background_ = 0;
  std::map<int, COLORREF> controlColours_;
  std::map<COLORREF, HBRUSH> brushes_;

  friend struct zWindowProcs;
};
