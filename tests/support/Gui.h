// Gui: finding and driving dialogs and message boxes, of this process or of
// another, by posting messages and polling with a deadline.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The visible dialog-class window of process pid with this caption, waiting up
// to timeoutMs for it; NULL when none came.
HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs = 15000);
// TRUE once hWnd is gone, within timeoutMs.
bool WaitForWindowGone(HWND hWnd, DWORD timeoutMs = 15000);

std::string WindowText(HWND hWnd);
std::string ItemText(HWND hDlg, int id);
// The text of a message box.
std::string MessageBoxText(HWND hBox);

// A click on button id, as the button itself would report it.
void ClickButton(HWND hDlg, int id);

// The Shift-JIS bytes of a wide text, for comparing with literals.
std::string ToAnsi(const std::wstring& text);
std::wstring ToWide(const std::string& text);

// A program started for a test; ended in the destructor if still running.
// environment holds "NAME=value" entries that replace or add to this
// process's own.
class RunningProgram {
public:
    explicit RunningProgram(const char* exePath, const std::vector<std::string>& environment = {});
    ~RunningProgram();
    DWORD Pid() const { return m_pi.dwProcessId; }
    DWORD ThreadId() const { return m_pi.dwThreadId; }
    bool Started() const { return m_pi.hProcess != NULL; }
    bool WaitForExit(DWORD timeoutMs = 15000);

private:
    PROCESS_INFORMATION m_pi;
};

// The window that has the keyboard focus in the GUI thread tid.
HWND FocusOf(DWORD tid);
