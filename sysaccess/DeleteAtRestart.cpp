// DeleteAtRestart: the NT family's pending operations, the 9x WININIT.INI.
#include "sysaccess/DeleteAtRestart.h"

#include <string>

static BOOL IsNT()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

BOOL DeleteAtRestart(const CString& path)
{
    if (IsNT())
        return MoveFileExA(path, NULL, MOVEFILE_DELAY_UNTIL_REBOOT);
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return FALSE;
    char windows[MAX_PATH];
    UINT n = GetWindowsDirectoryA(windows, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return FALSE;
    return AddWininitDeletion(CString(windows) + "\\WININIT.INI", path);
}

// The whole file, or empty when there is none.
static std::string ReadAll(LPCSTR path)
{
    std::string text;
    HANDLE hFile = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(hFile, buffer, sizeof buffer, &read, NULL) && read > 0)
        text.append(buffer, read);
    CloseHandle(hFile);
    return text;
}

static BOOL WriteAll(LPCSTR path, const std::string& text)
{
    HANDLE hFile = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD written = 0;
    BOOL bWritten = WriteFile(hFile, text.data(), (DWORD)text.size(), &written, NULL) && written == text.size();
    return CloseHandle(hFile) && bWritten;
}

// Where the line after the [rename] header starts, or npos without one;
// text ends in a line break.
static size_t AfterRenameHeader(const std::string& text)
{
    for (size_t line = 0; line < text.size(); line = text.find('\n', line) + 1)
        if (_strnicmp(text.c_str() + line, "[rename]", 8) == 0)
            return text.find('\n', line) + 1;
    return std::string::npos;
}

BOOL AddWininitDeletion(const CString& iniPath, const CString& path)
{
    char shortPath[MAX_PATH];
    DWORD n = GetShortPathNameA(path, shortPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return FALSE;
    std::string text = ReadAll(iniPath);
    if (!text.empty() && text.back() != '\n')
        text += "\r\n";
    std::string line = std::string("NUL=") + shortPath + "\r\n";
    size_t at = AfterRenameHeader(text);
    if (at == std::string::npos)
        text += "[rename]\r\n" + line;
    else
        text.insert(at, line);
    return WriteAll(iniPath, text);
}
