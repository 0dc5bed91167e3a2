// ProtectedFolders: the path form check and the system folders, asked of the
// system and the shell each time.
#include "sysaccess/ProtectedFolders.h"

#include <shlobj.h>
#include <userenv.h>

#include <vector>

// The byte length of the root: "X:\" or "\\server\share\"; 0 when the path
// has neither form.
static int RootLength(const CString& path)
{
    LPCSTR p = path;
    if (((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z')) && p[1] == ':' && p[2] == '\\')
        return 3;
    if (p[0] != '\\' || p[1] != '\\')
        return 0;
    // Server and share, neither empty, each followed by a backslash.
    LPCSTR start = p + 2;
    int names = 0;
    for (LPCSTR q = start; *q; q += CharLength(q)) {
        if (*q != '\\')
            continue;
        if (q == start)
            return 0;
        if (++names == 2)
            return (int)(q - p) + 1;
        start = q + 1;
    }
    return 0;
}

// Every component after the root is a real name.
static BOOL HasOnlyRealNames(const CString& path, int rootLength)
{
    CString component;
    for (LPCSTR p = (LPCSTR)path + rootLength;; p += CharLength(p)) {
        if (*p == '\\' || *p == '\0') {
            if (component.IsEmpty() || component == "." || component == "..")
                return FALSE;
            if (*p == '\0')
                return TRUE;
            component.Empty();
        } else {
            component += CString(p, CharLength(p));
        }
    }
}

static CString Normalized(CString path)
{
    path.MakeLower();
    if (path.GetLength() > 0 && path.ReverseFind('\\') == path.GetLength() - 1)
        path = path.Left(path.GetLength() - 1);
    return path;
}

static const int kShellFolders[] = {
    CSIDL_WINDOWS,          CSIDL_SYSTEM,          CSIDL_PROGRAM_FILES,   CSIDL_PROGRAM_FILESX86,
    CSIDL_PROGRAM_FILES_COMMON, CSIDL_PROFILE,     CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY,
    CSIDL_PERSONAL,         CSIDL_COMMON_DOCUMENTS, CSIDL_STARTMENU,      CSIDL_COMMON_STARTMENU,
    CSIDL_PROGRAMS,         CSIDL_COMMON_PROGRAMS, CSIDL_APPDATA,         CSIDL_COMMON_APPDATA,
};

static std::vector<CString> SystemFolders()
{
    std::vector<CString> folders;
    char path[MAX_PATH];
    if (GetWindowsDirectoryA(path, MAX_PATH))
        folders.push_back(path);
    if (GetSystemDirectoryA(path, MAX_PATH))
        folders.push_back(path);
    DWORD size = MAX_PATH;
    if (GetProfilesDirectoryA(path, &size))
        folders.push_back(path);
    size = MAX_PATH;
    if (GetAllUsersProfileDirectoryA(path, &size))
        folders.push_back(path);
    for (int csidl : kShellFolders)
        if (SUCCEEDED(SHGetFolderPathA(NULL, csidl, NULL, SHGFP_TYPE_CURRENT, path)))
            folders.push_back(path);
    return folders;
}

// path contains folder, or is it.
static BOOL Contains(const CString& path, const CString& folder)
{
    return folder == path || folder.Left(path.GetLength() + 1) == path + "\\";
}

BOOL IsRemovableFolderPath(const CString& path)
{
    int rootLength = RootLength(path);
    if (rootLength == 0 || !HasOnlyRealNames(path, rootLength))
        return FALSE;
    CString candidates[2] = {Normalized(path), Normalized(path)};
    char longPath[MAX_PATH];
    DWORD n = GetLongPathNameA(path, longPath, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
        candidates[1] = Normalized(longPath);
    for (const CString& folder : SystemFolders()) {
        CString system = Normalized(folder);
        for (const CString& candidate : candidates)
            if (Contains(candidate, system))
                return FALSE;
    }
    return TRUE;
}
