// ProgramDriver: drives the real QV7UNINSTALL.EXE as a user would, for every
// end-to-end test and the demo: it posts what a click would send and polls
// for each window with a deadline. Each step answers whether it worked, and
// Failure() then names the step, so that
//     ASSERT_TRUE(driver.Start(QV7_EXE)) << driver.Failure();
// reports the step at the caller's line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A message box of the program, as it was shown.
struct ShownBox {
    HWND hWnd = NULL;
    std::string text;
    std::vector<int> buttons;   // the visible ones of IDOK, IDCANCEL, IDYES, IDNO
    LPCSTR icon = NULL;         // IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK; NULL for none
};

class ProgramDriver {
public:
    ProgramDriver();
    ~ProgramDriver();   // a program this driver started and that still runs is ended

// Starting and ending
    // exePath started as the list of installed programs starts it;
    // environment holds "NAME=value" entries that replace or add to ours.
    bool Start(const std::string& exePath, const std::vector<std::string>& environment = {});
    // The program another process started, found by its main dialog.
    bool Attach();
    bool WaitForMainDialog();
    bool WaitForExit();

// The main dialog
    HWND MainDialog() const { return m_hDlg; }
    std::string ItemText(int id) const;
    HWND Focus() const;   // the window with the keyboard focus in the program
    bool Click(int id);   // a button, as its click reports itself
    bool OpenAbout();     // the system menu's About entry, and the box up
    bool CloseAbout();    // its OK, and the box gone

// Message boxes
    bool TakeBox(ShownBox& box);                    // the next one, waited for
    bool Answer(const ShownBox& box, int button);   // pressed, and the box gone
    // Execute, and the box that comes answered with answer: its text, or
    // "(failed: step)" when a step failed.
    std::string Execute(int answer);
    // Execute, Yes, the report answered and the program ended: the report's
    // text, or "(failed: step)".
    std::string Uninstall();

    DWORD Pid() const { return m_pid; }
    const std::string& Failure() const { return m_failure; }

private:
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    bool Fail(const std::string& step);
    HWND WaitForWindow(const char* caption);

    HANDLE m_hProcess;
    bool m_bStarted;
    DWORD m_pid;
    HWND m_hDlg;
    std::string m_failure;
};
