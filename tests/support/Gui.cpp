// Gui: window lookups and clicks for the dialog tests.
#include "tests/support/Gui.h"

namespace {

struct Search {
    DWORD pid;
    const char* caption;
    HWND found;
};

BOOL CALLBACK Match(HWND hWnd, LPARAM lParam)
{
    Search* s = (Search*)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    char cls[64];
    GetClassNameA(hWnd, cls, sizeof cls);
    if (pid == s->pid && IsWindowVisible(hWnd) && strcmp(cls, "#32770") == 0 &&
        WindowText(hWnd) == s->caption) {
        s->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        Search s = {pid, caption, NULL};
        EnumWindows(Match, (LPARAM)&s);
        if (s.found)
            return s.found;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return NULL;
}

bool WaitForWindowGone(HWND hWnd, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (IsWindow(hWnd)) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

std::string WindowText(HWND hWnd)
{
    char text[1024] = "";
    GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

std::string ItemText(HWND hDlg, int id) { return WindowText(GetDlgItem(hDlg, id)); }

std::string MessageBoxText(HWND hBox) { return ItemText(hBox, 0xFFFF); }

void ClickButton(HWND hDlg, int id)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, id));
}

std::string ToAnsi(const std::wstring& text)
{
    char buffer[4096];
    int n = WideCharToMultiByte(932, 0, text.c_str(), (int)text.size(), buffer, sizeof buffer, NULL, NULL);
    return std::string(buffer, n > 0 ? n : 0);
}

std::wstring ToWide(const std::string& text)
{
    wchar_t buffer[4096];
    int n = MultiByteToWideChar(932, 0, text.c_str(), (int)text.size(), buffer, 4096);
    return std::wstring(buffer, n > 0 ? n : 0);
}

HWND FocusOf(DWORD tid)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(tid, &info) ? info.hwndFocus : NULL;
}
