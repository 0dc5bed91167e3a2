// SystemFolders: which system takes which route.
//   Windows and system directories: every system.
//   Shell folders: SHGetFolderPathA of shell32 on 2000, Me and later; of
//     shfolder.dll on 95, 98 and NT 4.0 where Internet Explorer 5 or a setup
//     installed it; else shell32 4.0's SHGetSpecialFolderLocation.
//   Program Files and Common Files: the shell where it knows them, and the
//     ProgramFilesDir / CommonFilesDir values that every system since 95 has.
//   Profiles root and all users' profile: userenv.dll on 2000 and later
//     (95 and 98 have no userenv.dll, NT 4.0 lacks these two functions);
//     there the profile folders are still covered by the shell folders
//     inside them.
//   64-bit Windows: the WOW64 system directory (GetSystemWow64DirectoryA,
//     XP and later), its Sysnative alias, and the native Program Files and
//     Common Files, which a 32-bit program is otherwise shown the x86 ones of.
#include "sysaccess/SystemFolders.h"

#include "sysaccess/LateBound.h"

#include <shlobj.h>

typedef HRESULT(WINAPI* SHGetFolderPathAProc)(HWND, int, HANDLE, DWORD, LPSTR);
typedef BOOL(WINAPI* ProfileDirectoryProc)(LPSTR, LPDWORD);
typedef UINT(WINAPI* DirectoryProc)(LPSTR, UINT);
typedef BOOL(WINAPI* IsWow64ProcessProc)(HANDLE, PBOOL);

static const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

static const int kShellFolders[] = {
    CSIDL_WINDOWS,          CSIDL_SYSTEM,           CSIDL_FONTS,
    CSIDL_PROGRAM_FILES,    CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAM_FILES_COMMON,
    CSIDL_PROGRAM_FILES_COMMONX86,                  CSIDL_PROFILE,
    CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY,
    CSIDL_PERSONAL,         CSIDL_COMMON_DOCUMENTS,
    CSIDL_STARTMENU,        CSIDL_COMMON_STARTMENU, CSIDL_PROGRAMS,
    CSIDL_COMMON_PROGRAMS,  CSIDL_STARTUP,          CSIDL_COMMON_STARTUP,
    CSIDL_APPDATA,          CSIDL_LOCAL_APPDATA,    CSIDL_COMMON_APPDATA,
};

// A path a call wrote into a MAX_PATH buffer, answering its length: an
// answer of 0, or of the buffer's size or more, is a failure.
static CString FromBuffer(const char* buffer, UINT n)
{
    return n > 0 && n < MAX_PATH ? CString(buffer, (int)n) : CString();
}

static CString Directory(DirectoryProc pGet)
{
    char path[MAX_PATH];
    return pGet != NULL ? FromBuffer(path, pGet(path, MAX_PATH)) : CString();
}

static CString ProfileDirectory(LPCSTR name)
{
    ProfileDirectoryProc pGet = LateBound<ProfileDirectoryProc>("userenv.dll", name);
    char path[MAX_PATH];
    DWORD size = MAX_PATH;
    return pGet != NULL && pGet(path, &size) ? CString(path) : CString();
}

// A REG_SZ value below HKLM, read without asking for write access.
static CString MachineValue(LPCSTR keyPath, LPCSTR name, REGSAM view)
{
    CString value;
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE | view, &hKey) != ERROR_SUCCESS)
        return value;
    char data[MAX_PATH];
    DWORD type = 0, size = sizeof data;
    if (RegQueryValueExA(hKey, name, NULL, &type, (BYTE*)data, &size) == ERROR_SUCCESS && type == REG_SZ &&
        size > 0 && data[size - 1] == '\0')
        value = data;
    RegCloseKey(hKey);
    return value;
}

static CString EnvironmentValue(LPCSTR name)
{
    char value[MAX_PATH];
    return FromBuffer(value, GetEnvironmentVariableA(name, value, MAX_PATH));
}

static BOOL IsWow64()
{
    IsWow64ProcessProc pIsWow64 = LateBound<IsWow64ProcessProc>("kernel32.dll", "IsWow64Process");
    BOOL bWow64 = FALSE;
    return pIsWow64 != NULL && pIsWow64(GetCurrentProcess(), &bWow64) && bWow64;
}

// The native Program Files folders that a 32-bit program on 64-bit Windows
// is not shown: from the environment (7 and later), else the 64-bit view of
// the registry.
static void AddNativeProgramFolders(std::vector<CString>& folders)
{
    if (!IsWow64())
        return;
    const struct {
        LPCSTR variable, value;
    } kNative[] = {{"ProgramW6432", "ProgramFilesDir"}, {"CommonProgramW6432", "CommonFilesDir"}};
    for (const auto& native : kNative) {
        CString folder = EnvironmentValue(native.variable);
        if (folder.IsEmpty())
            folder = MachineValue(kCurrentVersion, native.value, KEY_WOW64_64KEY);
        folders.push_back(folder);
    }
}

CString SpecialFolderPath(int csidl)
{
    CString folder;
    LPITEMIDLIST pidl = NULL;
    if (SUCCEEDED(SHGetSpecialFolderLocation(NULL, csidl, &pidl))) {
        char path[MAX_PATH];
        if (SHGetPathFromIDListA(pidl, path))
            folder = path;
        CoTaskMemFree(pidl);
    }
    return folder;
}

CString ShellFolderPath(int csidl)
{
    for (LPCSTR dll : {"shell32.dll", "shfolder.dll"}) {
        SHGetFolderPathAProc pGet = LateBound<SHGetFolderPathAProc>(dll, "SHGetFolderPathA");
        if (pGet == NULL)
            continue;
        char path[MAX_PATH] = "";
        return SUCCEEDED(pGet(NULL, csidl, NULL, SHGFP_TYPE_CURRENT, path)) ? CString(path) : CString();
    }
    return SpecialFolderPath(csidl);
}

std::vector<CString> SystemFolders()
{
    std::vector<CString> folders;
    CString windows = Directory(GetWindowsDirectoryA);
    folders.push_back(windows);
    folders.push_back(Directory(GetSystemDirectoryA));
    CString wow64 = Directory(LateBound<DirectoryProc>("kernel32.dll", "GetSystemWow64DirectoryA"));
    folders.push_back(wow64);
    if (!wow64.IsEmpty() && !windows.IsEmpty())
        folders.push_back(windows + "\\Sysnative");
    folders.push_back(ProfileDirectory("GetProfilesDirectoryA"));
    folders.push_back(ProfileDirectory("GetAllUsersProfileDirectoryA"));
    folders.push_back(MachineValue(kCurrentVersion, "ProgramFilesDir", 0));
    folders.push_back(MachineValue(kCurrentVersion, "CommonFilesDir", 0));
    AddNativeProgramFolders(folders);
    for (int csidl : kShellFolders)
        folders.push_back(ShellFolderPath(csidl));

    std::vector<CString> named;
    for (const CString& folder : folders)
        if (!folder.IsEmpty())
            named.push_back(folder);
    return named;
}
