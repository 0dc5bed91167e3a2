// LongPath: GetLongPathNameA where the system has it, a listing elsewhere.
#include "sysaccess/LongPath.h"

#include "sysaccess/LateBound.h"

#include <string.h>

typedef DWORD(WINAPI* GetLongPathNameAProc)(LPCSTR, LPSTR, DWORD);

CString LongPathName(const CString& path, int rootLength)
{
    GetLongPathNameAProc pGet = LateBound<GetLongPathNameAProc>("kernel32.dll", "GetLongPathNameA");
    if (pGet == NULL)
        return LongPathByListing(path, rootLength);
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

CString LongPathByListing(const CString& path, int rootLength)
{
    if (strpbrk(path, "*?") != NULL)
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
