// Gui: finding and driving dialogs and message boxes, of this process or of
// another, by posting messages and polling with a deadline.
#pragma once

#include <windows.h>

#include <string>

// The visible dialog-class window of process pid with this caption, waiting up
// to timeoutMs for it; NULL when none came.
HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs = 15000);
// TRUE once hWnd is gone, within timeoutMs.
bool WaitForWindowGone(HWND hWnd, DWORD timeoutMs = 15000);

std::string WindowText(HWND hWnd);
std::string ItemText(HWND hDlg, int id);
// The text of a message box, and the id of its icon control.
std::string MessageBoxText(HWND hBox);
const int kMessageBoxIconId = 0x0440;

// A click on button id, as the button itself would report it.
void ClickButton(HWND hDlg, int id);

// The Shift-JIS bytes of a wide text, for comparing with literals.
std::string ToAnsi(const std::wstring& text);
std::wstring ToWide(const std::string& text);

// The window that has the keyboard focus in the GUI thread tid.
HWND FocusOf(DWORD tid);
