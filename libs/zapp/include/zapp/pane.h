// Panes: child windows that paint themselves, placed over a control or
// inside any window.
#pragma once

#include "zapp/window.h"

// A sizer that makes a pane fill its parent's client area and follow it when
// the parent's size changes (the pane watches the parent's WM_SIZE).
class zSizeWithParent {
public:
  zSizeWithParent() = default;
  // The pane's rectangle for a parent client rectangle.
  RECT place(const RECT& parentClient) const { return parentClient; }
};

// A child pane. It is created hidden (show() it) and is owned by its window
// tree: when its window is destroyed (with its parent, e.g. the dialog) the
// C++ object deletes itself. So panes are made with new and are not used
// after their parent window is gone. Deleting a pane earlier destroys its
// window. The pane also repaints after its parent's text or enabled state
// changes (a static control redraws itself over its children then).
class zPane : public zWindow {
public:
  // Fills the parent's client area and follows its size.
  zPane(zWindow* parent, const zSizeWithParent& sizer);
  zPane(HWND parent, const zSizeWithParent& sizer);
  // At a fixed rectangle in the parent's client coordinates.
  zPane(zWindow* parent, const RECT& rect);
  zPane(HWND parent, const RECT& rect);
  ~zPane() override;

  bool created() const { return hwnd_ != nullptr; }
  HWND parentWindow() const { return parentWnd_; }

  // Paints the pane: on WM_PAINT with the paint display, or from
  // redrawNow() with a GetDC display. client is the client rectangle
  // (left = top = 0). Default: nothing.
  virtual void draw(HDC dc, const RECT& client);
  // Draws at once with a GetDC display (not through an invalidation).
  void redrawNow();
  // After the pane's size changed (WM_SIZE). Default: nothing.
  virtual void onSize();

  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
  void onDestroyed() override;

private:
  void init(HWND parent, const RECT& r, bool follow);
  void fitToParent();
  static LRESULT CALLBACK parentSubclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  HWND parentWnd_ = nullptr;
  bool follow_ = false;    // sized with the parent
  bool watching_ = false;  // the parent is subclassed for this pane
  zSizeWithParent sizer_;
};
