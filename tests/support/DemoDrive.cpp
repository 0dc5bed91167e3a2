// qv7_demo_drive STEP: one step of a user's session with QV7UNINSTALL.EXE,
// for the demo under Xvfb. Each step waits for the window it acts on.
//   wait | about | close-about | execute | yes | ok | cancel
#include "res/resource.h"
#include "tests/support/Captions.h"
#include "tests/support/Gui.h"

#include <stdio.h>
#include <string.h>

static DWORD ProgramPid()
{
    HWND hDlg = FindWindowA("#32770", kDialogCaption);
    DWORD pid = 0;
    GetWindowThreadProcessId(hDlg, &pid);
    return pid;
}

static bool Step(const char* step)
{
    DWORD deadline = GetTickCount() + 15000;
    while (!ProgramPid() && GetTickCount() < deadline)
        Sleep(50);
    DWORD pid = ProgramPid();
    HWND hDlg = WaitForDialog(pid, kDialogCaption);
    if (!hDlg)
        return false;
    if (strcmp(step, "wait") == 0)
        return true;
    if (strcmp(step, "about") == 0) {
        PostMessageA(hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        return WaitForDialog(pid, kAboutCaption) != NULL;
    }
    if (strcmp(step, "close-about") == 0) {
        HWND hAbout = WaitForDialog(pid, kAboutCaption);
        ClickButton(hAbout, IDOK);
        return WaitForWindowGone(hAbout);
    }
    if (strcmp(step, "execute") == 0) {
        ClickButton(hDlg, IDOK);
        return WaitForDialog(pid, kBoxCaption) != NULL;
    }
    if (strcmp(step, "cancel") == 0) {
        ClickButton(hDlg, IDCANCEL);
        return WaitForWindowGone(hDlg);
    }
    HWND hBox = WaitForDialog(pid, kBoxCaption);
    if (!hBox)
        return false;
    ClickButton(hBox, strcmp(step, "yes") == 0 ? IDYES : IDOK);
    return WaitForWindowGone(hBox) && (strcmp(step, "yes") != 0 || WaitForDialog(pid, kBoxCaption));
}

int main(int argc, char** argv)
{
    if (argc != 2 || !Step(argv[1])) {
        fprintf(stderr, "qv7_demo_drive: step %s failed\n", argc > 1 ? argv[1] : "(none)");
        return 1;
    }
    return 0;
}
