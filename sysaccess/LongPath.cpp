// LongPath: GetLongPathNameA where the system has it, a listing elsewhere.
#include "sysaccess/LongPath.h"

#include "sysaccess/LateBound.h"

#include <string.h>

typedef DWORD(WINAPI* GetLongPathNameAProc)(LPCSTR, LPSTR, DWORD);

static BOOL IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

int RootLength(const CString& path)
{
    LPCSTR p = path;
    if (IsDriveLetter(p[0]) && p[1] == ':' && p[2] == '\\')
        return 3;
    if (p[0] != '\\' || p[1] != '\\')
        return 0;
    // Server and share, neither empty, each followed by a backslash.
    int names = 0;
    LPCSTR start = p + 2;
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

CString LongPathName(const CString& path)
{
    GetLongPathNameAProc pGet = LateBound<GetLongPathNameAProc>("kernel32.dll", "GetLongPathNameA");
    if (pGet == NULL)
        return LongPathByListing(path);
    char longPath[MAX_PATH];
    DWORD n = pGet(path, longPath, MAX_PATH);
    return n > 0 && n < MAX_PATH ? CString(longPath, (int)n) : CString();
}

// The listed name of the entry prefix names: its long name.
static BOOL ListedName(const CString& prefix, CString& name)
{
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA(prefix, &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    FindClose(hFind);
    name = found.cFileName;
    return TRUE;
}

CString LongPathByListing(const CString& path)
{
    int rootLength = RootLength(path);
    if (rootLength == 0 || strpbrk(path, "*?") != NULL)
        return CString();
    CString longPath = path.Left(rootLength);
    CString component;
    for (LPCSTR p = (LPCSTR)path + rootLength;; p += CharLength(p)) {
        if (*p != '\\' && *p != '\0') {
            component += CString(p, CharLength(p));
            continue;
        }
        CString name;
        if (component.IsEmpty() || !ListedName(longPath + component, name))
            return CString();
        longPath += name;
        if (*p == '\0')
            return longPath.GetLength() < MAX_PATH ? longPath : CString();
        longPath += '\\';
        component.Empty();
    }
}
