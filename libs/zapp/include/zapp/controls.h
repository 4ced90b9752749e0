// Wrappers of the controls of a dialog, attached by control id. They do not
// own the control: it lives and dies with its dialog. A wrapper made for an
// id the template lacks has hwnd() == nullptr and its calls do nothing.
#pragma once

#include "zapp/dialog.h"
#include "zapp/window.h"

#include <string>

// Common base: the dialog and the control id.
class zControl : public zWindow {
public:
  zControl(zDialogFrame* dlg, int id);
  int id() const { return id_; }
  zDialogFrame* dialog() const { return dlg_; }
  // Background of this control through its dialog's WM_CTLCOLOR* answer.
  void setBackground(COLORREF colour);

protected:
  zDialogFrame* dlg_;
  int id_;
};

class zStaticText : public zControl {
public:
  zStaticText(zDialogFrame* dlg, int id) : zControl(dlg, id) {}
};

// Static of the "zStatTxt3dClass" kind (or any static).
class zStaticText3d : public zStaticText {
public:
  zStaticText3d(zDialogFrame* dlg, int id) : zStaticText(dlg, id) {}
};

// Group box; its caption is setText/getText.
class zGroupBox : public zControl {
public:
  zGroupBox(zDialogFrame* dlg, int id) : zControl(dlg, id) {}
};

class zGroupBox3d : public zGroupBox {
public:
  zGroupBox3d(zDialogFrame* dlg, int id) : zGroupBox(dlg, id) {}
};

class zCheckBox : public zControl {
public:
  zCheckBox(zDialogFrame* dlg, int id) : zControl(dlg, id) {}
  void check(bool on);
  bool checked() const;
};

class zPushButton : public zControl {
public:
  zPushButton(zDialogFrame* dlg, int id) : zControl(dlg, id) {}
};

// A list box whose order is the order of add(): the dialogs sort, the
// control does not (add() appends even under LBS_SORT). Selection changes
// made by the user reach the dialog's OnCommand as LBN_SELCHANGE: sent by the
// list itself when the template gives LBS_NOTIFY (the RC LISTBOX statement
// does), else by a watch this wrapper attaches to the list. Indexes are
// 0-based; -1 means none.
class zListBoxUnsorted : public zControl {
public:
  zListBoxUnsorted(zDialogFrame* dlg, int id);
  // Appends; the new index, or -1 on failure.
  int add(const std::string& text);
  void clear();
  int count() const;
  int selection() const;
  // Selects row i; -1 (or any index outside the list) clears the selection.
  // Does not notify the dialog (as with the platform's LB_SETCURSEL).
  void setSelection(int i);
  // The text of row i; empty for an index outside the list.
  std::string text(int i) const;
  void setHorizontalExtent(int pixels);
  void deleteItem(int i);
};

// A single-line edit.
class zEditLine : public zControl {
public:
  zEditLine(zDialogFrame* dlg, int id) : zControl(dlg, id) {}
  // Unsigned decimal number.
  void setNumber(unsigned long value);
  // Reads the text as an unsigned decimal number (surrounding blanks
  // allowed). False, with value untouched, when the text is empty, not a
  // number or above 0xFFFFFFFF.
  bool number(unsigned long& value) const;
  // Limit of the text length (EM_LIMITTEXT).
  void limitText(int chars);
};
