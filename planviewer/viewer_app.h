// The viewer program: start-up, the main window and its commands, and the
// end. WinMain runs the three steps; the GUI tests run them in-process.
#pragma once
#include <windows.h>

#include <cstdint>

// Start-up up to the message loop. False when the program ends at once,
// with *exitCode set (0 before the main window exists, 1 after).
bool ViewerStart(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show,
                 int* exitCode);

// Offers one message to the accelerator table; true when it was a key of it.
bool ViewerTranslateAccelerator(MSG* msg);

// The message loop; returns the exit code that the quit message carried.
int ViewerRunLoop();

// Ends the display library, the memory services and the work buffers.
void ViewerFinish();

// Shows the plan at the current index when it can be read.
void ShowCurrentPlan();

// Centres a dialog over its owner, kept on the screen.
void CentreDialog(HWND dialog);
// Ends a modal dialog on OK or Cancel (Enter, Escape); true when it did.
bool EndOnOkOrCancel(HWND dialog, WPARAM command);

LRESULT CALLBACK ViewerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Dialogs of the viewer, each in its own file.
void RunAboutDialog(HWND owner);
// True with *number when OK was pressed on a valid unsigned number.
bool RunGotoDialog(HWND owner, uint32_t* number, bool* valid);
void RunStatementDialog(HWND owner);
