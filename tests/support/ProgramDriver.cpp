// ProgramDriver: windows found by class and caption in the program's
// process; every wait has a deadline.
#include "tests/support/ProgramDriver.h"

#include "res/resource.h"
#include "tests/support/Captions.h"
#include "tests/support/Gui.h"

namespace {

const DWORD kDeadlineMs = 15000;

// This process's environment block with the entries given put in place.
std::string EnvironmentBlock(const std::vector<std::string>& changes)
{
    std::string block;
    LPCH pEnv = GetEnvironmentStringsA();
    for (LPCSTR p = pEnv; *p; p += strlen(p) + 1) {
        std::string entry = p;
        bool replaced = false;
        for (const std::string& change : changes)
            replaced |= _strnicmp(entry.c_str(), change.c_str(), change.find('=') + 1) == 0;
        if (!replaced)
            block += entry + '\0';
    }
    FreeEnvironmentStringsA(pEnv);
    for (const std::string& change : changes)
        block += change + '\0';
    return block + '\0';
}

// 32 x 32 pixels as a DC shows them at (x, y).
std::string Pixels(HDC hdcFrom, int x, int y)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = 32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    HDC hdc = CreateCompatibleDC(hdcFrom);
    HBITMAP hBitmap = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ hOld = SelectObject(hdc, hBitmap);
    BitBlt(hdc, 0, 0, 32, 32, hdcFrom, x, y, SRCCOPY);
    GdiFlush();
    std::string pixels((const char*)bits, 32 * 32 * 4);
    SelectObject(hdc, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hdc);
    return pixels;
}

// A system icon drawn over the colour that surrounds the box's icon.
std::string DrawnIcon(LPCSTR icon, COLORREF background)
{
    HDC hScreen = GetDC(NULL);
    HDC hdc = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, 32, 32);
    HGDIOBJ hOld = SelectObject(hdc, hBitmap);
    HBRUSH hBrush = CreateSolidBrush(background);
    RECT rect = {0, 0, 32, 32};
    FillRect(hdc, &rect, hBrush);
    DrawIconEx(hdc, 0, 0, LoadIconA(NULL, icon), 32, 32, 0, NULL, DI_NORMAL);
    std::string pixels = Pixels(hdc, 0, 0);
    DeleteObject(hBrush);
    SelectObject(hdc, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hdc);
    ReleaseDC(NULL, hScreen);
    return pixels;
}

// The standard icon a box shows: the system icon that looks the same on
// the screen. The box's icon handle is its own process's, so handles
// cannot be compared.
LPCSTR IconOf(HWND hBox)
{
    HWND hIcon = GetDlgItem(hBox, kMessageBoxIconId);
    if (!hIcon || !IsWindowVisible(hIcon))
        return NULL;
    // The box may not have painted yet.
    DWORD start = GetTickCount();
    do {
        RECT rect;
        GetWindowRect(hIcon, &rect);
        HDC hScreen = GetDC(NULL);
        std::string shown = Pixels(hScreen, rect.left, rect.top);
        COLORREF background = GetPixel(hScreen, rect.left, rect.top);
        ReleaseDC(NULL, hScreen);
        for (LPCSTR icon : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK})
            if (DrawnIcon(icon, background) == shown)
                return icon;
        Sleep(20);
    } while (GetTickCount() - start < 2000);
    return NULL;
}

}  // namespace

ProgramDriver::ProgramDriver() : m_hProcess(NULL), m_bStarted(false), m_pid(0), m_hDlg(NULL) {}

ProgramDriver::~ProgramDriver()
{
    if (m_hProcess == NULL)
        return;
    if (m_bStarted && WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_hProcess, 1);
        WaitForSingleObject(m_hProcess, 5000);
    }
    CloseHandle(m_hProcess);
}

bool ProgramDriver::Fail(const std::string& step)
{
    m_failure = step;
    return false;
}

bool ProgramDriver::Start(const std::string& exePath, const std::vector<std::string>& environment)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string commandLine = "\"" + exePath + "\"";
    std::string block = EnvironmentBlock(environment);
    if (!CreateProcessA(exePath.c_str(), &commandLine[0], NULL, NULL, FALSE, 0,
                        environment.empty() ? NULL : &block[0], NULL, &si, &pi))
        return Fail("start " + exePath);
    CloseHandle(pi.hThread);
    m_hProcess = pi.hProcess;
    m_bStarted = true;
    m_pid = pi.dwProcessId;
    return true;
}

bool ProgramDriver::Attach()
{
    DWORD start = GetTickCount();
    while ((m_hDlg = FindWindowA("#32770", kDialogCaption)) == NULL) {
        if (GetTickCount() - start >= kDeadlineMs)
            return Fail("find the main dialog of a running program");
        Sleep(20);
    }
    GetWindowThreadProcessId(m_hDlg, &m_pid);
    m_hProcess = OpenProcess(SYNCHRONIZE, FALSE, m_pid);
    return m_hProcess != NULL || Fail("open the program's process");
}

HWND ProgramDriver::WaitForWindow(const char* caption) { return WaitForDialog(m_pid, caption, kDeadlineMs); }

bool ProgramDriver::WaitForMainDialog()
{
    m_hDlg = WaitForWindow(kDialogCaption);
    return m_hDlg != NULL || Fail("wait for the main dialog");
}

bool ProgramDriver::WaitForExit()
{
    return (m_hProcess != NULL && WaitForSingleObject(m_hProcess, kDeadlineMs) == WAIT_OBJECT_0) ||
           Fail("wait for the program to end");
}

std::string ProgramDriver::ItemText(int id) const { return ::ItemText(m_hDlg, id); }

HWND ProgramDriver::Focus() const { return FocusOf(GetWindowThreadProcessId(m_hDlg, NULL)); }

bool ProgramDriver::Click(int id)
{
    if (!IsWindow(m_hDlg))
        return Fail("click " + std::to_string(id) + ": no main dialog");
    ClickButton(m_hDlg, id);
    return true;
}

bool ProgramDriver::OpenAbout()
{
    PostMessageA(m_hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    return WaitForWindow(kAboutCaption) != NULL || Fail("open the About box");
}

bool ProgramDriver::CloseAbout()
{
    HWND hAbout = WaitForWindow(kAboutCaption);
    if (!hAbout)
        return Fail("find the About box");
    ClickButton(hAbout, IDOK);
    return WaitForWindowGone(hAbout, kDeadlineMs) || Fail("close the About box");
}

bool ProgramDriver::TakeBox(ShownBox& box)
{
    box = ShownBox();
    box.hWnd = WaitForWindow(kBoxCaption);
    if (!box.hWnd)
        return Fail("wait for a message box");
    box.text = MessageBoxText(box.hWnd);
    for (int button : {IDOK, IDCANCEL, IDYES, IDNO})
        if (IsWindowVisible(GetDlgItem(box.hWnd, button)))
            box.buttons.push_back(button);
    box.icon = IconOf(box.hWnd);
    return true;
}

bool ProgramDriver::Answer(const ShownBox& box, int button)
{
    ClickButton(box.hWnd, button);
    return WaitForWindowGone(box.hWnd, kDeadlineMs) || Fail("answer \"" + box.text + "\"");
}

std::string ProgramDriver::Execute(int answer)
{
    ShownBox box;
    if (!Click(IDOK) || !TakeBox(box) || !Answer(box, answer))
        return "(failed: " + m_failure + ")";
    return box.text;
}

std::string ProgramDriver::Uninstall()
{
    std::string confirm = Execute(IDYES);
    if (confirm != "ｱﾝｲﾝｽﾄｰﾙを実行します。よろしいですか？")
        return "(no confirmation, but: " + confirm + ")";
    ShownBox report;
    if (!TakeBox(report) || !Answer(report, IDOK) || !WaitForExit())
        return "(failed: " + m_failure + ")";
    return report.text;
}
