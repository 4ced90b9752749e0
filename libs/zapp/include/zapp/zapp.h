// Our small GUI class layer for the monitor: one include for all of it.
//
//   zApp, zResId            zapp/app.h      application object, message loop
//   zWindow                 zapp/window.h   base of every window wrapper
//   zFrameWin, zAppFrame,   zapp/frame.h    frames, status line, timer
//   zStatusLineEZ, zTimer
//   zDialogFrame            zapp/dialog.h   modeless and modal dialogs
//   zStaticText, zStaticText3d, zGroupBox, zGroupBox3d, zCheckBox,
//   zPushButton, zListBoxUnsorted, zEditLine
//                           zapp/controls.h control wrappers
//   zPane, zSizeWithParent  zapp/pane.h     self-painting child panes
//   zMessage, zCursor       zapp/message.h  message box, cursor
//   zapp::... hooks         zapp/seams.h    seams for tests
//   zapp::testing::...      zapp/testing.h  GUI test helpers
#pragma once

#include "zapp/app.h"
#include "zapp/controls.h"
#include "zapp/dialog.h"
#include "zapp/frame.h"
#include "zapp/message.h"
#include "zapp/pane.h"
#include "zapp/seams.h"
#include "zapp/window.h"
